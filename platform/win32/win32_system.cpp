#include "platform/win32/win32_system.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <vector>

#include "platform/win32/proc_address.h"
#include "platform/win32/process_token.h"
#include "platform/win32/wide_text.h"

namespace platform {

namespace {

// version.dll is not among the DLLs Windows always takes from the system
// folder, so it is loaded from there explicitly and never imported.
struct VersionApi {
  using SizeFn = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
  using InfoFn = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
  using QueryFn = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);
  SizeFn size = nullptr;
  InfoFn info = nullptr;
  QueryFn query = nullptr;

  static const VersionApi& Get() {
    static const VersionApi api = [] {
      VersionApi a;
      HMODULE dll = LoadLibraryExW(L"version.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
      if (!dll) return a;
      a.size = ProcAddress<SizeFn>(dll, "GetFileVersionInfoSizeW");
      a.info = ProcAddress<InfoFn>(dll, "GetFileVersionInfoW");
      a.query = ProcAddress<QueryFn>(dll, "VerQueryValueW");
      return a;
    }();
    return api;
  }
};

}  // namespace

void RestrictDllSearchToSystemFolder() {
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  using SetDirsFn = BOOL(WINAPI*)(DWORD);
  auto set_dirs = ProcAddress<SetDirsFn>(kernel, "SetDefaultDllDirectories");
  if (set_dirs) set_dirs(LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Older systems without it at least lose the current folder from the search.
  SetDllDirectoryW(L"");
}

std::string Win32System::ProgramPath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n < buffer.size()) return Narrow(std::wstring(buffer.data(), n));
    buffer.resize(buffer.size() * 2);
  }
}

std::optional<FixedFileVersion> Win32System::FileVersion(const std::string& path) {
  const VersionApi& api = VersionApi::Get();
  if (!api.size || !api.info || !api.query) return std::nullopt;
  std::wstring wide = Widen(path);
  DWORD handle = 0;
  DWORD size = api.size(wide.c_str(), &handle);
  if (size == 0) return std::nullopt;
  std::vector<unsigned char> block(size);
  if (!api.info(wide.c_str(), 0, size, block.data())) return std::nullopt;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!api.query(block.data(), L"\\", reinterpret_cast<LPVOID*>(&fixed), &length) || !fixed ||
      length < sizeof(VS_FIXEDFILEINFO)) {
    return std::nullopt;
  }
  return FixedFileVersion{fixed->dwFileVersionMS, fixed->dwFileVersionLS};
}

std::string Win32System::SystemFolder() {
  wchar_t buffer[256] = {};
  GetSystemDirectoryW(buffer, 255);
  return Narrow(buffer);
}

std::string Win32System::WindowsFolder() {
  wchar_t buffer[256] = {};
  GetWindowsDirectoryW(buffer, 255);
  return Narrow(buffer);
}

std::uint32_t Win32System::PlatformId() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(&info)) return kPlatformWin32NT;
#pragma GCC diagnostic pop
  return info.dwPlatformId;
}

Point Win32System::CursorPosition() {
  POINT p{};
  GetCursorPos(&p);
  return {p.x, p.y};
}

void Win32System::SetCursorPosition(Point point) { SetCursorPos(point.x, point.y); }

bool Win32System::EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
  TOKEN_PRIVILEGES wanted{};
  if (LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &wanted.Privileges[0].Luid)) {
    wanted.PrivilegeCount = 1;
    wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    // Room for the previous state of one privilege; the outcome is not examined.
    unsigned char previous[16] = {};
    DWORD length = 0;
    AdjustTokenPrivileges(token, FALSE, &wanted, sizeof previous,
                          reinterpret_cast<PTOKEN_PRIVILEGES>(previous), &length);
  }
  CloseHandle(token);
  return true;
}

bool Win32System::RequestExit(std::uint32_t exit_flags) { return ExitWindowsEx(exit_flags, 0) != 0; }

std::int64_t Win32System::MonotonicMicroseconds() {
  static const LONGLONG frequency = [] {
    LARGE_INTEGER f{};
    QueryPerformanceFrequency(&f);
    return f.QuadPart;
  }();
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  // Whole seconds and the rest apart, so that the product cannot overflow.
  return now.QuadPart / frequency * 1000000 + now.QuadPart % frequency * 1000000 / frequency;
}

std::string Win32System::LocalTime() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", now.wYear, now.wMonth, now.wDay, now.wHour,
                now.wMinute, now.wSecond);
  return text;
}

// GetTempPath2W gives the system account the folder Windows keeps for it
// alone (under SystemTemp) instead of the shared Windows\Temp; Windows before
// the 2022 updates and Wine 8 lack it.
std::string Win32System::TempFolder() {
  using TempPathFunction = DWORD(WINAPI*)(DWORD, LPWSTR);
  auto temp_path = &GetTempPathW;
  if (RunningAccount() == Account::SystemAccount) {
    const auto own = ProcAddress<TempPathFunction>(GetModuleHandleW(L"kernel32.dll"), "GetTempPath2W");
    if (own) temp_path = own;
  }
  wchar_t path[MAX_PATH + 2] = {};
  const DWORD length = temp_path(MAX_PATH + 1, path);
  std::string folder = length > 0 && length <= MAX_PATH + 1 ? Narrow(path) : std::string();
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

Account Win32System::RunningAccount() { return AccountOfThisProcess(); }

std::vector<std::string> CommandLineArguments() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; words && i < count; ++i) arguments.push_back(Narrow(words[i]));
  if (words) LocalFree(words);
  return arguments;
}

}  // namespace platform
