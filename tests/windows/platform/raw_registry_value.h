#pragma once
// Sets a value of any type under HKEY_CURRENT_USER, as another program would:
// the installer itself writes only strings and numbers.
#include <windows.h>

#include <string>

#include "platform/win32/wide_text.h"

namespace platform {

inline bool SetRawValue(const std::string& key, const std::string& name, DWORD type,
                        const void* data, DWORD size) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, Widen(key).c_str(), 0, KEY_SET_VALUE, &handle) !=
      ERROR_SUCCESS) {
    return false;
  }
  const auto result =
      RegSetValueExW(handle, Widen(name).c_str(), 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(handle);
  return result == ERROR_SUCCESS;
}

}  // namespace platform
