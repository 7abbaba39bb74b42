// Special folders and shell links against Wine's shell.
#include "platform/win32/win32_shell.h"

#include <gtest/gtest.h>

#include "platform/win32/win32_file_system.h"

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

}  // namespace
}  // namespace platform
