#pragma once
// A fresh folder under Wine's temporary folder for one test, removed with all
// it holds when the test ends.
#include <windows.h>

#include <string>

#include "platform/win32/wide_text.h"

namespace platform {

class TemporaryFolder {
 public:
  TemporaryFolder() {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    wide_ = std::wstring(base) + L"geolume-platform-" + std::to_wstring(GetCurrentProcessId()) +
            L"-" + std::to_wstring(GetTickCount());
    CreateDirectoryW(wide_.c_str(), nullptr);
  }
  ~TemporaryFolder() { RemoveTree(L"\\\\?\\" + wide_); }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  // The folder's path in UTF-8, without a trailing backslash.
  std::string path() const { return Narrow(wide_); }
  std::string operator/(const std::string& name) const { return path() + "\\" + name; }

 private:
  static void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring child = folder + L"\\" + name;
        SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          RemoveTree(child);
        } else {
          DeleteFileW(child.c_str());
        }
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
  }

  std::wstring wide_;
};

}  // namespace platform
