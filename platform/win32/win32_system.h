#pragma once
#include <string>
#include <vector>

#include "platform/system.h"

namespace platform {

class Win32System : public System {
 public:
  std::string ProgramPath() override;
  std::optional<FixedFileVersion> FileVersion(const std::string& path) override;
  std::string SystemFolder() override;
  std::string WindowsFolder() override;
  std::uint32_t PlatformId() override;
  Point CursorPosition() override;
  void SetCursorPosition(Point point) override;
  bool EnableShutdownPrivilege() override;
  bool RequestExit(std::uint32_t exit_flags) override;
  std::int64_t MonotonicMicroseconds() override;
  std::string LocalTime() override;
  std::string TempFolder() override;
  Account RunningAccount() override;
};

// Before any other DLL is loaded: take DLLs only from the system folder, so a
// DLL planted beside the program on the medium is never loaded elevated.
void RestrictDllSearchToSystemFolder();

// The program's command line split as Windows splits it, without the
// program's own name.
std::vector<std::string> CommandLineArguments();

}  // namespace platform
