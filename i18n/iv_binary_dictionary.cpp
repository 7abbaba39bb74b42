#include "i18n/iv_binary_dictionary.h"

#include "i18n/dictionary_errors.h"
#include "i18n/stored_dictionary_data.h"

namespace i18n {

namespace {

// The row's text in one language; language 0 has no column of its own.
std::string TextOfLanguage(const StoredTranslationRow& row, int language_index) {
  if (language_index < 1 || language_index > int(row.Texts.size())) return "";
  return row.Texts[language_index - 1];
}

}  // namespace

bool TIvBinaryDictionary::ReadProperty(const std::string& name, FormStreamReader& reader) {
  if (name == "Languages") {
    stored_language_count_ = CountLanguages(reader);
  } else if (name == "Translations") {
    stored_translation_count_ = CountTranslations(reader, stored_language_count_);
  } else if (name == "Locales") {
    stored_locale_count_ = CountLocales(reader);
  } else {
    return TIvCustomFileDictionary::ReadProperty(name, reader);
  }
  return true;
}

FormStreamReader TIvBinaryDictionary::StoredValue(const std::string& property) const {
  RequireEmbeddedStorage();
  return LocateStoredValue(Resources(), Record(), property);
}

void TIvBinaryDictionary::GetLanguage(int index, TIvLanguage& language) {
  if (index < 0 || index >= LanguageCount()) throw EIvRangeError("Out of language range");
  FormStreamReader reader = StoredValue("Languages");
  const StoredHeader header = ReadLanguagesHeader(reader);
  for (int i = 0; i <= index; ++i) {
    ReadLanguageRecord(reader, header.version, language);
    NormaliseLanguage(language, Locale());
  }
}

void TIvBinaryDictionary::GetLocale(int index, TIvLocale& record) {
  if (index < 0 || index >= LocaleCount()) throw EIvRangeError("Out of locale range");
  FormStreamReader reader = StoredValue("Locales");
  const StoredHeader header = ReadLocalesHeader(reader);
  for (int i = 0; i <= index; ++i) ReadLocaleRecord(reader, header.version, record);
}

std::vector<TIvLanguage> TIvBinaryDictionary::AllLanguages() {
  std::vector<TIvLanguage> languages;
  if (LanguageCount() == 0) return languages;
  FormStreamReader reader = StoredValue("Languages");
  const StoredHeader header = ReadLanguagesHeader(reader);
  for (int i = 0; i < header.count; ++i) {
    TIvLanguage& language = languages.emplace_back();
    ReadLanguageRecord(reader, header.version, language);
    NormaliseLanguage(language, Locale());
  }
  return languages;
}

std::vector<TIvLocale> TIvBinaryDictionary::AllLocales() {
  std::vector<TIvLocale> records;
  if (LocaleCount() == 0) return records;
  FormStreamReader reader = StoredValue("Locales");
  const StoredHeader header = ReadLocalesHeader(reader);
  for (int i = 0; i < header.count; ++i) {
    ReadLocaleRecord(reader, header.version, records.emplace_back());
  }
  return records;
}

void TIvBinaryDictionary::ReloadTranslations() {
  SetRows({}, ContextKind());
  FormStreamReader reader = StoredValue("Translations");
  const StoredHeader header = ReadTranslationsHeader(reader);
  const int language_texts = LanguageTextCount(LanguageCount());
  std::vector<TIvTranslation> rows;
  for (int i = 0; i < header.count; ++i) {
    StoredTranslationRow stored = ReadTranslationRow(reader, header.context_kind, language_texts);
    std::string current = TextOfLanguage(stored, CurrentLanguageIndex());
    std::string fallback = TextOfLanguage(stored, FallbackLanguageIndex());
    if (current.empty() && fallback.empty()) continue;
    TIvTranslation& row = rows.emplace_back();
    row.NativeText = std::move(stored.NativeText);
    row.ContextClass = std::move(stored.ContextClass);
    row.ContextComponent = std::move(stored.ContextComponent);
    row.Origin = current.empty() ? 1 : 0;
    row.Translation = current.empty() ? std::move(fallback) : std::move(current);
  }
  SetRows(std::move(rows), header.context_kind);
}

}  // namespace i18n
