#pragma once
// The running program and Windows, as a test sets them up.
#include <map>
#include <vector>

#include "platform/system.h"

namespace platform {

class MemorySystem : public System {
 public:
  std::string ProgramPath() override { return program_path; }
  std::optional<FixedFileVersion> FileVersion(const std::string& path) override;
  std::string SystemFolder() override { return system_folder; }
  std::string WindowsFolder() override { return windows_folder; }
  std::uint32_t PlatformId() override { return platform_id; }
  Point CursorPosition() override { return cursor; }
  void SetCursorPosition(Point point) override { cursor = point; }
  bool RestartWindows(std::uint32_t exit_flags) override;

  std::string program_path = "D:\\Instalar.exe";
  std::string system_folder = "C:\\windows\\system32";
  std::string windows_folder = "C:\\windows";
  std::uint32_t platform_id = kPlatformWin32NT;
  Point cursor;
  // Version information by file path, compared without regard to letter case.
  std::map<std::string, FixedFileVersion> versions;
  // Every restart request, with whether the privilege was adjusted first.
  struct RestartRequest {
    std::uint32_t flags;
    bool privilege_adjusted;
  };
  std::vector<RestartRequest> restarts;
  bool restart_accepted = true;
};

}  // namespace platform
