#include "install/source_listing.h"

#include <algorithm>

#include "text/case_folding.h"

namespace install {

namespace {

// Windows' text order puts punctuation first, then digits, then letters;
// every byte of a non-ASCII character belongs to a letter.
int CharacterClass(unsigned char c) {
  if (c >= '0' && c <= '9') return 1;
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c >= 0x80) return 2;
  return 0;
}

bool FoldedBefore(const std::string& left, const std::string& right) {
  std::size_t common = std::min(left.size(), right.size());
  for (std::size_t i = 0; i < common; ++i) {
    auto a = static_cast<unsigned char>(left[i]);
    auto b = static_cast<unsigned char>(right[i]);
    if (a == b) continue;
    int class_a = CharacterClass(a);
    int class_b = CharacterClass(b);
    if (class_a != class_b) return class_a < class_b;
    return a < b;
  }
  return left.size() < right.size();
}

// Upper-cased once per line rather than at each of the sort's comparisons.
struct SortKey {
  std::string folded;
  ListedEntry entry;
};

// Names equal but for case keep an order all the same.
bool Before(const std::string& folded_left, std::string_view left, const std::string& folded_right,
            std::string_view right) {
  if (folded_left != folded_right) return FoldedBefore(folded_left, folded_right);
  return left < right;
}

bool KeyBefore(const SortKey& left, const SortKey& right) {
  return Before(left.folded, left.entry.text, right.folded, right.entry.text);
}

}  // namespace

bool ListsBefore(std::string_view left, std::string_view right) {
  return Before(text::UpperCase(left), left, text::UpperCase(right), right);
}

std::optional<std::vector<ListedEntry>> ListedEntries(platform::FileSystem& files, const std::string& folder) {
  auto entries = files.ListFolder(folder);
  if (!entries) return std::nullopt;
  std::vector<SortKey> keys;
  keys.reserve(entries->size());
  for (auto& entry : *entries) {
    std::string text = entry.is_folder ? "[" + entry.name + "]" : std::move(entry.name);
    keys.push_back({text::UpperCase(text), {std::move(text), entry.is_folder}});
  }
  std::sort(keys.begin(), keys.end(), KeyBefore);
  std::vector<ListedEntry> listing;
  listing.reserve(keys.size());
  for (auto& key : keys) listing.push_back(std::move(key.entry));
  return listing;
}

std::optional<std::vector<std::string>> SourceListing(platform::FileSystem& files, const std::string& folder) {
  auto entries = ListedEntries(files, folder);
  if (!entries) return std::nullopt;
  std::vector<std::string> lines;
  lines.reserve(entries->size());
  for (auto& entry : *entries) lines.push_back(std::move(entry.text));
  return lines;
}

}  // namespace install
