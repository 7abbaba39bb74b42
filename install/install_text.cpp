#include "install/install_text.h"

namespace install {

namespace {

// UTF-8 of U+00C0..U+00DE is C3 80..C3 9E; U+00D7 (the multiplication sign) is no letter.
constexpr unsigned char kLatin1Lead = 0xC3;

bool IsLatin1Capital(unsigned char second) { return second >= 0x80 && second <= 0x9E && second != 0x97; }

}  // namespace

std::string Trim(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  std::size_t first = 0;
  while (first < text.size() && blank(text[first])) ++first;
  std::size_t last = text.size();
  while (last > first && blank(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}

std::string LowerAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

std::string FoldCase(std::string_view text) {
  std::string result = LowerAscii(text);
  for (std::size_t i = 0; i + 1 < result.size(); ++i) {
    auto lead = static_cast<unsigned char>(result[i]);
    auto second = static_cast<unsigned char>(result[i + 1]);
    if (lead != kLatin1Lead || !IsLatin1Capital(second)) continue;
    result[i + 1] = static_cast<char>(second + 0x20);
    ++i;
  }
  return result;
}

bool SameTextIgnoringCase(std::string_view left, std::string_view right) {
  return FoldCase(left) == FoldCase(right);
}

}  // namespace install
