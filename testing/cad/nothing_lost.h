#pragma once
// What a CAD configuration or an installation must never lose, taken before
// and checked after, on the in-memory Windows and on the real one alike:
// every former entry of every host search path and of TRUSTEDPATHS, every
// foreign startup file on those paths (in place or under a set-aside name,
// with its bytes), every earlier set-aside copy, and the files the caller
// names (the user's tables).
#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "cad/own_startup_files.h"
#include "cad/startup_file_sweep.h"
#include "platform/file_system.h"
#include "platform/registry.h"

namespace nothing_lost {

using ValueAt = std::pair<std::string, std::string>;  // key path, value name

struct Snapshot {
  std::map<ValueAt, std::vector<std::string>> path_entries;
  std::map<std::string, std::string> foreign_startup_files;  // path, bytes
  std::map<std::string, std::string> kept_files;             // path, bytes
};

inline std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

// Every field of the list, the empty ones left out.
inline std::vector<std::string> Entries(const std::string& path_list) {
  std::vector<std::string> entries;
  std::size_t start = 0;
  while (start <= path_list.size()) {
    const std::size_t end = std::min(path_list.find(';', start), path_list.size());
    if (end > start) entries.push_back(path_list.substr(start, end - start));
    start = end + 1;
  }
  return entries;
}

inline std::string SetAsideName(const std::string& file, int k) {
  return file.substr(0, file.size() - 4) + "-Renomeado-pelo-Geolume-" + std::to_string(k) + ".lsp";
}

// Every key below the three hosts' start keys, walked without recursion.
inline std::vector<std::string> HostKeys(platform::Registry& registry) {
  constexpr auto user = platform::RegistryRoot::CurrentUser;
  std::vector<std::string> pending = {"\\Software\\Autodesk\\AutoCAD", "\\Software\\Bricsys\\BricsCAD",
                                      "\\SOFTWARE\\Gstarsoft\\GstarCAD"};
  std::vector<std::string> keys;
  while (!pending.empty()) {
    const std::string key = pending.back();
    pending.pop_back();
    const auto names = registry.SubKeys(user, key);
    if (!names) continue;
    keys.push_back(key);
    for (const auto& name : *names) pending.push_back(key + "\\" + name);
  }
  return keys;
}

inline bool IsProductPath(const std::string& file) {
  const std::string upper = Upper(file);
  return upper == "C:\\GEOLUME\\ACAD.LSP" || upper == "C:\\GEOLUME\\ON_START.LSP";
}

inline bool StartsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

// The folder's startup files and set-aside copies, from one listing.
inline void TakeStartupFiles(platform::FileSystem& files, const std::string& folder, Snapshot& snapshot) {
  const auto entries = files.ListFolder(folder);
  if (!entries) return;
  for (const auto& entry : *entries) {
    const std::string name = Upper(entry.name);
    if (entry.is_folder) continue;
    const std::string file = folder + "\\" + entry.name;
    if (StartsWith(name, "ACAD-RENOMEADO-PELO-GEOLUME-") || StartsWith(name, "ON_START-RENOMEADO-PELO-GEOLUME-")) {
      if (auto bytes = files.ReadFile(file)) snapshot.kept_files[file] = *bytes;
      continue;
    }
    if (name != "ACAD.LSP" && name != "ON_START.LSP") continue;
    if (IsProductPath(file) || cad::IsOwnStartupFile(files, file)) continue;
    if (auto bytes = files.ReadFile(file)) snapshot.foreign_startup_files[file] = *bytes;
  }
}

// The hosts keep their search paths in "General" (AutoCAD, GstarCAD) and
// "Config" (BricsCAD), the trusted paths in "Variables".
inline bool MayHoldPaths(const std::string& key) {
  const std::string last = Upper(key.substr(key.find_last_of('\\') + 1));
  return last == "GENERAL" || last == "CONFIG" || last == "VARIABLES";
}

inline Snapshot Take(platform::Registry& registry, platform::FileSystem& files,
                     const std::vector<std::string>& kept_files = {}) {
  Snapshot snapshot;
  std::vector<std::string> folders;
  for (const auto& key : HostKeys(registry)) {
    if (!MayHoldPaths(key)) continue;
    for (const char* name : {"ACAD", "GCAD", "SRCHPATH", "TRUSTEDPATHS"}) {
      const auto value = registry.ReadValue(platform::RegistryRoot::CurrentUser, key, name);
      if (!value || (value->type != platform::RegistryValueType::String &&
                     value->type != platform::RegistryValueType::ExpandString)) {
        continue;
      }
      snapshot.path_entries[{key, name}] = Entries(value->text);
      if (std::string(name) == "TRUSTEDPATHS") continue;
      for (const auto& folder : Entries(value->text)) folders.push_back(Upper(folder));
    }
  }
  std::sort(folders.begin(), folders.end());
  folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
  for (const auto& folder : folders) TakeStartupFiles(files, folder, snapshot);
  for (const auto& file : kept_files) {
    if (auto bytes = files.ReadFile(file)) snapshot.kept_files[file] = *bytes;
  }
  return snapshot;
}

inline bool StillThere(platform::FileSystem& files, const std::string& file, const std::string& bytes) {
  if (files.ReadFile(file) == bytes) return true;
  for (int k = 1; k <= 50; ++k) {
    if (files.ReadFile(SetAsideName(file, k)) == bytes) return true;
  }
  return false;
}

// What was lost since the snapshot, one line each; empty when nothing was.
inline std::vector<std::string> Lost(const Snapshot& before, platform::Registry& registry,
                                     platform::FileSystem& files) {
  std::vector<std::string> lost;
  for (const auto& [at, entries] : before.path_entries) {
    const auto value = registry.ReadValue(platform::RegistryRoot::CurrentUser, at.first, at.second);
    const auto now = value ? Entries(value->text) : std::vector<std::string>{};
    for (const auto& entry : entries) {
      if (std::find(now.begin(), now.end(), entry) == now.end()) {
        lost.push_back("entry '" + entry + "' of " + at.second + " in " + at.first);
      }
    }
  }
  for (const auto& [file, bytes] : before.foreign_startup_files) {
    if (!StillThere(files, file, bytes)) lost.push_back("startup file " + file);
  }
  for (const auto& [file, bytes] : before.kept_files) {
    if (files.ReadFile(file) != bytes) lost.push_back("bytes of " + file);
  }
  return lost;
}

}  // namespace nothing_lost
