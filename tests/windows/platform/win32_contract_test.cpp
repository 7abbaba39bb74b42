// The platform contracts run against the real Windows API, here under Wine.
#include <windows.h>
#undef CopyFile
#undef DeleteFile

#include <map>
#include <memory>
#include <optional>
#include <stdexcept>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "testing/windows_support/driver.h"
#include "tests/contract/file_system_contract.h"
#include "tests/contract/guard_contract.h"
#include "tests/contract/processes_contract.h"
#include "tests/contract/registry_contract.h"
#include "tests/contract/shell_contract.h"
#include "tests/windows/platform/local_write_time.h"
#include "tests/windows/platform/raw_registry_value.h"
#include "tests/windows/platform/temporary_folder.h"

namespace platform::contract {
namespace {

bool RunsUnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

class Win32FileSystemEnvironment {
 public:
  FileSystem& files() { return files_; }
  std::string root() { return folder_.path(); }
  void SetLocalWriteTime(const std::string& path, const LocalTime& time) {
    const SYSTEMTIME local{static_cast<WORD>(time.year), static_cast<WORD>(time.month), 0,
                           static_cast<WORD>(time.day), static_cast<WORD>(time.hour),
                           static_cast<WORD>(time.minute), static_cast<WORD>(time.second), 0};
    if (!platform::SetLocalWriteTime(path, local)) {
      throw std::runtime_error("cannot set the time of " + path);
    }
  }
  void HoldOpen(const std::string& path, OtherOpen sharing) {
    auto held = std::make_unique<wintest::HeldOpenFile>(
        path, sharing == OtherOpen::SharingRead ? FILE_SHARE_READ : 0);
    if (!held->Held()) throw std::runtime_error("cannot hold " + path + " open");
    held_[path] = std::move(held);
  }
  void Release(const std::string& path) { held_.erase(path); }
  bool UnderWine() { return RunsUnderWine(); }
  void MakeSecondName(const std::string& existing, const std::string& name) {
    if (!CreateHardLinkW(Widen(name).c_str(), Widen(existing).c_str(), nullptr)) {
      throw std::runtime_error("cannot link " + name + " to " + existing);
    }
  }

 private:
  TemporaryFolder folder_;  // goes last, once nothing holds its files
  Win32FileSystem files_;
  std::map<std::string, std::unique_ptr<wintest::HeldOpenFile>> held_;
};

class Win32RegistryEnvironment {
 public:
  Win32RegistryEnvironment() { registry_.DeleteKey(kUser, root()); }
  ~Win32RegistryEnvironment() { registry_.DeleteKey(kUser, root()); }
  Win32RegistryEnvironment(const Win32RegistryEnvironment&) = delete;
  Win32RegistryEnvironment& operator=(const Win32RegistryEnvironment&) = delete;

  Registry& registry() { return registry_; }
  std::string root() { return "Software\\GeolumeTests"; }
  void SetExpandString(const std::string& key, const std::string& name, const std::string& text) {
    const auto wide = Widen(text);
    SetRaw(key, name, REG_EXPAND_SZ, wide.c_str(),
           static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
  }
  void SetBinary(const std::string& key, const std::string& name,
                 const std::vector<std::uint8_t>& bytes) {
    SetRaw(key, name, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
  }
  bool UnderWine() { return RunsUnderWine(); }

 private:
  static void SetRaw(const std::string& key, const std::string& name, DWORD type,
                     const void* data, DWORD size) {
    if (!SetRawValue(key, name, type, data, size)) throw std::runtime_error("cannot set " + name);
  }

  Win32Registry registry_;
};

class Win32ShellEnvironment {
 public:
  Shell& shell() { return shell_; }
  FileSystem& files() { return files_; }
  std::string root() { return folder_.path(); }

 private:
  TemporaryFolder folder_;
  Win32FileSystem files_;
  Win32Shell shell_;
};

class Win32ProcessesEnvironment {
 public:
  Processes& processes() { return processes_; }
  std::string StartProgram() {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    program_.emplace(wintest::Process::Start(Narrow(system) + "\\notepad.exe"));
    return "notepad.exe";
  }
  // Ending the process object ends the program and waits for it.
  void EndProgram() { program_.reset(); }

 private:
  Win32Processes processes_;
  std::optional<wintest::Process> program_;
};

// Wine runs every program as an administrator: the file system is guarded.
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, FileSystemContract, Win32FileSystemEnvironment);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, GuardContract, Win32FileSystemEnvironment);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, RegistryContract, Win32RegistryEnvironment);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ShellContract, Win32ShellEnvironment);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ProcessesContract, Win32ProcessesEnvironment);

}  // namespace
}  // namespace platform::contract
