#pragma once
// The readable source of a dictionary's data: its languages and its rows.
#include <string>
#include <vector>

#include "i18n/iv_language.h"
#include "i18n/iv_translation.h"

namespace dictionary_compiler {

struct DictionarySource {
  int context_kind = 0;
  std::vector<i18n::TIvLanguage> languages;
  std::vector<i18n::StoredTranslationRow> rows;
};

// Throws SourceError naming the file and line of what is wrong.
DictionarySource ReadDictionarySource(const std::string& path);

}  // namespace dictionary_compiler
