#pragma once
// How a language is named in English from the name Windows gives it: the
// script or the variant that the code page implies is added as a suffix.
#include <string>

namespace i18n {

class TIvDictionary;

struct LanguageNameParts {
  std::string first;
  std::string suffix;  // empty when the language needs none
};

LanguageNameParts LanguageNamePartsOf(int primary_language, const std::string& windows_name,
                                      int code_page);

// The parts joined by ", " when there is a suffix.
std::string JoinedLanguageName(const LanguageNameParts& parts);
std::string LanguageName(int primary_language, const std::string& windows_name, int code_page);

// The same with both parts passed through Translate of the dictionary, or
// of the first registered one when none is given (untranslated when there is none).
std::string TranslatedLanguageName(int primary_language, const std::string& windows_name,
                                   int code_page, TIvDictionary* dictionary = nullptr);

}  // namespace i18n
