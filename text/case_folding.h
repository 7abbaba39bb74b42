#pragma once
// Letter case. Windows compares file names, registry key names and value names
// without regard to case by their upper-case forms; the folding here is that
// one. The ASCII-only forms serve texts whose rules touch A-Z alone.
#include <string>
#include <string_view>

namespace text {

// The upper-case form of one code point, for ASCII, Latin-1, Latin
// Extended-A, Greek, Cyrillic and full-width Latin letters; every other code
// point is its own.
char32_t UpperCaseOf(char32_t code_point);

// The text's upper-case form as code points: equal for names Windows takes as
// the same, and ordered as Windows orders them when it sorts without regard
// to case. Bytes that are not valid UTF-8 become InvalidByteCodePoint values.
std::u32string FoldedCodePoints(std::string_view utf8);

// The text with its letters upper-cased by UpperCaseOf; bytes that are not
// valid UTF-8 are kept as they are.
std::string UpperCase(std::string_view utf8);

bool SameTextIgnoringCase(std::string_view left, std::string_view right);

// Capitals for a-z; every other byte unchanged.
std::string UpperAscii(std::string_view text);
// Small letters for A-Z; every other byte unchanged.
std::string LowerAscii(std::string_view text);
// Equal but for the case of A-Z.
bool SameTextIgnoringAsciiCase(std::string_view left, std::string_view right);

}  // namespace text
