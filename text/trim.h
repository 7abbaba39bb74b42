#pragma once
// Trimming. Callers differ in what they take for a blank, so each names its set.
#include <array>
#include <cstddef>
#include <string_view>

namespace text {

inline constexpr std::string_view kSpace = " ";

namespace detail {
constexpr std::array<char, 33> BytesUpToSpace() {
  std::array<char, 33> bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i);
  return bytes;
}
inline constexpr std::array<char, 33> kBytesUpToSpace = BytesUpToSpace();
}  // namespace detail

// The space and every control character below it, as the runtime library's
// Trim removes them.
inline constexpr std::string_view kSpaceAndControls{detail::kBytesUpToSpace.data(), detail::kBytesUpToSpace.size()};

// Without the leading and trailing bytes that `blanks` holds.
constexpr std::string_view Trim(std::string_view text, std::string_view blanks) {
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Without the trailing bytes that `blanks` holds.
constexpr std::string_view TrimEnd(std::string_view text, std::string_view blanks) {
  const std::size_t last = text.find_last_not_of(blanks);
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

}  // namespace text
