#pragma once
// Real processes: hidden starts through CreateProcessW and the Tool Help
// snapshot, whose functions are looked up in kernel32 on first use.
#include <memory>

#include "platform/processes.h"

namespace platform {

class Win32Processes : public Processes {
 public:
  Win32Processes();
  ~Win32Processes() override;
  Win32Processes(const Win32Processes&) = delete;
  Win32Processes& operator=(const Win32Processes&) = delete;

  bool StartHidden(const std::string& command_line) override;
  bool RunHiddenAndWait(const std::string& command_line, std::uint32_t timeout_ms) override;
  // The file names of the running processes, as Tool Help records them.
  std::optional<std::vector<std::string>> RunningExecutables() override;
  std::uint32_t LastError() override { return last_error_; }

 private:
  struct ToolHelp;
  const ToolHelp& LookUpToolHelp();

  std::unique_ptr<ToolHelp> tool_help_;
  std::uint32_t last_error_ = 0;
};

}  // namespace platform
