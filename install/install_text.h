#pragma once
// The text rules of the installation: message formats with %s places, the
// trimming and lower-casing of paths, and the case folding that path
// comparisons and the source listing use. Texts are UTF-8.
#include <initializer_list>
#include <string>
#include <string_view>

namespace install {

// Puts the values into the format's %s places, in order; places left over
// stay as they are, values left over are dropped.
std::string FillIn(std::string_view format, std::initializer_list<std::string_view> values);

// Without the leading and trailing spaces and control characters.
std::string Trim(std::string_view text);

// Small letters for A-Z; every other character unchanged.
std::string LowerAscii(std::string_view text);

// Small letters for A-Z and for the capitals of Latin-1, so that names that
// Windows takes for the same compare equal.
std::string FoldCase(std::string_view text);

bool SameTextIgnoringCase(std::string_view left, std::string_view right);

}  // namespace install
