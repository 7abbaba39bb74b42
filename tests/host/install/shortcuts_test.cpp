#include <string>
#include <vector>

#include "install/shortcuts.h"
#include "tests/host/install/install_fixture.h"

namespace {

using install_testing::InstallTest;

constexpr char kGroup[] = "C:\\Program Files (x86)\\Sistema Topográfico Geolume";
constexpr char kDesktop[] = "C:\\Users\\Usuario\\Desktop";

class ShortcutsTest : public InstallTest {
 protected:
  std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : windows.files.ListFolder(folder).value_or(std::vector<platform::DirectoryEntry>{})) {
      if (!entry.is_folder) names.push_back(entry.name);
    }
    return names;
  }
};

TEST_F(ShortcutsTest, RunLeavesOneLinkInTheGroupAndOneOnTheDesktop) {
  Portuguese();
  AddMedium();
  windows.files.AddFile(std::string(kDesktop) + "\\Geolume 1.0.lnk", "");
  windows.files.AddFile(std::string(kDesktop) + "\\Geolume 2004.lnk", "");
  windows.files.AddFile(std::string(kDesktop) + "\\notes.txt", "");
  Run();
  Spanish();
  Run();
  // Beside the shortcut, the uninstaller, its record and the logon program.
  EXPECT_EQ(Names(kGroup), (std::vector<std::string>{"ConfigurarCAD.exe", "Desinstalar.exe", "Desinstalar.txt",
                                                     "Geolume.lnk"}));
  EXPECT_EQ(Names(kDesktop), (std::vector<std::string>{"Geolume.lnk", "notes.txt"}));
  for (const std::string folder : {kGroup, kDesktop}) {
    auto link = windows.shell.ReadLink(folder + "\\Geolume.lnk");
    ASSERT_TRUE(link) << folder;
    EXPECT_EQ(link->target, "c:\\geolume\\geolume.exe");
    EXPECT_EQ(link->working_folder, "c:\\geolume\\");
    EXPECT_EQ(link->icon_path, "c:\\geolume\\geolume.exe");
    EXPECT_EQ(link->icon_index, 0);
    EXPECT_EQ(link->description, "Sistema de Automación Topográfica Geolume");
  }
}

TEST_F(ShortcutsTest, GroupHoldingOnlyAnOldLinkIsRemoved) {
  windows.files.AddFile(std::string(kGroup) + "\\Geolume 2000.lnk", "");
  install::RemoveOldShortcuts(windows.files, windows.shell);
  EXPECT_FALSE(windows.files.FolderExists(kGroup));
  EXPECT_TRUE(windows.files.FolderExists(kDesktop));
}

TEST_F(ShortcutsTest, GroupHoldingOtherFilesKeepsThem) {
  for (const char* name : {"Geolume 1.0.lnk", "Geolume 1.1.lnk", "Geolume 2000.lnk", "Geolume 2004.lnk",
                           "Geolume 2010.lnk", "Leia-me.txt"}) {
    windows.files.AddFile(std::string(kGroup) + "\\" + name, "");
  }
  install::RemoveOldShortcuts(windows.files, windows.shell);
  EXPECT_EQ(Names(kGroup), (std::vector<std::string>{"Geolume 2010.lnk", "Leia-me.txt"}));
}

TEST_F(ShortcutsTest, LinkFieldsAreTrimmedAndLowerCased) {
  install::CreateShortcut(windows.files, windows.shell, "  C:\\GeoLume\\Geolume.EXE ", std::nullopt,
                          "Sistema de Automação Topográfica Geolume", "Geolume");
  auto link = windows.shell.ReadLink(std::string(kDesktop) + "\\Geolume.lnk");
  ASSERT_TRUE(link);
  EXPECT_EQ(link->target, "c:\\geolume\\geolume.exe");
  EXPECT_EQ(link->working_folder, "c:\\geolume\\");
  EXPECT_EQ(link->description, "Sistema de Automação Topográfica Geolume");
}

TEST_F(ShortcutsTest, MissingSpecialFolderOrLinkObjectEndsTheRun) {
  windows.shell.SetSpecialFolder(platform::kFolderDesktop, "");
  EXPECT_EQ(install::GetSpecialFolder(windows.shell, platform::kFolderDesktop), "");
  EXPECT_THROW(install::RemoveOldShortcuts(windows.files, windows.shell), std::runtime_error);
  EXPECT_THROW(install::CreateShortcut(windows.files, windows.shell, install::kMainProgram, std::nullopt,
                                       "x", "Geolume"),
               std::runtime_error);
  EXPECT_FALSE(windows.files.FolderExists("c:\\Sistema Topográfico Geolume"));
  windows.shell.SetLinkCreationFails(true);
  EXPECT_THROW(install::CreateShortcut(windows.files, windows.shell, install::kMainProgram,
                                       std::string(install::kProgramGroup), "x", "Geolume"),
               std::runtime_error);
}

}  // namespace
