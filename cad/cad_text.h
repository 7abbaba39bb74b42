#pragma once
// The cuts the CAD code makes in registry paths, search paths and file names.
// Texts are UTF-8; counts and copies go by characters, so a cut never splits
// one, while searches for ASCII needles may use byte offsets.
#include <cstddef>
#include <string>
#include <string_view>

namespace cad {

// Up to `count` characters starting at the byte offset `start`; shorter when
// the text ends first, empty when `start` lies beyond it.
std::string CopyCharacters(std::string_view text, std::size_t start, std::size_t count);
// The text without its last `count` characters; empty when it has no more.
std::string DropLastCharacters(std::string_view text, std::size_t count);
// The part before the first backslash, or the whole text when there is none.
std::string BeforeBackslash(std::string_view text);

}  // namespace cad
