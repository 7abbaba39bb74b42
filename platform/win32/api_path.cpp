#include <windows.h>

#include "platform/win32/api_path.h"

namespace platform {
namespace {

// CreateDirectoryW's limit, the tightest of the classic path limits.
constexpr size_t kClassicLimit = MAX_PATH - 12;

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsDrivePath(const std::wstring& path) {
  return path.size() >= 3 && path[1] == L':' && IsSeparator(path[2]);
}

bool StartsWith(const std::wstring& text, const wchar_t* start) { return text.rfind(start, 0) == 0; }

}  // namespace

std::wstring FullPath(const std::wstring& path) {
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  const DWORD written = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (written == 0 || written >= needed) return path;
  full.resize(written);
  return full;
}

std::wstring ApiPath(const std::wstring& path) {
  if (path.size() < kClassicLimit || StartsWith(path, L"\\\\?\\")) return path;
  const std::wstring full = FullPath(path);
  if (IsDrivePath(full)) return L"\\\\?\\" + full;
  if (StartsWith(full, L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return full;
}

std::wstring NativePath(const std::wstring& full) {
  if (StartsWith(full, L"\\\\?\\")) return L"\\??\\" + full.substr(4);
  if (StartsWith(full, L"\\\\")) return L"\\??\\UNC\\" + full.substr(2);
  return L"\\??\\" + full;
}

}  // namespace platform
