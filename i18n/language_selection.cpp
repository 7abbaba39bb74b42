// Which language of the dictionary is in force, and whether Windows supports it.
#include <algorithm>

#include "i18n/code_pages.h"
#include "i18n/dictionary_errors.h"
#include "i18n/iv_dictionary.h"
#include "platform/locale.h"

namespace i18n {

namespace {

constexpr const char* kNoUsableLanguage = "System does not support any language of the dicitonary!";

// English and Indonesian need nothing beyond the Western code page.
bool NeedsNoCodePage(const TIvLanguage& language) {
  return language.LanguageId == 0 || language.LanguageId == 9 || language.LanguageId == 33 ||
         language.IsNative || language.CodePage == 0;
}

bool Holds(const std::vector<int>& values, int value) {
  return std::find(values.begin(), values.end(), value) != values.end();
}

}  // namespace

std::uint32_t TIvDictionary::ResolveDefaultLocale(std::uint32_t locale_id) const {
  if (locale_id == kUserDefaultLocale) return Locale().UserDefaultLocale();
  if (locale_id == kSystemDefaultLocale) return Locale().SystemDefaultLocale();
  return locale_id;
}

int TIvDictionary::FindLanguageIndex(std::uint32_t locale_id) {
  if (locale_id == 0) return 0;
  locale_id = ResolveDefaultLocale(locale_id);
  const int primary = PrimaryLanguageOf(locale_id);
  const int sub = SubLanguageOf(locale_id);
  const std::vector<TIvLanguage> languages = AllLanguages();
  const auto first_where = [&](auto&& condition) {
    for (std::size_t i = 0; i < languages.size(); ++i) {
      if (languages[i].LanguageId == primary && condition(languages[i])) return int(i);
    }
    return -1;
  };
  int index = first_where([&](const TIvLanguage& language) {
    return language.DefaultSubLanguage == sub || Holds(language.SubLanguages, sub);
  });
  if (index < 0) {
    index = first_where([](const TIvLanguage& language) {
      return language.SubLanguages.empty() || language.SubLanguages[0] == 0;
    });
  }
  if (index < 0) index = first_where([](const TIvLanguage&) { return true; });
  return index;
}

// The code-page level asks no more than the system level: every text of the
// program is drawn through the wide-character API, so a language whose code
// page differs from the system's ANSI code page still shows correctly.
bool TIvDictionary::PassesCheckLevel(const TIvLanguage& language) const {
  if (check_level_ != TIvCheckLevel::ivclSystem) return true;
  return NeedsNoCodePage(language) || Locale().IsCodePageInstalled(language.CodePage);
}

int TIvDictionary::FirstUsableLanguage() {
  const std::vector<TIvLanguage> languages = AllLanguages();
  const std::size_t start = !languages.empty() && languages[0].IsNative ? 1 : 0;
  for (std::size_t i = start; i < languages.size(); ++i) {
    if (PassesCheckLevel(languages[i])) return int(i);
  }
  return -1;
}

void TIvDictionary::SelectLanguage(int value) {
  fallback_language_index_ = 0;
  int index = value;
  if (value == -2) index = FindLanguageIndex(kSystemDefaultLocale);
  if (value == -1) index = FindLanguageIndex(kUserDefaultLocale);
  if (index < 0) index = FirstUsableLanguage();
  if (index < 0) throw EIvMulti(kNoUsableLanguage);
  SelectLanguageIndex(index);
}

void TIvDictionary::SelectLanguageIndex(int index) {
  fallback_language_index_ = 0;
  current_language_index_ = index;
  current_language_ = TIvLanguage();
  if (LanguageCount() > 0) GetLanguage(index, current_language_);
  if (binding_ == TIvBinding::ivbiLocaleToLanguage) ChooseSubLanguage();
  if (!current_language_.SubLanguages.empty()) {
    const int fallback = FindLanguageIndex(MakeLocaleId(current_language_.LanguageId, 0));
    fallback_language_index_ = std::max(fallback, 0);
  }
  language_locale_id_ = MakeLocaleId(current_language_.LanguageId, current_language_.SubLanguage);
  CheckLanguage();
}

void TIvDictionary::ChooseSubLanguage() {
  TIvLanguage& language = current_language_;
  const std::uint32_t system_or_user =
      open_language_ == -2 ? Locale().SystemDefaultLocale() : Locale().UserDefaultLocale();
  int candidate = PrimaryLanguageOf(system_or_user) == language.LanguageId
                      ? SubLanguageOf(system_or_user)
                      : language.DefaultSubLanguage;
  if (candidate < 0 || (!language.SubLanguages.empty() && !Holds(language.SubLanguages, candidate))) {
    candidate = language.DefaultSubLanguage;
  }
  language.SubLanguage = candidate;
}

void TIvDictionary::CheckLanguage() const {
  if (!PassesCheckLevel(current_language_)) {
    throw EIvMulti(current_language_.EnglishName + " is not supported by the system");
  }
}

void TIvDictionary::ChooseLanguageFromLocale() {
  const int index = FindLanguageIndex(current_locale_id_);
  if (index >= 0) {
    SelectLanguageIndex(index);
    language_locale_id_ = current_locale_id_;
    return;
  }
  const int usable = FirstUsableLanguage();
  if (usable < 0) throw EIvMulti(kNoUsableLanguage);
  SelectLanguageIndex(usable);
}

}  // namespace i18n
