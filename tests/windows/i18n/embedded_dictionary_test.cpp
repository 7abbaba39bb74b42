// The dictionary as the built Instalar.exe carries it, resolved by Wine's own
// locale data. The prefix's locale comes from the test's name (see the
// CMakeLists): SpanishSystem, RussianSystem, or a Brazilian system otherwise.
#include <gtest/gtest.h>

#include <map>

#include "i18n/form_record_locator.h"
#include "i18n/iv_binary_dictionary.h"
#include "i18n/stored_dictionary_data.h"
#include "platform/resources.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_locale.h"
#include "testing/windows_support/driver.h"

namespace {

// The RCDATA resources of the built program, read without running it.
class ProgramResources : public platform::Resources {
 public:
  ProgramResources()
      : module_(LoadLibraryExW(platform::Widen(wintest::InstallerPath()).c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  ~ProgramResources() override {
    if (module_) FreeLibrary(module_);
  }
  bool Loaded() const { return module_ != nullptr; }
  std::optional<std::string> RcData(const std::string& name) override {
    HRSRC found = FindResourceW(module_, platform::Widen(name).c_str(), MAKEINTRESOURCEW(10));
    if (!found) return std::nullopt;
    HGLOBAL data = LoadResource(module_, found);
    return std::string(static_cast<const char*>(LockResource(data)), SizeofResource(module_, found));
  }

 private:
  HMODULE module_;
};

struct Loaded {
  ProgramResources resources;
  platform::Win32Locale locale;
  i18n::TIvBinaryDictionary dictionary{"Dictionary1"};
  Loaded() { dictionary.LoadFromForm("TForm1", locale, resources); }
};

TEST(EmbeddedDictionary, ProgramCarriesFourLanguagesAndAllRows) {
  Loaded loaded;
  ASSERT_TRUE(loaded.resources.Loaded());
  EXPECT_EQ(loaded.dictionary.LanguageCount(), 4);
  EXPECT_EQ(loaded.dictionary.TranslationCount(), 217);
  EXPECT_EQ(loaded.dictionary.LocaleCount(), 0);
  EXPECT_EQ(loaded.dictionary.Language(), -2);
  EXPECT_TRUE(loaded.resources.RcData("Tcontrato").has_value());

  // Rows by context, read back from the program itself.
  auto reader = i18n::LocateStoredValue(loaded.resources, {"TForm1", "TIvBinaryDictionary", "Dictionary1"},
                                        "Translations");
  auto header = i18n::ReadTranslationsHeader(reader);
  std::map<std::string, int> by_context;
  for (int i = 0; i < header.count; ++i) {
    auto row = i18n::ReadTranslationRow(reader, header.context_kind, 3);
    ++by_context[row.ContextClass.empty() ? "(none)" : row.ContextClass];
  }
  EXPECT_EQ(by_context["TForm1"], 37);
  EXPECT_EQ(by_context["Tcontrato"], 65);
  EXPECT_EQ(by_context["(none)"], 115);
  for (const auto& [context, count] : by_context) std::printf("rows with context %s: %d\n", context.c_str(), count);
}

TEST(EmbeddedDictionary, BrazilianSystemResolvesToPortuguese) {
  Loaded loaded;
  EXPECT_EQ(GetSystemDefaultLCID(), 0x0416u);
  loaded.dictionary.Open();
  EXPECT_EQ(loaded.dictionary.CurrentLanguageIndex(), 1);
  EXPECT_EQ(loaded.dictionary.Translate("Sair"), "Sair");
}

TEST(EmbeddedDictionary, SpanishSystemResolvesToSpanish) {
  Loaded loaded;
  EXPECT_EQ(GetSystemDefaultLCID(), 0x0C0Au);
  loaded.dictionary.Open();
  EXPECT_EQ(loaded.dictionary.CurrentLanguageIndex(), 2);
  EXPECT_EQ(loaded.dictionary.Translate("Erro na Instalação"), "Error en la instalación");
}

TEST(EmbeddedDictionary, RussianSystemStartsInPortugueseAndStillSwitchesToSpanish) {
  Loaded loaded;
  EXPECT_EQ(GetACP(), 1251u);
  loaded.dictionary.Open();
  EXPECT_EQ(loaded.dictionary.CurrentLanguageIndex(), 1);
  loaded.dictionary.SetLanguage(2);
  EXPECT_EQ(loaded.dictionary.CurrentLanguageIndex(), 2);
  EXPECT_EQ(loaded.dictionary.Translate("Erro na Instalação"), "Error en la instalación");
}

}  // namespace
