#pragma once
// A registry subtree as text, for comparing before and after: every key by
// its full path in enumeration order, each followed by its values with their
// type and bytes. Walked without recursion.
#include <windows.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/wide_text.h"

namespace registry_export {

inline std::string Hex(const BYTE* data, DWORD size) {
  std::string text;
  char digits[4];
  for (DWORD i = 0; i < size; ++i) {
    std::snprintf(digits, sizeof digits, "%02x", data[i]);
    text += digits;
  }
  return text;
}

// A string value's bytes as an export shows them: UTF-16 with its end.
inline std::string StringHex(const std::string& text) {
  const std::wstring wide = platform::Widen(text);
  return Hex(reinterpret_cast<const BYTE*>(wide.c_str()), static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

inline void ExportValues(HKEY key, std::wstring& name, std::vector<BYTE>& data, std::string& out) {
  for (DWORD index = 0;; ++index) {
    DWORD name_length = static_cast<DWORD>(name.size());
    DWORD size = static_cast<DWORD>(data.size());
    DWORD type = 0;
    if (RegEnumValueW(key, index, name.data(), &name_length, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) {
      return;
    }
    out += "  \"" + platform::Narrow(name.substr(0, name_length)) + "\" " + std::to_string(type) + " " +
           Hex(data.data(), size) + "\n";
  }
}

// The subtree at the path (empty: the whole root), or "" when it cannot be opened.
inline std::string Export(HKEY root, const std::string& path) {
  std::string out;
  std::vector<std::string> pending = {path};
  std::wstring name(16384, L'\0');  // value names may be that long, key names 255
  std::vector<BYTE> data(1 << 20);
  while (!pending.empty()) {
    const std::string key_path = pending.back();
    pending.pop_back();
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, platform::Widen(key_path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
    out += key_path + "\n";
    ExportValues(key, name, data, out);
    std::vector<std::string> children;
    for (DWORD index = 0;; ++index) {
      DWORD length = static_cast<DWORD>(name.size());
      if (RegEnumKeyExW(key, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      children.push_back((key_path.empty() ? "" : key_path + "\\") + platform::Narrow(name.substr(0, length)));
    }
    RegCloseKey(key);
    for (auto child = children.rbegin(); child != children.rend(); ++child) pending.push_back(*child);
  }
  return out;
}

// The three CAD hosts' trees under HKEY_CURRENT_USER.
inline std::string HostTrees() {
  return Export(HKEY_CURRENT_USER, "Software\\Autodesk\\AutoCAD") + Export(HKEY_CURRENT_USER, "Software\\Bricsys") +
         Export(HKEY_CURRENT_USER, "SOFTWARE\\Gstarsoft");
}

// The first lines in which two exports differ, for a readable failure.
inline std::string FirstDifference(const std::string& before, const std::string& after) {
  std::size_t at = 0;
  while (at < before.size() && at < after.size() && before[at] == after[at]) ++at;
  const std::size_t line = before.rfind('\n', at == 0 ? 0 : at - 1);
  const std::size_t from = line == std::string::npos ? 0 : line + 1;
  return "before: " + before.substr(from, 300) + "\nafter:  " + after.substr(from, 300);
}

}  // namespace registry_export
