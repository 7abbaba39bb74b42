#include "platform/memory/memory_processes.h"

#include "platform/memory/memory_file_system.h"

namespace platform {
namespace {

constexpr std::uint32_t kErrorElevationRequired = 740;

// The program's path: the first word of the command line, or what its quotes hold.
std::string ProgramOf(const std::string& command_line) {
  const auto start = command_line.find_first_not_of(' ');
  if (start == std::string::npos) return {};
  if (command_line[start] == '"') {
    const auto close = command_line.find('"', start + 1);
    return command_line.substr(start + 1, close == std::string::npos ? std::string::npos : close - start - 1);
  }
  const auto end = command_line.find(' ', start);
  return command_line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

// The manifest is plain XML inside the program's resources, so looking for
// the level in the bytes finds what CreateProcess reads.
std::uint32_t MemoryProcesses::StartError(const std::string& command_line) const {
  if (files_ == nullptr) return 0;
  const auto image = files_->OpenProgram(ProgramOf(command_line), account_);
  if (image.error == kErrorAccessDenied) return image.error;
  if (image.error != 0) return 0;
  const bool asks_elevation = image.bytes.find("level=\"requireAdministrator\"") != std::string::npos;
  return asks_elevation && !account_.Elevated() ? kErrorElevationRequired : 0;
}

bool MemoryProcesses::StartHidden(const std::string& command_line) {
  last_error_ = StartError(command_line);
  if (last_error_ != 0) {
    refused_.push_back(command_line);
    return false;
  }
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
