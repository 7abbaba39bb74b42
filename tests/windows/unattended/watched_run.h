#pragma once
// A program run to its end as deployment tools and Windows' logon run it,
// with every window of it that becomes visible noted on the way.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/registry.h"
#include "testing/windows_support/driver.h"

namespace unattended_wine {

constexpr int kRunTimeoutMs = 180000;

// The exit code, or 9999 when it did not end in time; each visible window's
// class and title go to shown.
inline DWORD RunWatched(const std::string& program, const std::string& arguments, std::vector<std::string>& shown) {
  wintest::Process process = wintest::Process::Start(program, arguments);
  DWORD code = 9999;
  wintest::WaitUntil(
      [&] {
        for (HWND window : wintest::VisibleTopWindows(process.Id())) {
          // A window destroyed since the listing has no class any more.
          const std::string window_class = wintest::ClassOf(window);
          if (!window_class.empty()) shown.push_back(window_class + " " + wintest::TextOf(window));
        }
        return process.WaitForExit(0, &code);
      },
      kRunTimeoutMs);
  return code;
}

// A command as it stands in a registry value: a quoted program, then its
// switches.
inline DWORD RunCommandLine(const std::string& command, std::vector<std::string>& shown) {
  if (command.size() < 2 || command[0] != '"') return 9998;
  const std::size_t end = command.find('"', 1);
  if (end == std::string::npos) return 9998;
  const std::string rest = command.substr(end + 1);
  return RunWatched(command.substr(1, end - 1), rest.empty() ? rest : rest.substr(1), shown);
}

// A string value as the tests compare it: "(missing)" when it is not there.
inline std::string TextValue(platform::Registry& registry, platform::RegistryRoot root, const std::string& key,
                             const std::string& name) {
  const auto value = registry.ReadValue(root, key, name);
  return value ? value->text : "(missing)";
}

}  // namespace unattended_wine
