#pragma once
// Gives a file the last-write time of a local wall-clock time, as a file on a
// medium would carry it.
#include <windows.h>

#include <string>

#include "platform/win32/wide_text.h"

namespace platform {

inline bool SetLocalWriteTime(const std::string& path, const SYSTEMTIME& local) {
  FILETIME local_time{};
  FILETIME utc{};
  if (!SystemTimeToFileTime(&local, &local_time)) return false;
  if (!LocalFileTimeToFileTime(&local_time, &utc)) return false;
  const HANDLE file = CreateFileW(Widen(path).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool set = SetFileTime(file, nullptr, nullptr, &utc);
  CloseHandle(file);
  return set;
}

}  // namespace platform
