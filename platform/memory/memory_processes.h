#pragma once
// The process table of the in-memory Windows.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/memory/memory_accounts.h"
#include "platform/processes.h"

namespace platform {

class MemoryFileSystem;

class MemoryProcesses : public Processes {
 public:
  // Records the command line, runs the start callback if any, and succeeds;
  // unless the program file, found in the file system given by
  // ReadProgramsFrom, may not be read and executed by the running account (5)
  // or its manifest asks for elevation the account does not have (740).
  bool StartHidden(const std::string& command_line) override;
  // As StartHidden: the program is taken to have ended at once.
  bool RunHiddenAndWait(const std::string& command_line, std::uint32_t timeout_ms) override;
  std::optional<std::vector<std::string>> RunningExecutables() override;
  std::uint32_t LastError() override { return last_error_; }

  // Programs started run as the account: an elevated administrator at first.
  void RunAs(const MemoryAccount& account) { account_ = account; }
  const MemoryAccount& RunningAs() const { return account_; }
  // Where started programs are looked at. A program not found there (a bare
  // name Windows would search for) starts as before.
  void ReadProgramsFrom(MemoryFileSystem& files) { files_ = &files; }

  // Test helpers.
  void SetRunning(std::vector<std::string> executables);
  void AddRunning(const std::string& executable);
  // While unavailable, RunningExecutables gives nullopt as a failed snapshot does.
  void SetSnapshotAvailable(bool available);
  // The command lines started so far, in order.
  const std::vector<std::string>& Started() const;
  // The command lines Windows refused to start, in order.
  const std::vector<std::string>& Refused() const { return refused_; }
  // Runs on every start, after recording it; lets a test play the started program.
  void OnStart(std::function<void(const std::string& command_line)> callback);

 private:
  std::uint32_t StartError(const std::string& command_line) const;

  std::vector<std::string> running_;
  bool snapshot_available_ = true;
  std::vector<std::string> started_;
  std::vector<std::string> refused_;
  std::function<void(const std::string&)> on_start_;
  MemoryAccount account_ = ElevatedAdministrator();
  MemoryFileSystem* files_ = nullptr;
  std::uint32_t last_error_ = 0;
};

}  // namespace platform
