#pragma once
// The text rules of the installation: the trimming and lower-casing of paths,
// and the case folding that path comparisons and the source listing use.
// Texts are UTF-8.
#include <string>
#include <string_view>

namespace install {

// Without the leading and trailing spaces and control characters.
std::string Trim(std::string_view text);

// Small letters for A-Z; every other character unchanged.
std::string LowerAscii(std::string_view text);

// Small letters for A-Z and for the capitals of Latin-1, so that names that
// Windows takes for the same compare equal.
std::string FoldCase(std::string_view text);

bool SameTextIgnoringCase(std::string_view left, std::string_view right);

}  // namespace install
