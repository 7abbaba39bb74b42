#pragma once
// Facts about the running program and Windows itself.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// The file version words of a version resource's fixed file information.
struct FixedFileVersion {
  std::uint32_t most_significant = 0;
  std::uint32_t least_significant = 0;
};

struct Point {
  int x = 0;
  int y = 0;
};

enum : std::uint32_t {
  kPlatformWin32s = 0,
  kPlatformWin32Windows = 1,  // the 9x family
  kPlatformWin32NT = 2,
};

// Who the program runs as, which decides what Windows lets it do.
enum class Account {
  StandardUser,   // also an administrator whose run was not elevated
  Administrator,  // elevated
  SystemAccount,  // LocalSystem, as deployment tools and services run
};

class System {
 public:
  virtual ~System() = default;
  // Full path of the running executable.
  virtual std::string ProgramPath() = 0;
  // nullopt when the file carries no version information.
  virtual std::optional<FixedFileVersion> FileVersion(const std::string& path) = 0;
  virtual std::string SystemFolder() = 0;
  virtual std::string WindowsFolder() = 0;
  virtual std::uint32_t PlatformId() = 0;
  virtual Point CursorPosition() = 0;
  virtual void SetCursorPosition(Point point) = 0;
  // Opens the process token for adjusting and, when that works, enables the
  // shutdown privilege; false when the token could not be opened.
  virtual bool EnableShutdownPrivilege() = 0;
  // ExitWindowsEx with reason 0; true when Windows accepted the request.
  virtual bool RequestExit(std::uint32_t exit_flags) = 0;
  // Microseconds from an arbitrary start, never going back: for pacing work
  // against the display, not for dates.
  virtual std::int64_t MonotonicMicroseconds() = 0;
  // The local date and time as "YYYY-MM-DD HH:MM:SS", for logs.
  virtual std::string LocalTime() = 0;
  // The user's temporary folder, without a trailing "\"; for the system
  // account the one Windows keeps for it alone where there is one.
  virtual std::string TempFolder() = 0;
  virtual Account RunningAccount() = 0;
};

}  // namespace platform
