// Language names in the dictionary's language.
#include "i18n/iv_dictionaries.h"
#include "i18n/iv_dictionary.h"
#include "i18n/language_naming.h"

namespace i18n {

std::string TranslatedLanguageName(int primary_language, const std::string& windows_name,
                                   int code_page, TIvDictionary* dictionary) {
  if (!dictionary) dictionary = TIvDictionaries::First();
  LanguageNameParts parts = LanguageNamePartsOf(primary_language, windows_name, code_page);
  if (dictionary) {
    parts.first = dictionary->Translate(parts.first);
    parts.suffix = dictionary->Translate(parts.suffix);
  }
  return JoinedLanguageName(parts);
}

}  // namespace i18n
