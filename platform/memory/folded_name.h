#pragma once
// Windows compares file names, registry key names and value names without
// regard to letter case, by their upper-case forms. A folded name is that
// form as code points: equal for names Windows takes as the same, and ordered
// as Windows orders them when it sorts without regard to case.
#include <string>
#include <string_view>

namespace platform {

// Upper-cases every letter of the Basic Multilingual Plane whose upper-case
// form lower-cases back to it (so final sigma and dotless i stay apart from
// sigma and I, as on Windows). Bytes that are not valid UTF-8 stay distinct
// from every letter.
std::u32string FoldedName(std::string_view utf8);

}  // namespace platform
