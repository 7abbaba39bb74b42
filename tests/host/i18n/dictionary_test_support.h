#pragma once
// Building blocks of the i18n tests: form streams holding a dictionary's
// record, a dictionary loaded from them, and a translator that records what
// it is told.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "i18n/euro_rule.h"
#include "i18n/form_stream_writer.h"
#include "i18n/iv_binary_dictionary.h"
#include "i18n/locale_settings.h"
#include "i18n/reading_direction.h"
#include "i18n/runtime_texts.h"
#include "i18n/stored_dictionary_data.h"
#include "platform/memory/memory_locale.h"
#include "platform/memory/memory_resources.h"

namespace i18n_test {

using namespace i18n;

inline TIvLanguage LanguageRecord(int id, const std::string& english, const std::string& native,
                                  bool is_native = false) {
  TIvLanguage language;
  language.LanguageId = id;
  language.DefaultSubLanguage = id == 0 ? 0 : 1;
  language.CodePage = 1252;
  language.EnglishName = english;
  language.NativeName = native;
  language.IsNative = is_native;
  return language;
}

// The four languages of the main window's dictionary.
inline std::vector<TIvLanguage> FourLanguages() {
  return {LanguageRecord(0, "Native", "Native", true), LanguageRecord(22, "Portuguese", "Português"),
          LanguageRecord(10, "Spanish", "Español"), LanguageRecord(9, "English", "English")};
}

// A row with only a Spanish text, as all rows of the main window's dictionary.
inline StoredTranslationRow SpanishRow(const std::string& native, const std::string& spanish,
                                       const std::string& context_class = "",
                                       const std::string& context_component = "") {
  return {native, context_class, context_component, {"", spanish, ""}};
}

struct StoredData {
  std::vector<TIvLanguage> languages = FourLanguages();
  std::vector<StoredTranslationRow> rows;
  std::vector<TIvLocale> locales;
  int context_kind = 1;
  int languages_version = 2;
  int translations_version = 2;
  int locales_version = 2;
  // Extra properties written before the stored values.
  std::function<void(FormStreamWriter&)> properties;
  std::string dictionary_class = "TIvBinaryDictionary";
  std::string dictionary_name = "Dictionary1";
};

// "TForm1" with an unrelated child first and the dictionary's record after it.
inline std::string FormStream(const StoredData& data) {
  FormStreamWriter writer;
  writer.WriteSignature();
  writer.WriteObjectHeader("TForm1", "Form1");
  writer.WritePropertyName("Caption");
  writer.WriteString("Instalação");
  writer.WriteEnd();
  writer.WriteObjectHeader("TPanel", "Panel1");
  writer.WriteEnd();
  writer.WriteObjectHeader("TLabel", "Label1");
  writer.WritePropertyName("Caption");
  writer.WriteString("Languages");
  writer.WriteEnd();
  writer.WriteEnd();
  writer.WriteEnd();
  writer.WriteObjectHeader(data.dictionary_class, data.dictionary_name);
  writer.WritePropertyName("Storage");
  writer.WriteIdentifier("ivsEmbedded");
  if (data.properties) data.properties(writer);
  writer.WritePropertyName("Languages");
  WriteLanguages(writer, data.languages, data.languages_version);
  writer.WritePropertyName("Translations");
  WriteTranslations(writer, data.rows, data.context_kind, data.translations_version);
  writer.WritePropertyName("Locales");
  WriteLocales(writer, data.locales, data.locales_version);
  writer.WriteEnd();
  writer.WriteEnd();
  writer.WriteEnd();
  return writer.Bytes();
}

inline void ResetProcessWideState() {
  SetTodaySource([] { return CalendarDate{2024, 6, 1}; });
  SetProcessEuroMode(TIvEuro::iveNormal);
  LocaleSettings() = FormatSettings();
  SetReadingDirectionListener({});
  SetApplicationRightToLeft(false);
  RemoveRuntimeTextHooks();
}

class DictionaryTest : public ::testing::Test {
 protected:
  DictionaryTest() { ResetProcessWideState(); }
  ~DictionaryTest() override { SetTodaySource({}); }

  // A dictionary loaded from the given data, named as its record.
  std::unique_ptr<TIvBinaryDictionary> Load(const StoredData& data) {
    resources.Add("TForm1", FormStream(data));
    auto dictionary = std::make_unique<TIvBinaryDictionary>(data.dictionary_name);
    dictionary->LoadFromForm("TForm1", locale, resources);
    return dictionary;
  }

  std::unique_ptr<TIvBinaryDictionary> LoadCompiled() {
    resources.LoadFile("TForm1", std::string(GEOLUME_FORM_STREAMS_DIR) + "/TForm1.bin");
    auto dictionary = std::make_unique<TIvBinaryDictionary>("Dictionary1");
    dictionary->LoadFromForm("TForm1", locale, resources);
    return dictionary;
  }

  platform::MemoryLocale locale;
  platform::MemoryResources resources;
};

// Records the calls a dictionary makes, into a log shared with the test.
class RecordingTranslator : public TIvTranslatorLink {
 public:
  RecordingTranslator(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}
  ~RecordingTranslator() override {
    if (!dictionary_) return;
    dictionary_->UnregisterTranslator(*this);
    dictionary_->RemoveFreeNotification(*this);
  }

  // Binds and registers, asking to be told of the dictionary's end as a
  // bound translator does.
  void Attach(TIvDictionary& dictionary) {
    dictionary_ = &dictionary;
    dictionary.FreeNotification(*this);
    dictionary.RegisterTranslator(*this);
  }
  void LanguageChanged(bool language_changed, bool locale_changed) override {
    log_.push_back(name_ + " changed " + std::to_string(language_changed) + std::to_string(locale_changed));
  }
  void Close() override {
    log_.push_back(name_ + " closed");
    if (dictionary_) dictionary_->UnregisterTranslator(*this);
  }
  void DictionaryDestroyed(TIvDictionary&) override {
    log_.push_back(name_ + " told of destruction");
    dictionary_ = nullptr;
  }

 private:
  std::string name_;
  std::vector<std::string>& log_;
  TIvDictionary* dictionary_ = nullptr;
};

}  // namespace i18n_test
