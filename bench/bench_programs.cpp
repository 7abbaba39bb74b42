#include "bench/bench_programs.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <fstream>

#include "platform/win32/wide_text.h"
#include "testing/windows_support/driver.h"

namespace bench {

namespace {

constexpr DWORD kLongestRunMs = 600000;

HANDLE NulHandle() {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                     OPEN_EXISTING, 0, nullptr);
}

bool AnyRuns(const std::vector<std::string>& file_names) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  bool found = false;
  for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry)) {
    for (const std::string& name : file_names) {
      if (_wcsicmp(entry.szExeFile, platform::Widen(name).c_str()) == 0) found = true;
    }
  }
  CloseHandle(snapshot);
  return found;
}

bool StartDetached(const std::string& application, const std::string& command_line) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::wstring command = platform::Widen(command_line);
  if (!CreateProcessW(platform::Widen(application).c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &info)) {
    return false;
  }
  if (info.hThread) CloseHandle(info.hThread);
  if (info.hProcess) CloseHandle(info.hProcess);
  return true;
}

}  // namespace

int RunToEnd(const std::string& application, const std::string& command_line) {
  HANDLE nul = NulHandle();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
  PROCESS_INFORMATION info{};
  std::wstring command = platform::Widen(command_line);
  std::wstring program = platform::Widen(application);
  BOOL started = CreateProcessW(program.empty() ? nullptr : program.c_str(), command.data(), nullptr, nullptr,
                                TRUE, 0, nullptr, nullptr, &startup, &info);
  CloseHandle(nul);
  if (!started) return -1;
  CloseHandle(info.hThread);
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(info.hProcess, kLongestRunMs) == WAIT_OBJECT_0) GetExitCodeProcess(info.hProcess, &code);
  CloseHandle(info.hProcess);
  return static_cast<int>(code);
}

std::string HostPath(const std::string& windows_path) {
  using UnixName = char*(CDECL*)(LPCWSTR);
  auto unix_name = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!unix_name) return {};
  char* name = unix_name(platform::Widen(windows_path).c_str());
  if (!name) return {};
  std::string path = name;
  HeapFree(GetProcessHeap(), 0, name);
  return path;
}

int RunHostProgram(const std::vector<std::string>& arguments) {
  // Wine starts an ELF file given by its DOS name, but its handle cannot be
  // waited for: a shell runs the program and then leaves its exit code in a
  // file, which appears (renamed into place) only when the program has ended.
  static int serial = 0;
  const std::string folder = "C:\\bench-host";
  wintest::MakeFolders(folder);
  const std::string base = folder + "\\run" + std::to_string(++serial);
  const std::string done = base + ".done";
  std::string line;
  for (const std::string& argument : arguments) line += "'" + argument + "' ";
  const std::string host_done = HostPath(done);
  line += "\necho $? > '" + host_done + ".tmp' && mv '" + host_done + ".tmp' '" + host_done + "'\n";
  {
    std::ofstream script(platform::Widen(base + ".sh").c_str(), std::ios::binary);
    script << line;
    if (!script) return -1;
  }
  if (!StartDetached("Z:\\bin\\sh", "/bin/sh " + HostPath(base + ".sh"))) return -1;
  ULONGLONG end = GetTickCount64() + kLongestRunMs;
  while (!wintest::FileExists(done)) {
    if (GetTickCount64() > end) return -1;
    Sleep(1);
  }
  std::string code = wintest::ReadWholeFile(done);
  DeleteFileW(platform::Widen(done).c_str());
  DeleteFileW(platform::Widen(base + ".sh").c_str());
  return code.empty() ? -1 : std::atoi(code.c_str());
}

bool RemoveTree(const std::string& windows_path) {
  std::string host = HostPath(windows_path);
  if (host.empty()) return false;
  return RunHostProgram({"/bin/rm", "-rf", host}) == 0 && !wintest::FileExists(windows_path) &&
         GetFileAttributesW(platform::Widen(windows_path).c_str()) == INVALID_FILE_ATTRIBUTES;
}

bool WaitUntilNoneRuns(const std::vector<std::string>& file_names, int timeout_ms) {
  return wintest::WaitUntil([&] { return !AnyRuns(file_names); }, timeout_ms);
}

}  // namespace bench
