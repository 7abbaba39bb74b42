#pragma once
// Starting processes and looking at the running ones.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class Processes {
 public:
  virtual ~Processes() = default;
  // Starts the command line with its window hidden and does not wait for it.
  virtual bool StartHidden(const std::string& command_line) = 0;
  // Starts it hidden and waits for it to end, for at most the time given;
  // false when it could not be started or did not end in time.
  virtual bool RunHiddenAndWait(const std::string& command_line, std::uint32_t timeout_ms) = 0;
  // The executable paths (or file names) of the running processes, as a
  // Tool Help snapshot gives them; nullopt when no snapshot can be taken.
  virtual std::optional<std::vector<std::string>> RunningExecutables() = 0;
  // The Windows error of the last start that failed, 0 after one that worked
  // (740 when the program asks for elevation the caller does not have).
  virtual std::uint32_t LastError() = 0;
};

}  // namespace platform
