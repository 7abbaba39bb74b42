#pragma once
// The running program and Windows, as a test sets them up.
#include <map>
#include <string>
#include <vector>

#include "platform/memory/memory_accounts.h"
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
  bool EnableShutdownPrivilege() override {
    calls.push_back("EnableShutdownPrivilege");
    return token_opens;
  }
  bool RequestExit(std::uint32_t exit_flags) override {
    calls.push_back("RequestExit " + std::to_string(exit_flags));
    return exit_accepted;
  }
  // Each reading returns the clock and then moves it on by the step, so that
  // work which reads the clock also makes time pass.
  std::int64_t MonotonicMicroseconds() override {
    std::int64_t now = monotonic_microseconds;
    monotonic_microseconds += microseconds_per_reading;
    return now;
  }
  std::string LocalTime() override { return local_time; }
  std::string TempFolder() override { return temp_folder; }
  Account RunningAccount() override { return account; }
  void RunAs(const MemoryAccount& running) { account = running.kind; }

  std::string program_path = "D:\\Instalar.exe";
  Account account = Account::Administrator;
  std::string system_folder = "C:\\windows\\system32";
  std::string windows_folder = "C:\\windows";
  std::uint32_t platform_id = kPlatformWin32NT;
  Point cursor;
  std::string local_time = "2026-03-02 08:30:00";
  std::string temp_folder = "C:\\Users\\Usuario\\AppData\\Local\\Temp";
  // Version information by file path, compared without regard to letter case.
  std::map<std::string, FixedFileVersion> versions;
  // The privilege and exit requests, in order.
  std::vector<std::string> calls;
  bool token_opens = true;
  bool exit_accepted = true;
  std::int64_t monotonic_microseconds = 0;
  std::int64_t microseconds_per_reading = 0;
};

}  // namespace platform
