#pragma once
// The three stored values of a dictionary, "Languages", "Translations" and
// "Locales": each a list of a version, (for translations) a context kind, a
// count and that many records.
#include <vector>

#include "i18n/form_stream_reader.h"
#include "i18n/form_stream_writer.h"
#include "i18n/iv_language.h"
#include "i18n/iv_locale.h"
#include "i18n/iv_translation.h"

namespace i18n {

inline constexpr int kStoredDataVersion = 2;

struct StoredHeader {
  int version = kStoredDataVersion;
  int context_kind = 0;  // translations only
  int count = 0;
};

// Each reads the list start and the header, checking the version (EIvError
// "Unknown ... data version: n" above 2) and the count.
StoredHeader ReadLanguagesHeader(FormStreamReader& reader);
StoredHeader ReadTranslationsHeader(FormStreamReader& reader);
StoredHeader ReadLocalesHeader(FormStreamReader& reader);

// Records, raw as stored (languages are not normalised here).
void ReadLanguageRecord(FormStreamReader& reader, int version, TIvLanguage& language);
StoredTranslationRow ReadTranslationRow(FormStreamReader& reader, int context_kind,
                                        int language_texts);
void ReadLocaleRecord(FormStreamReader& reader, int version, TIvLocale& record);

// The counting pass over one whole value, the closing 0 included.
int CountLanguages(FormStreamReader& reader);
int CountTranslations(FormStreamReader& reader, int language_count);
int CountLocales(FormStreamReader& reader);

// The texts a row carries: one per language after the native one.
inline int LanguageTextCount(int language_count) { return language_count > 1 ? language_count - 1 : 0; }

void WriteLanguages(FormStreamWriter& writer, std::vector<TIvLanguage> languages,
                    int version = kStoredDataVersion);
void WriteTranslations(FormStreamWriter& writer, const std::vector<StoredTranslationRow>& rows,
                       int context_kind, int version = kStoredDataVersion);
void WriteLocales(FormStreamWriter& writer, std::vector<TIvLocale> records,
                  int version = kStoredDataVersion);

}  // namespace i18n
