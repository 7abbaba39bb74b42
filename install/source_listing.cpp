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

std::string Displayed(const platform::DirectoryEntry& entry) {
  return entry.is_folder ? "[" + entry.name + "]" : entry.name;
}

}  // namespace

bool ListsBefore(std::string_view left, std::string_view right) {
  std::string folded_left = text::UpperCase(left);
  std::string folded_right = text::UpperCase(right);
  if (folded_left != folded_right) return FoldedBefore(folded_left, folded_right);
  return left < right;
}

std::optional<std::vector<std::string>> SourceListing(platform::FileSystem& files, const std::string& folder) {
  auto entries = files.ListFolder(folder);
  if (!entries) return std::nullopt;
  std::vector<std::string> listing;
  listing.reserve(entries->size());
  for (const auto& entry : *entries) listing.push_back(Displayed(entry));
  std::sort(listing.begin(), listing.end(),
            [](const std::string& a, const std::string& b) { return ListsBefore(a, b); });
  return listing;
}

}  // namespace install
