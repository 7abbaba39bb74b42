// Hidden starts and the process snapshot against Wine's processes.
#include "platform/win32/win32_processes.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"
#include "tests/windows/platform/temporary_folder.h"

namespace platform {
namespace {

bool WaitForFile(Win32FileSystem& files, const std::string& path) {
  for (int waited = 0; waited < 20000; waited += 100) {
    if (files.FileExists(path)) return true;
    Sleep(100);
  }
  return false;
}

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

TEST(Win32Processes, SnapshotSeesTheTestProgramItself) {
  wchar_t own_path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, own_path, MAX_PATH);
  std::string own = Narrow(own_path);
  own = Upper(own.substr(own.find_last_of('\\') + 1));

  Win32Processes processes;
  const auto running = processes.RunningExecutables();
  ASSERT_TRUE(running);
  const bool seen = std::any_of(running->begin(), running->end(), [&own](const std::string& path) {
    const auto name = path.substr(path.find_last_of('\\') + 1);
    return Upper(name) == own;
  });
  EXPECT_TRUE(seen) << own;
  EXPECT_TRUE(processes.RunningExecutables());
}

TEST(Win32Processes, StartHiddenRunsTheCommandWithoutWaiting) {
  TemporaryFolder folder;
  Win32FileSystem files;
  Win32Processes processes;
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  const auto marker = folder / "started.txt";
  const auto command = Narrow(system) + "\\cmd.exe /c echo started> \"" + marker + "\"";
  ASSERT_TRUE(processes.StartHidden(command));
  EXPECT_TRUE(WaitForFile(files, marker));
  EXPECT_FALSE(processes.StartHidden(folder / "no such program.exe"));
}

}  // namespace
}  // namespace platform
