#include "platform/win32/win32_processes.h"

#include <windows.h>
#include <tlhelp32.h>

#include "platform/win32/proc_address.h"
#include "platform/win32/wide_text.h"

namespace platform {

// Tool Help as kernel32 exports it; a member is null when it is missing.
struct Win32Processes::ToolHelp {
  using Snapshot = HANDLE(WINAPI*)(DWORD, DWORD);
  using Walk = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32W*);
  Snapshot create_snapshot = nullptr;
  Walk first = nullptr;
  Walk next = nullptr;

  bool Complete() const { return create_snapshot && first && next; }
};

Win32Processes::Win32Processes() = default;
Win32Processes::~Win32Processes() = default;

namespace {

// The started process's handle, or nullptr.
HANDLE StartHiddenProcess(const std::string& command_line, std::uint32_t& error) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION started{};
  std::wstring writable = Widen(command_line);  // CreateProcessW may write into it
  if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started)) {
    error = GetLastError();
    return nullptr;
  }
  error = 0;
  CloseHandle(started.hThread);
  return started.hProcess;
}

}  // namespace

bool Win32Processes::StartHidden(const std::string& command_line) {
  HANDLE process = StartHiddenProcess(command_line, last_error_);
  if (!process) return false;
  CloseHandle(process);
  return true;
}

bool Win32Processes::RunHiddenAndWait(const std::string& command_line, std::uint32_t timeout_ms) {
  HANDLE process = StartHiddenProcess(command_line, last_error_);
  if (!process) return false;
  const bool ended = WaitForSingleObject(process, timeout_ms) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
}

const Win32Processes::ToolHelp& Win32Processes::LookUpToolHelp() {
  if (tool_help_) return *tool_help_;
  tool_help_ = std::make_unique<ToolHelp>();
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  tool_help_->create_snapshot = ProcAddress<ToolHelp::Snapshot>(kernel, "CreateToolhelp32Snapshot");
  tool_help_->first = ProcAddress<ToolHelp::Walk>(kernel, "Process32FirstW");
  tool_help_->next = ProcAddress<ToolHelp::Walk>(kernel, "Process32NextW");
  return *tool_help_;
}

std::optional<std::vector<std::string>> Win32Processes::RunningExecutables() {
  const auto& tool_help = LookUpToolHelp();
  if (!tool_help.Complete()) return std::nullopt;
  const HANDLE snapshot = tool_help.create_snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<std::string> executables;
  PROCESSENTRY32W record{};
  record.dwSize = sizeof record;
  for (BOOL more = tool_help.first(snapshot, &record); more;
       more = tool_help.next(snapshot, &record)) {
    executables.push_back(Narrow(record.szExeFile));
  }
  CloseHandle(snapshot);
  return executables;
}

}  // namespace platform
