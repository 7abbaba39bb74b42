// Special folders and shell links against Wine's shell.
#include "platform/win32/win32_shell.h"

#include <gtest/gtest.h>

#include "platform/win32/win32_file_system.h"
#include "tests/windows/platform/temporary_folder.h"

namespace platform {
namespace {

TEST(Win32Shell, SpecialFoldersExistAndEndWithoutABackslash) {
  Win32Shell shell;
  Win32FileSystem files;
  for (const int csidl : {kFolderDesktop, kFolderProgramFiles}) {
    const auto path = shell.SpecialFolder(csidl);
    ASSERT_FALSE(path.empty()) << csidl;
    EXPECT_NE(path.back(), '\\');
    EXPECT_TRUE(files.FolderExists(path)) << path;
  }
  // A 32-bit program sees the 32-bit program folder; the 64-bit build, the other one.
  bool x86_folder = shell.SpecialFolder(kFolderProgramFiles).find("(x86)") != std::string::npos;
  EXPECT_EQ(x86_folder, sizeof(void*) == 4);
}

TEST(Win32Shell, LinksSaveAndReadBack) {
  TemporaryFolder folder;
  Win32FileSystem files;
  Win32Shell shell;
  ASSERT_TRUE(files.CreateFolders(folder / "geolume"));
  ASSERT_TRUE(files.WriteFile(folder / "geolume\\geolume.exe", "MZ"));
  ShellLink link;
  link.target = folder / "geolume\\geolume.exe";
  link.working_folder = folder / "geolume\\";
  link.description = "Sistema de Automação Topográfica Geolume";
  link.icon_path = link.target;
  link.icon_index = 0;
  ASSERT_TRUE(files.CreateFolders(folder / "Programas\\Geolume"));
  const auto link_path = folder / "Programas\\Geolume\\Geolume.lnk";

  ASSERT_TRUE(shell.SaveLink(link, link_path));
  EXPECT_TRUE(files.FileExists(link_path));
  const auto read = shell.ReadLink(link_path);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->target, link.target);
  EXPECT_EQ(read->working_folder, link.working_folder);
  EXPECT_EQ(read->description, link.description);
  EXPECT_EQ(read->icon_path, link.icon_path);
  EXPECT_EQ(read->icon_index, 0);

  link.description = "Sistema de Automación Topográfica Geolume";
  ASSERT_TRUE(shell.SaveLink(link, link_path));
  EXPECT_EQ(shell.ReadLink(link_path)->description, link.description);
  EXPECT_FALSE(shell.SaveLink(link, folder / "missing\\Geolume.lnk"));
  EXPECT_EQ(shell.ReadLink(folder / "missing\\Geolume.lnk"), std::nullopt);
}

}  // namespace
}  // namespace platform
