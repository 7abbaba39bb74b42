#pragma once
// The dictionary whose languages, rows and locales are stored as values of
// its record in the owner form's description. Nothing of them is kept: each
// read walks to the value again with a fresh reader.
#include "i18n/iv_custom_file_dictionary.h"

namespace i18n {

class TIvBinaryDictionary : public TIvCustomFileDictionary {
 public:
  using TIvCustomFileDictionary::TIvCustomFileDictionary;

  std::string ClassName() const override { return "TIvBinaryDictionary"; }

  // The counts found when the form description was read.
  int LanguageCount() override { return stored_language_count_; }
  int TranslationCount() override { return stored_translation_count_; }
  int LocaleCount() override { return stored_locale_count_; }

  void GetLanguage(int index, TIvLanguage& language) override;
  void GetLocale(int index, TIvLocale& record) override;
  std::vector<TIvLanguage> AllLanguages() override;
  std::vector<TIvLocale> AllLocales() override;

 protected:
  bool ReadProperty(const std::string& name, FormStreamReader& reader) override;
  void ReloadTranslations() override;

 private:
  FormStreamReader StoredValue(const std::string& property) const;

  int stored_language_count_ = 0;
  int stored_translation_count_ = 0;
  int stored_locale_count_ = 0;
};

}  // namespace i18n
