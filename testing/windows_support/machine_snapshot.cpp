#include "testing/windows_support/machine_snapshot.h"

#include <windows.h>

#include <cstdint>
#include <set>
#include <sstream>

#include "platform/win32/wide_text.h"
#include "testing/windows_support/driver.h"
#include "testing/windows_support/registry_export.h"
#include "uninstall/logon_setup.h"
#include "uninstall/uninstall_locations.h"

namespace wintest {

namespace {

// FNV-1a: enough to tell two contents apart in a test.
std::string HashOf(const std::string& bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char byte : bytes) hash = (hash ^ byte) * 1099511628211ull;
  std::ostringstream text;
  text << std::hex << hash;
  return text.str();
}

void ListFiles(const std::string& folder, std::map<std::string, std::string>& out) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(platform::Widen(folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = platform::Narrow(found.cFileName);
    if (name == "." || name == "..") continue;
    const std::string path = folder + "\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      out[path + "\\"] = "folder";
      ListFiles(path, out);
    } else {
      out[path] = std::to_string(found.nFileSizeLow) + " " + HashOf(ReadWholeFile(path));
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

constexpr char kSections[][10] = {"[user]", "[classes]", "[machine]", "[files]"};

}  // namespace

MachineSnapshot TakeMachineSnapshot() {
  MachineSnapshot snapshot;
  snapshot.user = registry_export::Export(HKEY_CURRENT_USER, "");
  snapshot.classes = registry_export::Export(HKEY_CLASSES_ROOT, "");
  for (const char* key :
       {uninstall::kUninstallKey, uninstall::kSharedDllsKey, uninstall::kCadSetupKey, uninstall::kCadRestoreKey}) {
    snapshot.machine += registry_export::Export(HKEY_LOCAL_MACHINE, key);
  }
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(L"C:\\*", &found);
  if (search == INVALID_HANDLE_VALUE) return snapshot;
  do {
    const std::string name = platform::Narrow(found.cFileName);
    if (name == "." || name == ".." || _wcsicmp(found.cFileName, L"windows") == 0) continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ListFiles("C:\\" + name, snapshot.files);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return snapshot;
}

// Registry exports are line-based and never start a line with "[", so the
// section headers cannot be mistaken for their lines.
std::string SnapshotText(const MachineSnapshot& snapshot) {
  std::string text = std::string(kSections[0]) + "\n" + snapshot.user + kSections[1] + "\n" + snapshot.classes +
                     kSections[2] + "\n" + snapshot.machine + kSections[3] + "\n";
  for (const auto& [path, stamp] : snapshot.files) text += path + "\t" + stamp + "\n";
  return text;
}

MachineSnapshot SnapshotFromText(const std::string& text) {
  MachineSnapshot snapshot;
  std::string* section = nullptr;
  bool in_files = false;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line == kSections[0])
      section = &snapshot.user;
    else if (line == kSections[1])
      section = &snapshot.classes;
    else if (line == kSections[2])
      section = &snapshot.machine;
    else if (line == kSections[3])
      in_files = true;
    else if (in_files) {
      const std::size_t tab = line.find('\t');
      if (tab != std::string::npos) snapshot.files[line.substr(0, tab)] = line.substr(tab + 1);
    } else if (section) {
      *section += line + "\n";
    }
  }
  return snapshot;
}

std::string LineDifference(const std::string& before, const std::string& after) {
  std::multiset<std::string> old_lines, new_lines;
  std::istringstream a(before), b(after);
  for (std::string line; std::getline(a, line);) old_lines.insert(line);
  for (std::string line; std::getline(b, line);) new_lines.insert(line);
  std::string difference;
  for (const auto& line : old_lines) {
    if (!new_lines.count(line)) difference += "- " + line + "\n";
  }
  for (const auto& line : new_lines) {
    if (!old_lines.count(line)) difference += "+ " + line + "\n";
  }
  return difference;
}

std::string FileDifference(const std::map<std::string, std::string>& before,
                           const std::map<std::string, std::string>& after) {
  std::string difference;
  for (const auto& [path, stamp] : before) {
    const auto found = after.find(path);
    if (found == after.end())
      difference += "- " + path + "\n";
    else if (found->second != stamp)
      difference += "~ " + path + "\n";
  }
  for (const auto& [path, stamp] : after) {
    if (!before.count(path)) difference += "+ " + path + "\n";
  }
  return difference;
}

}  // namespace wintest
