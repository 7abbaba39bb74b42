// Installation runs from media that a user copied by hand or a burner mangled:
// foreign names, long paths, empty and protected files, files where folders
// belong, files held by other programs, protected target folders. Every case
// checks what was shown, written and kept, and that the user's tables survive.
#include <map>
#include <string>
#include <vector>

#include "install/file_comparison.h"
#include "install/installation_run.h"
#include "platform/memory/memory_file_system.h"
#include "tests/host/install/install_fixture.h"

namespace {

using install_testing::InstallTest;
using platform::FileSharing;
using platform::MakeDosDateTime;

const std::uint32_t kOld = MakeDosDateTime(2019, 3, 4, 8, 0, 0);

const std::vector<std::string> kUserTables = {
    "c:\\geolume\\TabelaEquipamentosGeorreferenciamento.tbp",
    "c:\\geolume\\TabelaPessoasGeorreferenciamento.tbp",
    "c:\\geolume\\TabelaProfissionaisGeorreferenciamento.tbp",
    "c:\\geolume\\TabelaVerticesUtilizadosGeorreferenciamento.tbp",
};

class HostileMediumTest : public InstallTest {
 protected:
  std::map<std::string, platform::MemoryEntry> tables_before;

  void SetUp() override {
    InstallTest::SetUp();
    Portuguese();
    AddMedium();
    // The medium ships empty tables; the machine holds filled ones, one of them protected.
    for (const auto& table : kUserTables) {
      std::string name = table.substr(table.find_last_of('\\') + 1);
      windows.files.AddFile("D:\\programa\\" + name, "vazia");
      windows.files.AddFile(table, "preenchida pelo usuário: " + name, kOld);
    }
    windows.files.SetAttributes(kUserTables[1], platform::kAttributeReadOnly | platform::kAttributeHidden);
    for (const auto& table : kUserTables) tables_before[table] = *windows.files.Inspect(table);
  }

  void TearDown() override {
    for (const auto& table : kUserTables) {
      auto now = windows.files.Inspect(table);
      ASSERT_TRUE(now.has_value()) << table;
      EXPECT_EQ(now->content, tables_before[table].content) << table;
      EXPECT_EQ(now->attributes, tables_before[table].attributes) << table;
      EXPECT_EQ(now->dos_date_time, tables_before[table].dos_date_time) << table;
    }
    // Nothing reached the application error display: every failure was a message box.
    EXPECT_TRUE(backend.errors.empty()) << backend.errors.front();
  }

  void AddFile(const std::string& path, const std::string& content, std::uint32_t attributes = platform::kAttributeArchive) {
    windows.files.AddFile(path, content, kOld, attributes);
  }

  std::uint32_t Attributes(const std::string& path) { return *windows.files.GetAttributes(path); }

  void ExpectCompleted() {
    EXPECT_FALSE(backend.terminated);
    EXPECT_EQ(main.State(), shell::CentralState::CadSetup);
    EXPECT_EQ(cad_listings, 1);
  }
};

TEST_F(HostileMediumTest, ForeignNamesAreCopiedWithTheirBytesAndMatchTargetsOfOtherCase) {
  const std::vector<std::pair<std::string, std::string>> names = {
      {"Relatório Técnico – Ação.txt", "pt"}, {"Съёмка участка.cad", "ru"},
      {"Τοπογραφία.coo", "el"},              {"測量データ.niv", "ja"}};
  for (const auto& [name, bytes] : names) AddFile("D:\\demos\\Port\\" + name, bytes);
  // Older copies under the other case of the same names: Windows takes them for the same files.
  AddFile("c:\\Geolume\\Demos\\ΤΟΠΟΓΡΑΦΊΑ.COO", "antigo");
  AddFile("c:\\Geolume\\Demos\\СЪЁМКА УЧАСТКА.CAD", "antigo");
  windows.files.SetFileTime("D:\\demos\\Port\\Τοπογραφία.coo", MakeDosDateTime(2024, 1, 2, 3, 4, 6));
  windows.files.SetFileTime("D:\\demos\\Port\\Съёмка участка.cad", MakeDosDateTime(2024, 1, 2, 3, 4, 6));
  Run();
  EXPECT_TRUE(backend.messages.empty()) << backend.messages.front().text;
  for (const auto& [name, bytes] : names) EXPECT_EQ(Content("c:\\Geolume\\Demos\\" + name), bytes) << name;
  // Overwritten in place: the target keeps its spelling and no second file appears.
  auto greek = windows.files.Inspect("c:\\Geolume\\Demos\\τοπογραφία.coo");
  ASSERT_TRUE(greek.has_value());
  EXPECT_EQ(greek->path, "c:\\geolume\\Demos\\ΤΟΠΟΓΡΑΦΊΑ.COO");
  EXPECT_EQ(windows.files.ListFolder("c:\\Geolume\\Demos")->size(), 2u + 5u);
  ExpectCompleted();
}

TEST_F(HostileMediumTest, PathsBeyondTheClassicLimitAreCopiedAndShownWhole) {
  const std::string name = std::string(250, 'l') + ".cad";
  const std::string source = "D:\\demos\\Port\\" + name;
  const std::string target = "c:\\Geolume\\Demos\\" + name;
  ASSERT_GT(target.size(), 260u);
  AddFile(source, "levantamento");
  std::vector<std::string> labels;
  windows.files.FailCopyOnce(target, 5);
  backend.on_message = [&](const auto&) { labels = {main.Labeltext.Caption(), main.Label24.Caption()}; };
  Run();
  ASSERT_EQ(MessageTexts(), (std::vector<std::string>{"Erro 5 ao copiar o arquivo " + source + " para " + target + "."}));
  EXPECT_EQ(labels, (std::vector<std::string>{" De: " + source, " Para: " + target}));
  EXPECT_FALSE(windows.files.FileExists(target));
  // The next run copies it.
  backend.messages.clear();
  Run();
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_EQ(Content(target), "levantamento");
}

TEST_F(HostileMediumTest, ZeroByteFilesAreCopiedOnceAndThenFoundEqual) {
  // A file in both programa\ and its language folder is copied twice on every run.
  windows.files.DeleteFile("D:\\programa\\shared.txt");
  AddFile("D:\\programa\\vazio.ini", "");
  AddFile("D:\\relatorios\\Port\\vazio.rtf", "");
  // A target with bytes but the source's time: only the size tells them apart.
  AddFile("c:\\Geolume\\vazio.ini", "x");
  Run();
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_EQ(windows.files.Inspect("c:\\Geolume\\vazio.ini")->content, "");
  EXPECT_EQ(windows.files.Inspect("c:\\Geolume\\Relatorios\\vazio.rtf")->content, "");
  EXPECT_EQ(Attributes("c:\\Geolume\\Relatorios\\vazio.rtf"), platform::kAttributeReadOnly);
  std::string tree = Tree();
  windows.files.SetFolderReadOnly("c:\\Geolume");  // a copy would now fail and show
  Run();
  windows.files.SetFolderReadOnly("c:\\Geolume", false);
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_EQ(Tree(), tree);
}

TEST_F(HostileMediumTest, ProtectedMediumFilesArriveWritableAndReportsReadOnly) {
  const auto hidden_system = platform::kAttributeHidden | platform::kAttributeSystem | platform::kAttributeReadOnly;
  AddFile("D:\\programa\\somente leitura.dat", "r", platform::kAttributeReadOnly);
  AddFile("D:\\simbolos\\Port\\oculto.sld", "h", platform::kAttributeHidden);
  AddFile("D:\\simbolos\\Port\\sistema.sld", "s", hidden_system);
  AddFile("D:\\relatorios\\Port\\protegido.rtf", "p", hidden_system);
  // A protected target from an earlier install is replaced too.
  AddFile("c:\\Geolume\\Simbolos\\sistema.sld", "antigo", hidden_system);
  Run();
  EXPECT_TRUE(backend.messages.empty()) << backend.messages.front().text;
  for (const char* path : {"c:\\Geolume\\somente leitura.dat", "c:\\Geolume\\Simbolos\\oculto.sld",
                           "c:\\Geolume\\Simbolos\\sistema.sld"}) {
    EXPECT_EQ(Attributes(path), platform::kAttributeNormal) << path;
  }
  EXPECT_EQ(Content("c:\\Geolume\\Simbolos\\sistema.sld"), "s");
  EXPECT_EQ(Attributes("c:\\Geolume\\Relatorios\\protegido.rtf"), platform::kAttributeReadOnly);
  // The medium itself is left as it was.
  EXPECT_EQ(Attributes("D:\\simbolos\\Port\\sistema.sld"), hidden_system);
  ExpectCompleted();
}

TEST_F(HostileMediumTest, FileWhereARequiredMediumFolderBelongsEndsTheRunNamingIt) {
  windows.files.DeleteFile("D:\\demos\\Port\\item.dat");
  windows.files.RemoveFolder("D:\\demos\\Port");
  AddFile("D:\\demos\\Port", "não sou uma pasta");
  Run();
  ASSERT_EQ(MessageTexts(), (std::vector<std::string>{
                                "Não existe o diretório D:\\demos\\Port\\ no CD. Solicite um novo CD de Instalação"}));
  EXPECT_TRUE(backend.terminated);
  EXPECT_EQ(backend.exit_code, install::kExitMissingMediumFolder);
  EXPECT_EQ(Content("c:\\geolume\\geolume.exe"), "programa\\geolume.exe");  // step 1 came first
  EXPECT_EQ(Content("c:\\geolume\\shared.txt"), "programa\\shared.txt");  // step 9 never came
  EXPECT_EQ(cad_listings, 0);
}

TEST_F(HostileMediumTest, FileWhereAnOptionalMediumFolderBelongsIsPassedOverSilently) {
  windows.files.DeleteFile("D:\\tutorial\\Port\\item.dat");
  windows.files.RemoveFolder("D:\\tutorial\\Port");
  AddFile("D:\\tutorial\\Port", "não sou uma pasta");
  Run();
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_TRUE(windows.files.FolderExists("c:\\Geolume\\Tutorial"));
  EXPECT_EQ(windows.files.ListFolder("c:\\Geolume\\Tutorial")->size(), 2u);
  ExpectCompleted();
}

TEST_F(HostileMediumTest, MediumFolderThatCannotBeListedIsReportedInsteadOfCopyingNothingUnseen) {
  windows.files.DenyListing("D:\\demos\\Port");
  Run();
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"Erro 5 ao ler o diretório D:\\demos\\Port\\ do CD."}));
  EXPECT_EQ(backend.messages[0].caption, "Erro na Instalação");
  EXPECT_FALSE(windows.files.FileExists("c:\\Geolume\\Demos\\item.dat"));
  EXPECT_EQ(Content("c:\\Geolume\\Modelos\\item.dat"), "modelos\\Port\\item.dat");  // the run went on
  ExpectCompleted();
}

TEST_F(HostileMediumTest, FileNamedLikeATargetFolderIsKeptAndEachFileForItIsReported) {
  AddFile("D:\\simbolos\\Port\\arvore.sld", "a");
  AddFile("c:\\Geolume\\Simbolos", "arquivo do usuário", platform::kAttributeReadOnly);
  Run();
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{
                                "Erro 3 ao copiar o arquivo D:\\simbolos\\Port\\arvore.sld para c:\\Geolume\\Simbolos\\arvore.sld.",
                                "Erro 3 ao copiar o arquivo D:\\simbolos\\Port\\item.dat para c:\\Geolume\\Simbolos\\item.dat."}));
  auto kept = windows.files.Inspect("c:\\Geolume\\Simbolos");
  ASSERT_TRUE(kept.has_value());
  EXPECT_FALSE(kept->is_folder);
  EXPECT_EQ(kept->content, "arquivo do usuário");
  EXPECT_EQ(kept->attributes, platform::kAttributeReadOnly);
  EXPECT_EQ(Content("c:\\Geolume\\Modelos\\item.dat"), "modelos\\Port\\item.dat");  // the run went on
  ExpectCompleted();
}

TEST_F(HostileMediumTest, FolderNamedLikeATargetFileIsReportedAndKeepsItsAttributes) {
  windows.files.AddFolder("c:\\Geolume\\geolume.exe");
  windows.files.AddFile("c:\\Geolume\\geolume.exe\\nota.txt", "do usuário");
  windows.files.SetAttributes("c:\\Geolume\\geolume.exe", platform::kAttributeHidden);
  windows.files.AddFolder("c:\\Geolume\\Relatorios\\item.dat");
  Run();
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{
                                "Erro 5 ao copiar o arquivo D:\\programa\\geolume.exe para c:\\Geolume\\geolume.exe.",
                                "Erro 5 ao copiar o arquivo D:\\relatorios\\Port\\item.dat para c:\\Geolume\\Relatorios\\item.dat."}));
  // Not the copy's file: its attributes are the user's business, under the read-only rule too.
  EXPECT_EQ(Attributes("c:\\Geolume\\geolume.exe"), platform::kAttributeHidden | platform::kAttributeDirectory);
  EXPECT_EQ(Attributes("c:\\Geolume\\Relatorios\\item.dat"), platform::kAttributeDirectory);
  EXPECT_EQ(Content("c:\\Geolume\\geolume.exe\\nota.txt"), "do usuário");
  ExpectCompleted();
}

TEST_F(HostileMediumTest, SourceHeldOpenShowsTheHintAndTheRetryCopiesItOnceReleased) {
  const std::string source = "D:\\demos\\Port\\Съёмка.cad";
  AddFile(source, "medição");
  windows.files.HoldOpen(source, FileSharing::None);
  backend.on_message = [&](const auto&) { windows.files.Release(source); };
  Run();
  ASSERT_EQ(MessageTexts(), (std::vector<std::string>{
                                "Erro 32 ao copiar o arquivo " + source + " para c:\\Geolume\\Demos\\Съёмка.cad.\r"
                                "Provavelmente este arquivo está sendo utilizado por outro programa. Feche todos os "
                                "arquivos e programas do Sistema Geolume e do Autocad."}));
  EXPECT_EQ(Content("c:\\Geolume\\Demos\\Съёмка.cad"), "medição");
  ExpectCompleted();
}

TEST_F(HostileMediumTest, SourceHeldOpenOverAnExistingTargetIsReportedAndTheTargetKept) {
  const std::string source = "D:\\demos\\Port\\demo.cad";
  AddFile(source, "nova medição");
  AddFile("c:\\Geolume\\Demos\\demo.cad", "medição antiga", platform::kAttributeHidden);
  for (FileSharing sharing : {FileSharing::None, FileSharing::Read}) {
    windows.files.HoldOpen(source, sharing);
    backend.messages.clear();
    cad_listings = 0;
    Run();
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{
                                  "Erro ao copiar o arquivo " + source + " para c:\\Geolume\\Demos\\demo.cad."}));
    EXPECT_EQ(Content("c:\\Geolume\\Demos\\demo.cad"), "medição antiga");
    ExpectCompleted();
  }
  windows.files.Release(source);
  backend.messages.clear();
  Run();
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_EQ(Content("c:\\Geolume\\Demos\\demo.cad"), "nova medição");
}

TEST_F(HostileMediumTest, TargetFolderThatRefusesWritesReportsEveryFileAndKeepsItsContent) {
  AddFile("D:\\modelos\\Port\\novo.dwt", "novo");
  AddFile("c:\\Geolume\\Modelos\\item.dat", "do usuário", platform::kAttributeReadOnly);
  windows.files.SetFolderReadOnly("c:\\Geolume\\Modelos");
  Run();
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{
                                "Erro 5 ao copiar o arquivo D:\\modelos\\Port\\item.dat para c:\\Geolume\\Modelos\\item.dat.",
                                "Erro 5 ao copiar o arquivo D:\\modelos\\Port\\novo.dwt para c:\\Geolume\\Modelos\\novo.dwt."}));
  EXPECT_EQ(Content("c:\\Geolume\\Modelos\\item.dat"), "do usuário");
  EXPECT_EQ(Attributes("c:\\Geolume\\Modelos\\item.dat"), platform::kAttributeReadOnly);
  EXPECT_FALSE(windows.files.FileExists("c:\\Geolume\\Modelos\\novo.dwt"));
  ExpectCompleted();
}

TEST_F(HostileMediumTest, ReadOnlyAttributeOnATargetFolderDoesNotStopTheCopyAndStays) {
  windows.files.AddFolder("c:\\Geolume\\Demos");
  windows.files.SetAttributes("c:\\Geolume\\Demos", platform::kAttributeReadOnly);
  Run();
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_EQ(Content("c:\\Geolume\\Demos\\item.dat"), "demos\\Port\\item.dat");
  EXPECT_EQ(Attributes("c:\\Geolume\\Demos"), platform::kAttributeReadOnly | platform::kAttributeDirectory);
  ExpectCompleted();
}

TEST_F(HostileMediumTest, TwoFullInstallationsInARowKeepTheTablesAndChangeNothingTheSecondTime) {
  // A table the machine lacks is installed once and then belongs to the user.
  const std::string absent = "c:\\geolume\\TabelaPessoasGeorreferenciamento.tbp";
  windows.files.SetAttributes(absent, platform::kAttributeNormal);
  windows.files.DeleteFile(absent);
  Run();
  EXPECT_EQ(Content(absent), "vazia");
  windows.files.WriteFile(absent, tables_before[absent].content);
  windows.files.SetFileTime(absent, tables_before[absent].dos_date_time);
  windows.files.SetAttributes(absent, tables_before[absent].attributes);
  std::string tree = Tree();
  Run();
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_EQ(Tree(), tree);
  EXPECT_EQ(cad_listings, 2);
}

}  // namespace
