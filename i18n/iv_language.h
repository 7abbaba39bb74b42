#pragma once
// A language of a dictionary, as stored and as completed from Windows' data.
#include <string>
#include <vector>

namespace platform {
class Locale;
}

namespace i18n {

struct TIvLanguage {
  int LanguageId = 0;                // Windows primary language; 0 = the native language
  std::vector<int> SubLanguages;     // accepted sub-languages
  int DefaultSubLanguage = 0;
  int Charset = 0;                   // derived from CodePage
  int CodePage = 0;
  std::string EnglishName;
  std::string NativeName;
  std::string FontName;              // empty = keep the form's own
  int FontSize = 0;                  // 0 = keep the form's own
  bool FirstFlag = false;            // kept for the stored form only
  bool IsNative = false;

  // Derived after reading.
  int SubLanguage = 0;               // the chosen sub-language
  std::string Iso639;
  std::string Iso3166;
};

// "1,2,3"; entries below 1 are dropped; a non-numeric entry raises EIvError.
std::vector<int> ParseSubLanguages(const std::string& stored);
std::string FormatSubLanguages(const std::vector<int>& sub_languages);

// Fills what the record leaves open from Windows' data and derives the rest.
void NormaliseLanguage(TIvLanguage& language, platform::Locale& locale);

// The stored fields in stored order, for the reader and the writer alike.
// The visitor has Integer(int&), Text(std::string&), Boolean(bool&) and
// SubLanguages(std::vector<int>&).
template <typename Visitor>
void VisitStoredFields(TIvLanguage& language, int version, Visitor& visit) {
  visit.Integer(language.LanguageId);
  visit.SubLanguages(language.SubLanguages);
  visit.Integer(language.DefaultSubLanguage);
  if (version >= 2) visit.Integer(language.Charset);
  visit.Integer(language.CodePage);
  visit.Text(language.EnglishName);
  visit.Text(language.NativeName);
  visit.Text(language.FontName);
  visit.Integer(language.FontSize);
  visit.Boolean(language.FirstFlag);
  visit.Boolean(language.IsNative);
}

}  // namespace i18n
