#pragma once
// Windows compares file names, registry key names and value names without
// regard to letter case, by their upper-case forms. A folded name is that
// form as code points: equal for names Windows takes as the same, and ordered
// as Windows orders them when it sorts without regard to case.
#include <string>
#include <string_view>

#include "text/case_folding.h"

namespace platform {

inline std::u32string FoldedName(std::string_view utf8) { return text::FoldedCodePoints(utf8); }

}  // namespace platform
