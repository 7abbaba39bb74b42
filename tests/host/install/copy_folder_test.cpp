#include <map>
#include <string>
#include <vector>

#include "install/copy_folder.h"
#include "install/file_comparison.h"
#include "install/source_listing.h"
#include "platform/memory/memory_file_system.h"
#include "tests/host/install/install_fixture.h"

namespace {

using install::CopyFolder;
using install::CopyRule;
using install_testing::InstallTest;
using platform::MakeDosDateTime;

constexpr char kSource[] = "D:\\programa\\";
constexpr char kRoot[] = "c:\\Geolume";

const std::uint32_t kOld = MakeDosDateTime(2020, 5, 1, 10, 0, 0);
const std::uint32_t kNew = MakeDosDateTime(2023, 5, 1, 10, 0, 0);

class CopyFolderTest : public InstallTest {
 protected:
  void SetUp() override {
    InstallTest::SetUp();
    Portuguese();
    windows.files.AddFolder(kRoot);
  }

  int Copy(CopyRule rule = CopyRule::None) { return CopyFolder(Context(), kSource, kRoot, rule); }

  std::uint32_t Attributes(const std::string& path) { return *windows.files.GetAttributes(path); }
};

TEST(SourceListingTest, SortsLikeWindowsWithFoldersInBrackets) {
  platform::MemoryFileSystem files;
  files.AddFile("D:\\m\\b.txt", "");
  files.AddFile("D:\\m\\A.txt", "");
  files.AddFile("D:\\m\\1.txt", "");
  files.AddFile("D:\\m\\_x.txt", "");
  files.AddFolder("D:\\m\\Sub");
  files.AddFile("D:\\m\\Águia.txt", "");
  EXPECT_EQ(install::SourceListing(files, "D:\\m\\"),
            (std::vector<std::string>{"[..]", "[.]", "[Sub]", "_x.txt", "1.txt", "A.txt", "b.txt",
                                      "Águia.txt"}));
  EXPECT_FALSE(install::SourceListing(files, "D:\\none\\").has_value());
}

TEST(SourceListingTest, GreekAndCyrillicLettersSortWithoutRegardToCase) {
  platform::MemoryFileSystem files;
  for (const char* name : {"Ωmega.txt", "βeta.txt", "Αlpha.txt", "яблоко.txt", "Дом.txt"}) {
    files.AddFile(std::string("D:\\m\\") + name, "");
  }
  EXPECT_EQ(install::SourceListing(files, "D:\\m\\"),
            (std::vector<std::string>{"[..]", "[.]", "Αlpha.txt", "βeta.txt", "Ωmega.txt", "Дом.txt", "яблоко.txt"}));
}

TEST_F(CopyFolderTest, ProgressStepsThroughEveryEntryAndOnlyFilesAreCopied) {
  windows.files.AddFile("D:\\programa\\b.dat", "b");
  windows.files.AddFile("D:\\programa\\a.dat", "a");
  windows.files.AddFolder("D:\\programa\\Port");
  std::vector<std::string> shown;
  std::vector<int> positions;
  windows.files.FailCopyOnce("c:\\Geolume\\b.dat", 5);
  backend.on_message = [&](const auto&) {
    shown.push_back(main.Labeltext.Caption() + "|" + main.Label24.Caption());
    positions.push_back(main.pb1.Position());
  };
  EXPECT_EQ(Copy(), 1);
  EXPECT_EQ(main.pb1.Min(), 0);
  EXPECT_EQ(main.pb1.Max(), 4);  // [..], [.], [Port], a.dat, b.dat
  EXPECT_EQ(main.pb1.Position(), 4);
  EXPECT_EQ(shown, (std::vector<std::string>{" De: D:\\programa\\b.dat| Para: c:\\Geolume\\b.dat"}));
  EXPECT_EQ(positions, (std::vector<int>{4}));
  EXPECT_EQ(backend.messages[0].text, "Erro 5 ao copiar o arquivo D:\\programa\\b.dat para c:\\Geolume\\b.dat.");
  EXPECT_EQ(Content("c:\\geolume\\a.dat"), "a");
  EXPECT_FALSE(windows.files.FileExists("c:\\geolume\\b.dat"));  // no retry but for error 32
  EXPECT_FALSE(windows.files.FolderExists("c:\\Geolume\\Port"));
  EXPECT_EQ(backend.responsive_calls, 2);
}

TEST_F(CopyFolderTest, EqualFilesAreNotCopiedButTheirAttributesAreReset) {
  windows.files.AddFile("D:\\programa\\same.dat", "medium", kOld);
  windows.files.AddFile("c:\\Geolume\\same.dat", "MEDIUM", kOld, platform::kAttributeHidden);
  windows.files.AddFile("D:\\programa\\longer.dat", "medium!", kOld);
  windows.files.AddFile("c:\\Geolume\\longer.dat", "MEDIUM", kOld);
  EXPECT_EQ(Copy(), 1);
  EXPECT_EQ(Content("c:\\Geolume\\same.dat"), "MEDIUM");  // same time and size: left alone
  EXPECT_EQ(Content("c:\\Geolume\\longer.dat"), "medium!");
  EXPECT_EQ(Attributes("c:\\Geolume\\same.dat"), platform::kAttributeNormal);
  EXPECT_TRUE(backend.messages.empty());
}

TEST_F(CopyFolderTest, KeepNewerLeavesNewerTargetsUntouched) {
  windows.files.AddFile("D:\\programa\\zz_newer.dat", "medium", kOld);
  windows.files.AddFile("c:\\Geolume\\zz_newer.dat", "user", kNew, platform::kAttributeReadOnly);
  windows.files.AddFile("D:\\programa\\older.dat", "medium", kNew);
  windows.files.AddFile("c:\\Geolume\\older.dat", "user", kOld);
  windows.files.AddFile("D:\\programa\\same.dat", "medium", kOld);
  windows.files.AddFile("c:\\Geolume\\same.dat", "user!!", kOld);
  EXPECT_EQ(Copy(CopyRule::KeepNewer), 1);
  EXPECT_EQ(Content("c:\\Geolume\\zz_newer.dat"), "user");
  EXPECT_EQ(Attributes("c:\\Geolume\\zz_newer.dat"), platform::kAttributeReadOnly);
  EXPECT_EQ(Content("c:\\Geolume\\older.dat"), "medium");
  EXPECT_EQ(Content("c:\\Geolume\\same.dat"), "user!!");  // equally old and as large: equal
  // The newer target, last in the listing, does not show on the labels.
  EXPECT_EQ(main.Labeltext.Caption(), " De: D:\\programa\\same.dat");
  EXPECT_EQ(backend.responsive_calls, 2);
  // Without the rule the newer target is overwritten.
  EXPECT_EQ(Copy(), 1);
  EXPECT_EQ(Content("c:\\Geolume\\zz_newer.dat"), "medium");
}

// A user can give any file the medium's size and time, and own what he put there before.
TEST_F(CopyFolderTest, ACodeFileStaysOnlyWithTheMediumsBytesAndTheAdministratorsListElseItIsReplaced) {
  windows.files.AddFile("D:\\programa\\forged.dll", "medium", kOld);
  windows.files.AddFile("c:\\Geolume\\forged.dll", "MEDIUM", kOld);
  windows.files.AddFile("D:\\programa\\open.vlx", "same", kOld);
  windows.files.AddFile("c:\\Geolume\\open.vlx", "same", kOld);
  windows.files.AddFile("D:\\programa\\kept.fas", "same", kOld);
  windows.files.AddFile("c:\\Geolume\\kept.fas", "same", kOld);
  ASSERT_TRUE(windows.files.SetAccess("c:\\Geolume\\kept.fas", platform::kProtectedFileAccess));
  windows.files.calls.clear();
  EXPECT_EQ(Copy(), 2);
  EXPECT_EQ(Content("c:\\Geolume\\forged.dll"), "medium");
  for (const char* path : {"c:\\Geolume\\forged.dll", "c:\\Geolume\\open.vlx", "c:\\Geolume\\kept.fas"}) {
    const auto access = windows.files.AccessOf(path);
    ASSERT_TRUE(access) << path;
    EXPECT_TRUE(access->OnlyAdministratorsMayChange()) << path;
  }
  // Each replaced under a new name renamed over the old one: nothing written into it.
  EXPECT_EQ(windows.files.calls["ReplaceFile"], 2);
  EXPECT_EQ(windows.files.calls["CopyFile"], 0);
  EXPECT_FALSE(windows.files.FileExists("c:\\Geolume\\forged.dll.novo"));
  EXPECT_TRUE(backend.messages.empty());
}

TEST_F(CopyFolderTest, KeepNewerKeepsANewerCodeFileOnlyWhenAdministratorsAloneMayChangeIt) {
  windows.files.AddFile("D:\\programa\\users.dll", "medium", kOld);
  windows.files.AddFile("c:\\Geolume\\users.dll", "user", kNew);
  windows.files.AddFile("D:\\programa\\theirs.dll", "medium", kOld);
  windows.files.AddFile("c:\\Geolume\\theirs.dll", "admin", kNew);
  ASSERT_TRUE(windows.files.SetAccess("c:\\Geolume\\theirs.dll", platform::kProtectedFileAccess));
  EXPECT_EQ(Copy(CopyRule::KeepNewer), 1);
  EXPECT_EQ(Content("c:\\Geolume\\users.dll"), "medium");
  EXPECT_EQ(Content("c:\\Geolume\\theirs.dll"), "admin");
}

TEST_F(CopyFolderTest, PreservedTablesAreKeptWhenPresentAndInstalledWhenAbsent) {
  windows.files.AddFile("D:\\programa\\TabelaPessoasGeorreferenciamento.tbp", "empty", kNew);
  windows.files.AddFile("D:\\programa\\TabelaProfissionaisGeorreferenciamento.tbp", "empty", kNew);
  windows.files.AddFile("c:\\geolume\\tabelapessoasgeorreferenciamento.TBP", "filled", kOld);
  EXPECT_EQ(Copy(), 1);
  EXPECT_EQ(Content("c:\\Geolume\\TabelaPessoasGeorreferenciamento.tbp"), "filled");
  EXPECT_EQ(Content("c:\\Geolume\\TabelaProfissionaisGeorreferenciamento.tbp"), "empty");
  EXPECT_TRUE(install::IsPreservedTable("c:\\GEOLUME\\TabelaVerticesUtilizadosGeorreferenciamento.tbp"));
  EXPECT_TRUE(install::IsPreservedTable("C:\\geolume\\TabelaEquipamentosGeorreferenciamento.tbp"));
  EXPECT_FALSE(install::IsPreservedTable("c:\\Geolume\\Demos\\TabelaPessoasGeorreferenciamento.tbp"));
}

TEST_F(CopyFolderTest, ReportsAreMadeWritableForTheCopyAndReadOnlyAgain) {
  windows.files.AddFile("D:\\programa\\laudo.rtf", "new", kNew);
  windows.files.AddFile("c:\\Geolume\\laudo.rtf", "old", kOld, platform::kAttributeReadOnly);
  EXPECT_EQ(Copy(CopyRule::ReadOnly), 1);
  EXPECT_EQ(Content("c:\\Geolume\\laudo.rtf"), "new");
  EXPECT_EQ(Attributes("c:\\Geolume\\laudo.rtf"), platform::kAttributeReadOnly);
  EXPECT_EQ(Copy(CopyRule::ReadOnly), 0);
  EXPECT_EQ(Attributes("c:\\Geolume\\laudo.rtf"), platform::kAttributeReadOnly);
  EXPECT_TRUE(backend.messages.empty());
}

TEST_F(CopyFolderTest, HiddenAndSystemFilesEndNormal) {
  windows.files.AddFile("D:\\programa\\hidden.ini", "h", kOld, platform::kAttributeHidden);
  windows.files.AddFile("D:\\programa\\system.sys", "s", kOld,
                        platform::kAttributeSystem | platform::kAttributeHidden);
  windows.files.AddFile("c:\\Geolume\\system.sys", "old", kNew, platform::kAttributeSystem | platform::kAttributeHidden);
  EXPECT_EQ(Copy(), 2);
  EXPECT_EQ(Attributes("c:\\Geolume\\hidden.ini"), platform::kAttributeNormal);
  EXPECT_EQ(Attributes("c:\\Geolume\\system.sys"), platform::kAttributeNormal);
  EXPECT_EQ(Content("c:\\Geolume\\system.sys"), "s");
}

TEST_F(CopyFolderTest, TargetHeldOpenIsReportedAndKeepsItsContent) {
  windows.files.AddFile("D:\\programa\\a.exe", "new", kNew);
  windows.files.AddFile("D:\\programa\\b.exe", "new", kNew);
  windows.files.AddFile("c:\\Geolume\\a.exe", "old", kOld);
  windows.files.HoldOpen("c:\\Geolume\\a.exe", platform::FileSharing::Read);
  EXPECT_EQ(Copy(), 1);
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{
                                "Erro ao copiar o arquivo D:\\programa\\a.exe para c:\\Geolume\\a.exe."}));
  EXPECT_EQ(backend.messages[0].caption, "Erro na Instalação");
  EXPECT_FALSE(backend.messages[0].owned);
  EXPECT_EQ(Content("c:\\Geolume\\a.exe"), "old");
  EXPECT_EQ(Content("c:\\Geolume\\b.exe"), "new");
}

TEST_F(CopyFolderTest, SharingViolationAddsTheHintAndRetriesOnceAfterTheBox) {
  windows.files.AddFile("D:\\programa\\a.dat", "new", kNew);
  windows.files.FailCopyOnce("c:\\Geolume\\a.dat", platform::kErrorSharingViolation);
  bool copied_before_box_closed = true;
  backend.on_message = [&](const auto&) { copied_before_box_closed = windows.files.FileExists("c:\\Geolume\\a.dat"); };
  EXPECT_EQ(Copy(), 1);
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_EQ(backend.messages[0].text,
            "Erro 32 ao copiar o arquivo D:\\programa\\a.dat para c:\\Geolume\\a.dat.\rProvavelmente este "
            "arquivo está sendo utilizado por outro programa. Feche todos os arquivos e programas do "
            "Sistema Geolume e do Autocad.");
  EXPECT_FALSE(copied_before_box_closed);
  EXPECT_EQ(Content("c:\\Geolume\\a.dat"), "new");
}

TEST_F(CopyFolderTest, OtherCopyErrorsAreNotRetriedAndSpeakSpanish) {
  main.lblEspanholClick();
  windows.files.AddFile("D:\\programa\\a.dat", "new", kNew);
  windows.files.FailCopyOnce("c:\\Geolume\\a.dat", platform::kErrorAccessDenied);
  EXPECT_EQ(Copy(), 0);
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{
                                "Error 5 al copiar el archivo D:\\programa\\a.dat para c:\\Geolume\\a.dat. "}));
  EXPECT_EQ(backend.messages[0].caption, "Error en la instalación");
  EXPECT_FALSE(windows.files.FileExists("c:\\Geolume\\a.dat"));
}

// Under Windows every question about a file is a trip to the file system, and
// one about a name that is not there searches the whole folder.
TEST_F(CopyFolderTest, EachFactAboutAFileIsAskedOnce) {
  for (const char* name : {"a.dat", "b.dat", "c.dat"}) windows.files.AddFile(std::string(kSource) + name, name, kOld);
  auto& calls = windows.files.calls;
  calls.clear();
  EXPECT_EQ(Copy(), 3);
  // Both folders listed once; each file copied onto its new name and given its attributes.
  EXPECT_EQ(calls, (std::map<std::string, int>{{"ListFolder", 2}, {"CopyNewFile", 3}, {"SetAttributes", 3}}));
  windows.files.SetAttributes("c:\\Geolume\\b.dat", platform::kAttributeHidden);
  calls.clear();
  EXPECT_EQ(Copy(), 0);
  // Over equal files: each target looked at once and both stamps read; only
  // the hidden one needs its attributes set.
  EXPECT_EQ(calls, (std::map<std::string, int>{
                       {"ListFolder", 2}, {"GetAttributes", 3}, {"ReadStamp", 6}, {"SetAttributes", 1}}));
  EXPECT_EQ(Attributes("c:\\Geolume\\b.dat"), platform::kAttributeNormal);
  EXPECT_TRUE(backend.messages.empty());
}

TEST_F(CopyFolderTest, ANameThatTurnsUpDuringTheStepIsTreatedAsAnyTarget) {
  // The folder's entry "[Sub]" names the file "[Sub]" too, which the step
  // then meets a second time: by then it is there.
  windows.files.AddFolder("D:\\programa\\Sub");
  windows.files.AddFile("D:\\programa\\[Sub]", "file", kOld);
  windows.files.AddFile("D:\\programa\\new.dll", "new", kNew);
  windows.files.AddFile("c:\\Geolume\\NEW.DLL", "old", kOld, platform::kAttributeReadOnly);
  EXPECT_EQ(Copy(), 2);
  EXPECT_EQ(Content("c:\\Geolume\\[Sub]"), "file");
  EXPECT_EQ(Attributes("c:\\Geolume\\[Sub]"), platform::kAttributeNormal);
  EXPECT_FALSE(windows.files.FolderExists("c:\\Geolume\\Sub"));
  EXPECT_EQ(Content("c:\\Geolume\\new.dll"), "new");
  EXPECT_TRUE(backend.messages.empty());
}

}  // namespace
