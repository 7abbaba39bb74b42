#include "i18n/iv_language.h"

#include <charconv>

#include "i18n/code_pages.h"
#include "i18n/dictionary_errors.h"
#include "i18n/language_naming.h"
#include "platform/locale.h"
#include "text/trim.h"

namespace i18n {

namespace {

constexpr int kChinese = 4;
constexpr int kSerboCroatian = 26;

int ParseEntry(std::string_view entry) {
  int value = 0;
  const char* end = entry.data() + entry.size();
  const auto [stop, error] = std::from_chars(entry.data(), end, value);
  if (entry.empty() || error != std::errc() || stop != end) {
    throw EIvError("'" + std::string(entry) + "' is not a valid integer value");
  }
  return value;
}

// The locale Windows describes the language by, and the code page that goes
// with it where the sub-language alone does not tell.
struct LookupLocale {
  std::uint32_t lcid = 0;
  std::optional<int> code_page;
};

LookupLocale LookupLocaleOf(const TIvLanguage& language) {
  int sub = language.SubLanguages.empty() ? language.DefaultSubLanguage : language.SubLanguages[0];
  std::optional<int> code_page;
  if (sub == 0 && language.LanguageId == kChinese) {
    sub = language.CodePage == 950 ? 1 : 2;
    code_page = sub == 1 ? 950 : 936;
  } else if (sub == 0 && language.LanguageId == kSerboCroatian) {
    sub = language.CodePage == 1251 ? 3 : 1;
    code_page = sub == 1 ? 1250 : 1251;
  }
  return {MakeLocaleId(language.LanguageId, sub), code_page};
}

std::optional<int> NumberFact(platform::Locale& locale, std::uint32_t lcid, std::uint32_t lctype) {
  const auto text = locale.LocaleInfo(lcid, lctype);
  if (!text) return std::nullopt;
  int value = 0;
  const auto [stop, error] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (error != std::errc()) return std::nullopt;
  return value;
}

void FillFromWindows(TIvLanguage& language, platform::Locale& locale) {
  const LookupLocale lookup = LookupLocaleOf(language);
  language.Iso639 = locale.LocaleInfo(lookup.lcid, platform::kLocaleSIso639LanguageName).value_or("");
  language.Iso3166 = locale.LocaleInfo(lookup.lcid, platform::kLocaleSIso3166CountryName).value_or("");
  if (language.CodePage == 0) {
    const auto windows = lookup.code_page ? lookup.code_page
                                          : NumberFact(locale, lookup.lcid,
                                                       platform::kLocaleIDefaultAnsiCodePage);
    language.CodePage = DefaultAnsiCodePage(language.LanguageId, SubLanguageOf(lookup.lcid), windows);
  }
  if (language.EnglishName.empty()) {
    const auto name = locale.LocaleInfo(lookup.lcid, platform::kLocaleSEnglishLanguage);
    if (name) language.EnglishName = LanguageName(language.LanguageId, *name, language.CodePage);
  }
  if (language.NativeName.empty()) {
    language.NativeName = locale.LocaleInfo(lookup.lcid, platform::kLocaleSNativeLanguage).value_or("");
  }
}

}  // namespace

std::vector<int> ParseSubLanguages(const std::string& stored) {
  std::vector<int> sub_languages;
  if (text::Trim(stored, text::kSpace).empty()) return sub_languages;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = stored.find(',', start);
    const std::string_view entry = std::string_view(stored).substr(start, comma - start);
    const int value = ParseEntry(text::Trim(entry, text::kSpace));
    if (value >= 1) sub_languages.push_back(value);
    if (comma == std::string::npos) return sub_languages;
    start = comma + 1;
  }
}

std::string FormatSubLanguages(const std::vector<int>& sub_languages) {
  std::string text;
  for (int value : sub_languages) {
    if (!text.empty()) text += ',';
    text += std::to_string(value);
  }
  return text;
}

void NormaliseLanguage(TIvLanguage& language, platform::Locale& locale) {
  if (language.LanguageId < 0) language.LanguageId = 0;
  if (language.LanguageId == 0) {
    language.DefaultSubLanguage = 0;
    language.SubLanguages.clear();
    language.FirstFlag = false;
    language.IsNative = true;
    language.EnglishName = "Native";
    language.NativeName = "Native";
  } else {
    if (language.DefaultSubLanguage <= 0) {
      language.DefaultSubLanguage = language.SubLanguages.empty() ? 1 : language.SubLanguages[0];
    }
    FillFromWindows(language, locale);
  }
  language.SubLanguage = language.DefaultSubLanguage;
  language.Charset = CharsetOfCodePage(language.CodePage);
}

}  // namespace i18n
