#pragma once
// The sample medium made hostile: names in other scripts, a name that takes
// both source and target path beyond the classic 260-character limit, empty
// files, read-only, hidden and system files, and files dated outside the
// range of DOS times, each in a folder the copy reads. Every path helper here uses the extended-length form, so that files
// beyond the limit are reached like the others.
#include <windows.h>

#include <string>
#include <vector>

namespace wintest {

struct HostileFile {
  std::string medium_folder;  // below the medium's root, e.g. "demos\\Port"
  std::string target_folder;  // where a Portuguese run puts it
  std::string name;
  std::string bytes;
  DWORD attributes = FILE_ATTRIBUTE_NORMAL;
  WORD year = 0;  // of the last-write time, when not the time of writing

  std::string Source(const std::string& medium) const { return medium + "\\" + medium_folder + "\\" + name; }
  std::string Target() const { return target_folder + "\\" + name; }
};

const std::vector<HostileFile>& HostileFiles();

// MakeSampleMedium with the hostile files added; returns the installer's path.
std::string MakeHostileMedium(const std::string& folder);

// The four tables the user fills in, in the installation root.
const std::vector<std::string>& UserTables();

// Whole-file access and attributes through extended-length paths; ReadBytes
// gives "(unreadable)" when the file cannot be read, Attributes
// INVALID_FILE_ATTRIBUTES when it is missing.
bool WriteBytes(const std::string& path, const std::string& bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL);
std::string ReadBytes(const std::string& path);
DWORD Attributes(const std::string& path);

}  // namespace wintest
