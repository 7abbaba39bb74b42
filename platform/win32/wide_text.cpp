#include "platform/win32/wide_text.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace platform {

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  if (utf8.size() > INT_MAX) throw std::length_error("text too long for UTF-16 conversion");
  const int length = static_cast<int>(utf8.size());
  const int needed = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  if (needed <= 0) throw std::runtime_error("UTF-8 to UTF-16 conversion failed");
  std::wstring wide(static_cast<size_t>(needed), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), needed);
  return wide;
}

std::string Narrow(const std::wstring& utf16) {
  if (utf16.empty()) return {};
  if (utf16.size() > INT_MAX / 3) throw std::length_error("text too long for UTF-8 conversion");
  const int length = static_cast<int>(utf16.size());
  const int needed =
      WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) throw std::runtime_error("UTF-16 to UTF-8 conversion failed");
  std::string narrow(static_cast<size_t>(needed), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, narrow.data(), needed, nullptr, nullptr);
  return narrow;
}

std::string Narrow(const wchar_t* utf16) {
  if (utf16 == nullptr) return {};
  return Narrow(std::wstring(utf16));
}

}  // namespace platform
