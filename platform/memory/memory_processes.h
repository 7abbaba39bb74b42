#pragma once
// The process table of the in-memory Windows.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/processes.h"

namespace platform {

class MemoryProcesses : public Processes {
 public:
  // Records the command line, runs the start callback if any, and succeeds.
  bool StartHidden(const std::string& command_line) override;
  // As StartHidden: the program is taken to have ended at once.
  bool RunHiddenAndWait(const std::string& command_line, std::uint32_t timeout_ms) override;
  std::optional<std::vector<std::string>> RunningExecutables() override;

  // Test helpers.
  void SetRunning(std::vector<std::string> executables);
  void AddRunning(const std::string& executable);
  // While unavailable, RunningExecutables gives nullopt as a failed snapshot does.
  void SetSnapshotAvailable(bool available);
  // The command lines started so far, in order.
  const std::vector<std::string>& Started() const;
  // Runs on every start, after recording it; lets a test play the started program.
  void OnStart(std::function<void(const std::string& command_line)> callback);

 private:
  std::vector<std::string> running_;
  bool snapshot_available_ = true;
  std::vector<std::string> started_;
  std::function<void(const std::string&)> on_start_;
};

}  // namespace platform
