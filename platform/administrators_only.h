#pragma once
// What only administrators may change: how a run that starts or loads it
// tells, and how one puts such a file in place.
//
// Putting a file that only administrators may change in place: What stood under
// the name is replaced, never written into: its owner, list, other names and
// readers stay with the old file, so nothing a user prepared there is adopted.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/file_system.h"

namespace platform {

inline bool OnlyAdministratorsMayChange(FileSystem& files, const std::string& path) {
  const auto access = files.AccessOf(path);
  return access && access->OnlyAdministratorsMayChange();
}

// A program an elevated run starts: Windows loads what stands beside it too,
// so its folder must be the administrators' alone as well.
inline bool MayStartElevated(FileSystem& files, const std::string& program) {
  const auto folder_end = program.find_last_of('\\');
  return folder_end != std::string::npos && OnlyAdministratorsMayChange(files, program) &&
         OnlyAdministratorsMayChange(files, program.substr(0, folder_end));
}

struct ProtectedPut {
  std::uint32_t error = 0;        // the file is not in place: the failed step's error
  std::uint32_t unprotected = 0;  // in place, but its list could not be set: why

  bool Placed() const { return error == 0; }
};

// The name a protected file is made under before it replaces its target:
// the target's own name with this after it, and a digit when that is taken.
constexpr char kTemporarySuffix[] = ".novo";

// A name that stands only until it is renamed over its target, so nothing
// that records changes need keep it.
inline bool IsTemporaryName(const std::string& path) {
  const std::size_t at = path.rfind(kTemporarySuffix);
  if (at == std::string::npos) return false;
  const std::size_t end = at + sizeof kTemporarySuffix - 1;
  return end == path.size() || (end + 1 == path.size() && path[end] >= '1' && path[end] <= '9');
}

// Makes the new file under a name of its own in the target's folder,
// protects it, then renames it over the target. write(temporary) makes the
// file; a name in use that cannot be deleted is passed over. Where no list can be set (a file
// system without them) the file still goes in place, and says so.
inline ProtectedPut PutProtectedFile(FileSystem& files, const std::string& target,
                                     const std::function<bool(const std::string&)>& write) {
  constexpr int kNames = 10;
  for (int attempt = 0; attempt < kNames; ++attempt) {
    const std::string temporary = target + kTemporarySuffix + (attempt == 0 ? "" : std::to_string(attempt));
    // One a run that stopped left behind goes; one that cannot go is passed over.
    if (files.GetAttributes(temporary) && !files.DeleteFile(temporary)) continue;
    if (!write(temporary)) {
      if (files.LastError() == kErrorFileExists) continue;
      return {files.LastError(), 0};
    }
    ProtectedPut put;
    if (!files.SetAccess(temporary, kProtectedFileAccess)) put.unprotected = files.LastError();
    if (files.ReplaceFile(temporary, target)) return put;
    put.error = files.LastError();
    files.DeleteFile(temporary);
    return put;
  }
  return {kErrorFileExists, 0};
}

inline ProtectedPut CopyProtectedFile(FileSystem& files, const std::string& source, const std::string& target) {
  return PutProtectedFile(files, target,
                          [&](const std::string& temporary) { return files.CopyNewFile(source, temporary); });
}

// A copy fails where a name is taken between the look and the copy; a write
// would not, so it is only for folders no standard user can add to (the
// product's code folders), where a free name stays free.
inline ProtectedPut WriteProtectedFile(FileSystem& files, const std::string& target, const std::string& bytes) {
  return PutProtectedFile(files, target,
                          [&](const std::string& temporary) { return files.WriteFile(temporary, bytes); });
}

}  // namespace platform
