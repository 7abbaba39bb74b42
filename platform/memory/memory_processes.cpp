#include "platform/memory/memory_processes.h"

namespace platform {

bool MemoryProcesses::StartHidden(const std::string& command_line) {
  started_.push_back(command_line);
  if (on_start_) on_start_(command_line);
  return true;
}

bool MemoryProcesses::RunHiddenAndWait(const std::string& command_line, std::uint32_t) {
  return StartHidden(command_line);
}

std::optional<std::vector<std::string>> MemoryProcesses::RunningExecutables() {
  if (!snapshot_available_) return std::nullopt;
  return running_;
}

void MemoryProcesses::SetRunning(std::vector<std::string> executables) {
  running_ = std::move(executables);
}

void MemoryProcesses::AddRunning(const std::string& executable) { running_.push_back(executable); }

void MemoryProcesses::SetSnapshotAvailable(bool available) { snapshot_available_ = available; }

const std::vector<std::string>& MemoryProcesses::Started() const { return started_; }

void MemoryProcesses::OnStart(std::function<void(const std::string&)> callback) {
  on_start_ = std::move(callback);
}

}  // namespace platform
