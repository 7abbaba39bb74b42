#include "platform/win32/win32_locale.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/win32/wide_text.h"

namespace platform {

std::uint32_t Win32Locale::SystemDefaultLocale() { return GetSystemDefaultLCID(); }

std::uint32_t Win32Locale::UserDefaultLocale() { return GetUserDefaultLCID(); }

std::uint32_t Win32Locale::AnsiCodePage() { return GetACP(); }

bool Win32Locale::IsCodePageInstalled(std::uint32_t code_page) {
  return IsValidCodePage(code_page) != FALSE;
}

std::optional<std::string> Win32Locale::LocaleInfo(std::uint32_t lcid, std::uint32_t lctype) {
  const int length = GetLocaleInfoW(lcid, lctype, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::vector<wchar_t> buffer(length);
  if (GetLocaleInfoW(lcid, lctype, buffer.data(), length) <= 0) return std::nullopt;
  return Narrow(buffer.data());
}

std::optional<std::uint32_t> Win32Locale::FontSignatureCodePages(std::uint32_t lcid) {
  // The signature comes back as characters holding the structure's bytes.
  wchar_t buffer[sizeof(LOCALESIGNATURE) / sizeof(wchar_t)] = {};
  const int length = GetLocaleInfoW(lcid, LOCALE_FONTSIGNATURE, buffer, int(std::size(buffer)));
  if (length < int(std::size(buffer))) return std::nullopt;
  LOCALESIGNATURE signature;
  std::memcpy(&signature, buffer, sizeof(signature));
  return signature.lsCsbDefault[0];
}

void Win32Locale::SetThreadLocale(std::uint32_t lcid) { ::SetThreadLocale(lcid); }

bool Win32Locale::IsDoubleByteSystem() { return GetSystemMetrics(SM_DBCSENABLED) != 0; }

}  // namespace platform
