#include <stdexcept>
#include <string>
#include <vector>

#include "install/installation_run.h"
#include "platform/memory/memory_file_system.h"
#include "tests/host/install/install_fixture.h"

namespace {

using install_testing::InstallTest;
using platform::RegistryRoot;

constexpr char kViewerKey[] = "\\CLSID\\{6F55C185-A9A7-11D3-91F8-0000E878EB25}\\InprocServer32";

const std::vector<std::string> kPortugueseFolders = {
    "c:\\Geolume",          "c:\\Geolume\\Demos",       "c:\\Geolume\\formatos\\geolume",
    "c:\\Geolume\\Simbolos", "c:\\Geolume\\Relatorios", "c:\\Geolume\\perfil_tipo",
    "c:\\Geolume\\Tutorial", "c:\\Geolume\\Modelos",    "c:\\Geolume\\rbmc"};

TEST_F(InstallTest, PortugueseRunCopiesEveryStepFromItsLanguageFolder) {
  Portuguese();
  AddMedium();
  Run();
  EXPECT_TRUE(backend.messages.empty()) << backend.messages[0].text;
  for (const auto& folder : kPortugueseFolders) EXPECT_TRUE(windows.files.FolderExists(folder)) << folder;
  EXPECT_EQ(Content("c:\\geolume\\geolume.exe"), "programa\\geolume.exe");
  // programa\ first, its language folder after it.
  EXPECT_EQ(Content("c:\\geolume\\shared.txt"), "programa\\Port\\shared.txt");
  EXPECT_EQ(Content("c:\\geolume\\special.dll"), "programa\\especial\\special.dll");
  EXPECT_EQ(Content("C:\\windows\\system32\\geo32.dll"), "sistema\\geo32.dll");
  EXPECT_EQ(Content("c:\\geolume\\Demos\\item.dat"), "demos\\Port\\item.dat");
  EXPECT_EQ(Content("c:\\geolume\\formatos\\geolume\\item.dat"), "formatos\\Port\\item.dat");
  EXPECT_EQ(Content("c:\\geolume\\perfil_tipo\\item.dat"), "perfil_tipo\\Port\\item.dat");
  EXPECT_EQ(Content("c:\\geolume\\Simbolos\\item.dat"), "simbolos\\Port\\item.dat");
  EXPECT_EQ(Content("c:\\geolume\\Relatorios\\item.dat"), "relatorios\\Port\\item.dat");
  EXPECT_EQ(Content("c:\\geolume\\Tutorial\\item.dat"), "tutorial\\Port\\item.dat");
  EXPECT_EQ(Content("c:\\geolume\\Modelos\\item.dat"), "modelos\\Port\\item.dat");
  EXPECT_EQ(Content("c:\\geolume\\rbmc\\stations.txt"), "rbmc\\stations.txt");
  EXPECT_FALSE(windows.files.FolderExists("c:\\Geolume\\Informes"));
  // Subfolders of a step's folder are not copied.
  EXPECT_FALSE(windows.files.FolderExists("c:\\Geolume\\Port"));
  EXPECT_EQ(main.sb1.SimpleText(), "Criando atalhos...");
  EXPECT_EQ(main.State(), shell::CentralState::CadSetup);
  EXPECT_FALSE(main.pb1.Visible());
  EXPECT_EQ(cad_listings, 1);
}

TEST_F(InstallTest, ListingStoppedByAnErrorStillHidesTheProgressPanel) {
  Portuguese();
  AddMedium();
  EXPECT_THROW(shell::RunInstallation(main, [] { throw std::runtime_error("Invalid data type"); }),
               std::runtime_error);
  EXPECT_FALSE(main.Panel1.Visible());
}

TEST_F(InstallTest, SpanishRunUsesEspFoldersAndInformes) {
  Spanish();
  AddMedium();
  Run();
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_TRUE(windows.files.FolderExists("c:\\Geolume\\Informes"));
  EXPECT_FALSE(windows.files.FolderExists("c:\\Geolume\\Relatorios"));
  EXPECT_EQ(Content("c:\\geolume\\Informes\\item.dat"), "relatorios\\Esp\\item.dat");
  EXPECT_EQ(Content("c:\\geolume\\shared.txt"), "programa\\Esp\\shared.txt");
  for (const char* folder : {"Demos", "formatos\\geolume", "perfil_tipo", "Simbolos", "Tutorial", "Modelos"}) {
    std::string copied = Content(std::string("c:\\geolume\\") + folder + "\\item.dat");
    EXPECT_NE(copied.find("\\Esp\\"), std::string::npos) << folder << ": " << copied;
  }
  EXPECT_EQ(main.sb1.SimpleText(), "Creando Atajos...");
}

TEST_F(InstallTest, StatusLineFollowsTheSteps) {
  Portuguese();
  AddMedium();
  std::vector<std::string> seen;
  windows.processes.OnStart([&](const std::string&) { seen.push_back(main.sb1.SimpleText()); });
  // As an earlier installation left it: the administrators' alone.
  windows.files.AddFile("c:\\geolume\\plotsum.exe", "old");
  ASSERT_TRUE(windows.files.SetAccess("c:\\geolume\\plotsum.exe", platform::kProtectedFileAccess));
  ASSERT_TRUE(windows.files.SetAccess("c:\\geolume", platform::kProtectedFolderAccess));
  windows.files.FailCopyOnce("c:\\Geolume\\Demos\\item.dat", 5);
  backend.on_message = [&](const auto&) { seen.push_back(main.sb1.SimpleText()); };
  Run();
  EXPECT_EQ(seen, (std::vector<std::string>{"Copiando Arquivos...", "Copiando Arquivos...",
                                            "Copiando Arquivos..."}));
  EXPECT_TRUE(main.Label11.Visible());
}

TEST_F(InstallTest, MissingRequiredFolderEndsTheProgramBeforeAnythingIsCopied) {
  Portuguese();
  AddMedium();
  ASSERT_TRUE(windows.files.RenameFile("D:\\programa", "D:\\outro"));
  Run();
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_EQ(backend.messages[0].text,
            "Não existe o diretório D:\\programa\\ no CD. Solicite um novo CD de Instalação");
  EXPECT_EQ(backend.messages[0].caption, "Erro na Instalação");
  EXPECT_FALSE(backend.messages[0].owned);
  EXPECT_TRUE(backend.terminated);
  EXPECT_EQ(backend.exit_code, install::kExitMissingMediumFolder);
  for (const auto& folder : kPortugueseFolders) EXPECT_TRUE(windows.files.FolderExists(folder)) << folder;
  auto listing = windows.files.ListFolder("c:\\Geolume");
  EXPECT_EQ(listing->size(), 2u + 8u);  // the dot entries and the eight subfolders
  EXPECT_FALSE(windows.registry.KeyExists(RegistryRoot::ClassesRoot, kViewerKey));
  EXPECT_EQ(cad_listings, 0);
  EXPECT_EQ(main.State(), shell::CentralState::Installing);
}

TEST_F(InstallTest, MissingLaterFolderKeepsEarlierStepsAndStopsAtIt) {
  Spanish();
  AddMedium();
  windows.files.DeleteFile("D:\\modelos\\Esp\\item.dat");
  windows.files.RemoveFolder("D:\\modelos\\Esp");
  Run();
  ASSERT_EQ(MessageTexts(), (std::vector<std::string>{
                                "Não existe o diretório D:\\modelos\\Esp\\ no CD. Solicite um novo CD de Instalação"}));
  EXPECT_EQ(backend.messages[0].caption, "Error en la instalación");
  EXPECT_EQ(Content("c:\\geolume\\shared.txt"), "programa\\Esp\\shared.txt");
  EXPECT_FALSE(windows.files.FileExists("c:\\geolume\\special.dll"));
  EXPECT_FALSE(windows.registry.KeyExists(RegistryRoot::ClassesRoot, kViewerKey));
}

TEST_F(InstallTest, AbsentTutorialAndRbmcInstallTheRestSilently) {
  Portuguese();
  AddMedium();
  windows.files.DeleteFile("D:\\tutorial\\Port\\item.dat");
  windows.files.RemoveFolder("D:\\tutorial\\Port");
  windows.files.DeleteFile("D:\\rbmc\\stations.txt");
  windows.files.RemoveFolder("D:\\rbmc");
  Run();
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_FALSE(backend.terminated);
  EXPECT_TRUE(windows.files.FolderExists("c:\\Geolume\\Tutorial"));
  EXPECT_TRUE(windows.files.FolderExists("c:\\Geolume\\rbmc"));
  EXPECT_EQ(Content("c:\\geolume\\special.dll"), "programa\\especial\\special.dll");
  EXPECT_EQ(main.State(), shell::CentralState::CadSetup);
}

TEST_F(InstallTest, RootThatCannotBeMadeIsReportedAndLeavesTheAreaEmpty) {
  Spanish();
  AddMedium();
  windows.files.SetFolderReadOnly("c:\\");
  std::string status_shown;
  backend.on_message = [&](const auto&) { status_shown = main.sb1.SimpleText(); };
  Run();
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_EQ(status_shown, "Creando directotio de instalación");
  EXPECT_EQ(backend.messages[0].text, "Não foi possível criar o diretório de instalação c:\\Geolume.");
  EXPECT_EQ(backend.messages[0].caption, "Error en la instalación");
  EXPECT_FALSE(backend.terminated);
  EXPECT_EQ(cad_listings, 1);
  EXPECT_EQ(main.State(), shell::CentralState::Empty);
  EXPECT_TRUE(windows.processes.Started().empty());
  EXPECT_FALSE(windows.registry.KeyExists(RegistryRoot::ClassesRoot, kViewerKey));
  EXPECT_TRUE(windows.shell.SavedLinks().empty());
}

TEST_F(InstallTest, ReportSettingsNeverSurviveARun) {
  Portuguese();
  AddMedium();
  AddMediumFile("programa\\", "descritivo.cfg");
  Run();
  EXPECT_FALSE(windows.files.FileExists("c:\\geolume\\descritivo.cfg"));
  windows.files.DeleteFile("D:\\programa\\descritivo.cfg");
  windows.files.AddFile("c:\\geolume\\descritivo.cfg", "user", platform::MemoryFileSystem::kDefaultClock,
                        platform::kAttributeReadOnly);
  Run();
  EXPECT_FALSE(windows.files.FileExists("c:\\geolume\\descritivo.cfg"));
}

TEST_F(InstallTest, SecondRunOverAnUnchangedMediumCopiesNothingButRewritesTheRest) {
  Portuguese();
  AddMedium();
  // A file in both programa\ and its language folder is copied twice on every run.
  windows.files.DeleteFile("D:\\programa\\shared.txt");
  Run();
  std::string tree = Tree();
  std::size_t launches = windows.processes.Started().size();
  windows.registry.DeleteKey(RegistryRoot::ClassesRoot, "\\.cad");
  // Any copy below the root would now fail and be reported.
  windows.files.SetFolderReadOnly("c:\\Geolume");
  Run();
  windows.files.SetFolderReadOnly("c:\\Geolume", false);
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_EQ(Tree(), tree);
  EXPECT_EQ(windows.processes.Started().size(), launches);  // no server files on this medium
  EXPECT_TRUE(windows.registry.KeyExists(RegistryRoot::ClassesRoot, "\\.cad"));
  EXPECT_EQ(windows.shell.SavedLinks().size(), 4u);
}

TEST_F(InstallTest, RestartIsNeededOnlyWhenASystemFileWasCopied) {
  Portuguese();
  AddMedium();
  Run();
  EXPECT_TRUE(state.restart_needed);
  state.restart_needed = false;
  Run();  // the system file is now equal
  EXPECT_FALSE(state.restart_needed);
  windows.files.SetFileTime("D:\\sistema\\geo32.dll", platform::MakeDosDateTime(2024, 2, 1, 8, 0, 0));
  windows.files.FailCopyOnce("C:\\windows\\system32\\geo32.dll", 5);
  Run();
  EXPECT_FALSE(state.restart_needed);
}

TEST_F(InstallTest, AttachedRunStartsFromInstalarAfterAcceptance) {
  Portuguese();
  AddMedium();
  shell::AttachInstallation(main, [this] { ++cad_listings; });
  state.agreement_accepted = true;
  main.lblInstalar.Click();
  EXPECT_EQ(cad_listings, 1);
  EXPECT_TRUE(windows.files.FileExists("c:\\geolume\\geolume.exe"));
  EXPECT_EQ(main.State(), shell::CentralState::CadSetup);
}

TEST_F(InstallTest, RegistryFailureEndsTheRunWithTheEarlierStepsDone) {
  Portuguese();
  AddMedium();
  windows.registry.SetUnwritable(RegistryRoot::ClassesRoot, "");
  EXPECT_THROW(Run(), std::runtime_error);
  EXPECT_TRUE(windows.files.FileExists("c:\\geolume\\special.dll"));
  EXPECT_TRUE(windows.shell.SavedLinks().empty());
  EXPECT_EQ(cad_listings, 0);
  EXPECT_EQ(main.State(), shell::CentralState::Installing);
}

}  // namespace
