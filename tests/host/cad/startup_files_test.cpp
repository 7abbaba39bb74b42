// The startup files on a host's search path, the product's own startup
// files and the old menu files, on the in-memory file system.
#include <gtest/gtest.h>

#include "cad/cad_error.h"
#include "cad/cad_messages.h"
#include "cad/old_menu_files.h"
#include "cad/own_startup_files.h"
#include "cad/startup_file_sweep.h"
#include "platform/memory/memory_file_system.h"

namespace {

constexpr char kForeign[] = "(load \"outro.lsp\")\r\n";

TEST(PathListField, FieldsAreTheTextsBetweenSemicolons) {
  EXPECT_EQ(cad::PathListField("A;B; C ", 1), "A");
  EXPECT_EQ(cad::PathListField("A;B; C ", 3), " C ");
  EXPECT_EQ(cad::PathListField("A;B; C ", 4), "");
  EXPECT_EQ(cad::PathListField(";A", 1), "");
  EXPECT_EQ(cad::PathListField("A;;B", 2), "");
  EXPECT_EQ(cad::PathListField("A;;B", 3), "B");
  EXPECT_EQ(cad::PathListField("", 1), "");
  EXPECT_EQ(cad::PathListField("%APPDATA%\\x", 1), "%APPDATA%\\x");
}

TEST(OwnStartupFiles, AreWrittenByteForByte) {
  platform::MemoryFileSystem files;
  files.AddFile("c:\\geolume\\acad.lsp", "old content that is longer than the new one");
  cad::WriteStartupFiles(files);
  EXPECT_EQ(files.ReadFile("c:\\geolume\\acad.lsp"),
            "(DEFUN S::STARTUP()(LOAD \"GEOLUME15.VLX\" \"\")(PRINC))\r\n");
  EXPECT_EQ(files.ReadFile("c:\\geolume\\on_start.lsp"),
            "(DEFUN S::STARTUP()(LOAD \"C:\\\\GEOLUME\\\\GEOLUME15.DES\" \"\")(PRINC))\r\n");
}

// What every configured host runs at start-up only administrators may change.
TEST(OwnStartupFiles, GetTheAccessListThatOnlyAdministratorsMayChange) {
  platform::MemoryFileSystem files;
  files.AddFolder("c:\\geolume");
  std::vector<std::string> unprotected;
  cad::WriteStartupFiles(files, [&](const std::string& path) { unprotected.push_back(path); });
  EXPECT_TRUE(files.Inspect("c:\\geolume\\acad.lsp")->protected_access);
  EXPECT_TRUE(files.Inspect("c:\\geolume\\on_start.lsp")->protected_access);
  EXPECT_TRUE(unprotected.empty());
}

// The per-user set-up at logon runs without administrator rights.
TEST(OwnStartupFiles, AStandardUserLeavesRightFilesAloneAndCannotReplaceOthers) {
  platform::MemoryFileSystem files;
  files.AddFolder("c:\\geolume");
  cad::WriteStartupFiles(files);
  const std::string before = files.Export();
  files.SetStandardUser(true);
  std::vector<std::string> unprotected;
  cad::WriteStartupFiles(files, [&](const std::string& path) { unprotected.push_back(path); });
  EXPECT_EQ(files.Export(), before);
  EXPECT_TRUE(unprotected.empty());

  files.SetStandardUser(false);
  files.WriteFile("c:\\geolume\\acad.lsp", "(load \"malicioso\")");
  files.SetStandardUser(true);
  try {
    cad::WriteStartupFiles(files);
    FAIL() << "a standard user replaced a protected startup file";
  } catch (const cad::CadError& error) {
    EXPECT_NE(std::string(error.what()).find("(error 5)"), std::string::npos) << error.what();
  }
  // A file nobody protected yet cannot be protected by a standard user: said, and the run goes on.
  platform::MemoryFileSystem fresh;
  fresh.AddFolder("c:\\geolume");
  fresh.SetStandardUser(true);
  cad::WriteStartupFiles(fresh, [&](const std::string& path) { unprotected.push_back(path); });
  EXPECT_EQ(unprotected, (std::vector<std::string>{"c:\\geolume\\acad.lsp", "c:\\geolume\\on_start.lsp"}));
  EXPECT_TRUE(fresh.FileExists("c:\\geolume\\on_start.lsp"));
}

TEST(OwnStartupFiles, ThatCannotBeWrittenStopWithAnError) {
  platform::MemoryFileSystem files;
  EXPECT_THROW(cad::WriteStartupFiles(files), cad::CadError);
  files.AddFile("c:\\geolume\\on_start.lsp", "");
  files.HoldOpen("c:\\geolume\\on_start.lsp", platform::FileSharing::Read);
  EXPECT_THROW(cad::WriteStartupFiles(files), cad::CadError);
  EXPECT_TRUE(files.FileExists("c:\\geolume\\acad.lsp"));
}

TEST(IsOwnStartupFile, RecognisesTheAcadLineWhateverItsCaseSpacingAndBreaks) {
  platform::MemoryFileSystem files;
  files.AddFile("d:\\a\\acad.lsp", "(defun s::startup ()\n  (load \"geolume15.vlx\" \"\")\r\n (princ))");
  files.AddFile("d:\\b\\acad.lsp", "(DEFUN S::STARTUP()(LOAD \"GEOLUME15.VLX\" \"\")(PRINC))\r\n");
  files.AddFile("d:\\c\\acad.lsp", "(DEFUN S::STARTUP()(LOAD \"GEOLUME15.VLX\" \"\")(PRINC))\t");
  files.AddFile("d:\\d\\on_start.lsp", cad::kOnStartStartupText);
  EXPECT_TRUE(cad::IsOwnStartupFile(files, "d:\\a\\acad.lsp"));
  EXPECT_TRUE(cad::IsOwnStartupFile(files, "d:\\b\\acad.lsp"));
  EXPECT_FALSE(cad::IsOwnStartupFile(files, "d:\\c\\acad.lsp"));
  EXPECT_FALSE(cad::IsOwnStartupFile(files, "d:\\d\\on_start.lsp"));
  EXPECT_FALSE(cad::IsOwnStartupFile(files, "d:\\none\\acad.lsp"));
  files.HoldOpen("d:\\a\\acad.lsp", platform::FileSharing::None);
  EXPECT_THROW(cad::IsOwnStartupFile(files, "d:\\a\\acad.lsp"), cad::CadError);
}

class StartupFileSweep : public ::testing::Test {
 protected:
  bool Sweep(const std::string& search_path, const std::string& name = "acad.lsp") {
    return cad::SetAsideStartupFile(files, search_path, name,
                                    [this](const std::string& text) { shown.push_back(text); });
  }
  platform::MemoryFileSystem files;
  std::vector<std::string> shown;
};

TEST_F(StartupFileSweep, DeletesOwnFilesAndRenamesForeignOnesToTheFirstFreeName) {
  files.AddFile("c:\\geolume\\acad.lsp", "anything");
  files.AddFile("d:\\copia\\acad.lsp", cad::kAcadStartupText);
  files.AddFile("d:\\suporte\\acad.lsp", kForeign);
  files.AddFile("d:\\suporte\\acad-Renomeado-pelo-Geolume-1.lsp", "earlier");
  files.AddFolder("d:\\vazio");
  EXPECT_TRUE(Sweep("c:\\GEOLUME;d:\\vazio;d:\\copia;D:\\Suporte"));
  EXPECT_FALSE(files.FileExists("c:\\geolume\\acad.lsp"));
  EXPECT_FALSE(files.FileExists("d:\\copia\\acad.lsp"));
  EXPECT_FALSE(files.FileExists("d:\\suporte\\acad.lsp"));
  EXPECT_EQ(files.ReadFile("d:\\suporte\\acad-Renomeado-pelo-Geolume-2.lsp"), kForeign);
  EXPECT_EQ(files.ReadFile("d:\\suporte\\acad-Renomeado-pelo-Geolume-1.lsp"), "earlier");
  EXPECT_TRUE(shown.empty());
}

TEST_F(StartupFileSweep, RootWithATrailingBackslashIsJudgedByContentOnly) {
  files.AddFile("c:\\geolume\\acad.lsp", kForeign);
  EXPECT_TRUE(Sweep("c:\\geolume\\"));
  EXPECT_EQ(files.ReadFile("c:\\geolume\\acad-Renomeado-pelo-Geolume-1.lsp"), kForeign);

  files.AddFile("c:\\geolume\\acad.lsp", cad::kAcadStartupText);
  EXPECT_TRUE(Sweep("c:\\geolume\\"));
  EXPECT_FALSE(files.FileExists("c:\\geolume\\acad.lsp"));
  EXPECT_FALSE(files.FileExists("c:\\geolume\\acad-Renomeado-pelo-Geolume-2.lsp"));
}

TEST_F(StartupFileSweep, StopsAtTheFirstEmptyFieldAndAfterFortyNineFolders) {
  files.AddFile("d:\\a\\acad.lsp", kForeign);
  files.AddFile("d:\\b\\acad.lsp", kForeign);
  EXPECT_TRUE(Sweep(";d:\\a;d:\\b"));
  EXPECT_TRUE(Sweep("d:\\a;;d:\\b"));
  EXPECT_FALSE(files.FileExists("d:\\a\\acad.lsp"));
  EXPECT_TRUE(files.FileExists("d:\\b\\acad.lsp"));

  std::string fifty;
  for (int folder = 1; folder <= 50; ++folder) {
    const std::string name = "d:\\f" + std::to_string(folder);
    files.AddFile(name + "\\on_start.lsp", kForeign);
    fifty += name + ";";
  }
  EXPECT_TRUE(Sweep(fifty, "on_start.lsp"));
  EXPECT_TRUE(files.FileExists("d:\\f49\\on_start-Renomeado-pelo-Geolume-1.lsp"));
  EXPECT_TRUE(files.FileExists("d:\\f50\\on_start.lsp"));
}

TEST_F(StartupFileSweep, FileThatCannotGoIsReportedAndTheSweepGoesOn) {
  for (int k = 1; k <= 50; ++k) {
    files.AddFile("d:\\cheio\\acad-Renomeado-pelo-Geolume-" + std::to_string(k) + ".lsp", "");
  }
  files.AddFile("d:\\cheio\\acad.lsp", kForeign);
  files.AddFile("d:\\protegida\\acad.lsp", kForeign);
  files.SetFolderReadOnly("d:\\protegida");
  files.AddFile("d:\\livre\\acad.lsp", kForeign);
  EXPECT_FALSE(Sweep("d:\\cheio;d:\\protegida;d:\\livre"));
  EXPECT_EQ(files.ReadFile("d:\\cheio\\acad.lsp"), kForeign);
  EXPECT_EQ(files.ReadFile("d:\\cheio\\acad-Renomeado-pelo-Geolume-50.lsp"), "");
  EXPECT_TRUE(files.FileExists("d:\\protegida\\acad.lsp"));
  EXPECT_TRUE(files.FileExists("d:\\livre\\acad-Renomeado-pelo-Geolume-1.lsp"));
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0],
            "Não foi possível renonear o arquivo d:\\cheio\\acad.lsp\rPor favor renomeie ou apague o "
            "arquivo manualmente.");
  EXPECT_EQ(shown[1], cad::messages::kStartupFileNotMoved + std::string("d:\\protegida\\acad.lsp") +
                         cad::messages::kMoveItManually);
}

TEST(OldMenuFiles, AllThirteenGoAndNothingElseEvenWhenOneCannot) {
  platform::MemoryFileSystem files;
  const std::vector<std::string> menus = {
      "geolume.mns",    "geolume.mnr",    "geolume.mnc",    "geolume.cuix",   "GEOLUME.CUI",
      "geolumeesp.mns", "geolumeesp.mnr", "geolumeesp.mnc", "geolumeesp.cuix", "geolumeeng.mns",
      "geolumeeng.mnr", "geolumeeng.mnc", "geolumeeng.cuix"};
  const std::vector<std::string> others = {"geolumeesp.cui", "geolumeeng.cui", "geolume.mnu",
                                           "geolume.mnl", "geolume15.vlx"};
  for (const auto& menu : menus) files.AddFile("c:\\geolume\\" + menu, "menu");
  for (const auto& other : others) files.AddFile("c:\\geolume\\" + other, "kept");
  files.HoldOpen("c:\\geolume\\geolume.mns", platform::FileSharing::Read);
  cad::DeleteOldMenuFiles(files, "c:\\geolume");
  EXPECT_TRUE(files.FileExists("c:\\geolume\\geolume.mns"));
  for (size_t i = 1; i < menus.size(); ++i) {
    EXPECT_FALSE(files.FileExists("c:\\geolume\\" + menus[i])) << menus[i];
  }
  for (const auto& other : others) EXPECT_TRUE(files.FileExists("c:\\geolume\\" + other)) << other;
}

}  // namespace
