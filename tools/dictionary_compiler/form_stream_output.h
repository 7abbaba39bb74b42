#pragma once
// A described form as the binary form stream the program embeds.
#include <string>

#include "tools/dictionary_compiler/form_description.h"

namespace dictionary_compiler {

std::string FormStreamOf(const FormDescription& form);

}  // namespace dictionary_compiler
