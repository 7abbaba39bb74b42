#pragma once
// A medium folder's entries as a file list box shows them: every entry, the
// two dot entries included, folders as "[name]", sorted as Windows sorts
// text without regard to case.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace install {

// One line of the listing, and whether Windows listed a folder there.
struct ListedEntry {
  std::string text;
  bool is_folder = false;
};

// nullopt when the folder cannot be listed; the file system's last error says why.
std::optional<std::vector<ListedEntry>> ListedEntries(platform::FileSystem& files, const std::string& folder);

// The lines alone.
std::optional<std::vector<std::string>> SourceListing(platform::FileSystem& files, const std::string& folder);

// True when `left` sorts before `right`: case is ignored, and punctuation
// comes before digits, which come before letters.
bool ListsBefore(std::string_view left, std::string_view right);

}  // namespace install
