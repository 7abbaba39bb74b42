// The platform contracts run against the in-memory Windows.
#include "platform/memory/memory_accounts.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_processes.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/memory_shell.h"
#include "tests/contract/file_system_contract.h"
#include "tests/contract/guard_contract.h"
#include "tests/contract/processes_contract.h"
#include "tests/contract/registry_contract.h"
#include "tests/contract/shell_contract.h"

namespace platform::contract {
namespace {

constexpr char kRoot[] = "c:\\Contrato";

class MemoryFileSystemEnvironment {
 public:
  MemoryFileSystemEnvironment() { files_.AddFolder(kRoot); }
  FileSystem& files() { return files_; }
  std::string root() { return kRoot; }
  void SetLocalWriteTime(const std::string& path, const LocalTime& time) {
    files_.SetFileTime(path, MakeDosDateTime(time.year, time.month, time.day, time.hour,
                                             time.minute, time.second));
  }
  void HoldOpen(const std::string& path, OtherOpen sharing) {
    files_.HoldOpen(path, sharing == OtherOpen::SharingRead ? FileSharing::Read : FileSharing::None);
  }
  void Release(const std::string& path) { files_.Release(path); }
  bool UnderWine() { return false; }
  // Made by a standard user, as the attack would.
  void MakeSecondName(const std::string& existing, const std::string& name) {
    ASSERT_TRUE(files_.AddHardLink(name, existing, StandardUser())) << files_.LastError();
  }

 private:
  MemoryFileSystem files_;
};

class MemoryRegistryEnvironment {
 public:
  Registry& registry() { return registry_; }
  std::string root() { return "Software\\GeolumeTests"; }
  void SetExpandString(const std::string& key, const std::string& name, const std::string& text) {
    registry_.SetExpandString(RegistryRoot::CurrentUser, key, name, text);
  }
  void SetBinary(const std::string& key, const std::string& name,
                 const std::vector<std::uint8_t>& bytes) {
    registry_.SetBinary(RegistryRoot::CurrentUser, key, name, bytes);
  }
  bool UnderWine() { return false; }

 private:
  MemoryRegistry registry_;
};

class MemoryShellEnvironment {
 public:
  MemoryShellEnvironment() { files_.AddFolder(kRoot); }
  Shell& shell() { return shell_; }
  FileSystem& files() { return files_; }
  std::string root() { return kRoot; }

 private:
  MemoryFileSystem files_;
  MemoryShell shell_{files_};
};

// A table with the programs every Windows runs, to which the test adds its own.
class MemoryProcessesEnvironment {
 public:
  MemoryProcessesEnvironment() { processes_.SetRunning(kSystem); }
  Processes& processes() { return processes_; }
  std::string StartProgram() {
    processes_.AddRunning("C:\\windows\\system32\\notepad.exe");
    return "notepad.exe";
  }
  void EndProgram() { processes_.SetRunning(kSystem); }

 private:
  inline static const std::vector<std::string> kSystem{"C:\\windows\\system32\\services.exe",
                                                       "C:\\windows\\explorer.exe"};
  MemoryProcesses processes_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, FileSystemContract, MemoryFileSystemEnvironment);
INSTANTIATE_TYPED_TEST_SUITE_P(Memory, GuardContract, MemoryFileSystemEnvironment);
INSTANTIATE_TYPED_TEST_SUITE_P(Memory, RegistryContract, MemoryRegistryEnvironment);
INSTANTIATE_TYPED_TEST_SUITE_P(Memory, ShellContract, MemoryShellEnvironment);
INSTANTIATE_TYPED_TEST_SUITE_P(Memory, ProcessesContract, MemoryProcessesEnvironment);

}  // namespace
}  // namespace platform::contract
