#include "dictionary_test_support.h"
#include "i18n/dictionary_errors.h"

namespace i18n_test {
namespace {

class LanguageSelectionTest : public DictionaryTest {
 protected:
  // The compiled dictionary opened on a system of that locale and ANSI code page.
  std::unique_ptr<TIvBinaryDictionary> OpenOn(std::uint32_t system_locale, std::uint32_t code_page) {
    locale.SetSystem(system_locale);
    locale.SetAnsiCodePage(code_page);
    auto dictionary = LoadCompiled();
    dictionary->Open();
    return dictionary;
  }
};

TEST_F(LanguageSelectionTest, SystemLanguageDecidesTheLanguageAtStartUp) {
  const struct { std::uint32_t system; int language; std::uint32_t locale_id; } cases[] = {
      {0x0416, 1, 0x0416},  // Brazil
      {0x0816, 1, 0x0816},  // Portugal
      {0x0C0A, 2, 0x0C0A},  // Spain, modern sort
      {0x040A, 2, 0x040A},  // Spain, traditional sort
      {0x080A, 2, 0x080A},  // Mexico
      {0x0409, 3, 0x0409},  // United States
      {0x0809, 3, 0x0809},  // United Kingdom
      {0x0407, 1, 0x0416},  // Germany: the first usable language, in its default sub-language
  };
  for (const auto& c : cases) {
    auto dictionary = OpenOn(c.system, 1252);
    EXPECT_EQ(dictionary->CurrentLanguageIndex(), c.language) << std::hex << c.system;
    EXPECT_EQ(dictionary->LanguageLocaleId(), c.locale_id) << std::hex << c.system;
    EXPECT_EQ(dictionary->CurrentLocaleId(), c.locale_id) << std::hex << c.system;
    EXPECT_EQ(locale.ThreadLocale(), c.locale_id) << std::hex << c.system;
    EXPECT_EQ(dictionary->Language(), -2);
  }
}

TEST_F(LanguageSelectionTest, SystemsOfAnotherAnsiCodePageStartInPortugueseAndSwitchToSpanish) {
  for (std::uint32_t code_page : {1251u, 65001u}) {
    auto dictionary = OpenOn(0x0419, code_page);
    EXPECT_EQ(dictionary->CurrentLanguageIndex(), 1) << code_page;
    EXPECT_EQ(dictionary->CurrentLocaleId(), 0x0416u) << code_page;
    dictionary->SetLanguage(2);
    EXPECT_EQ(dictionary->CurrentLanguageIndex(), 2);
    EXPECT_EQ(dictionary->CurrentLocaleId(), 0x040Au);
    EXPECT_EQ(dictionary->Translate("Sair"), "Salir");
  }
  // A Spanish user on such a system gets Spanish from the start.
  auto spanish = OpenOn(0x0C0A, 65001);
  EXPECT_EQ(spanish->CurrentLanguageIndex(), 2);
}

TEST_F(LanguageSelectionTest, SystemLevelRefusesACodePageThatIsNotInstalled) {
  locale.SetCodePageInstalled(1252, false);
  locale.SetSystem(0x0416);
  auto dictionary = LoadCompiled();
  dictionary->SetCheckLevel(TIvCheckLevel::ivclSystem);
  // Portuguese and Spanish need 1252; English passes whatever is installed.
  dictionary->SetLanguage(1);
  try {
    dictionary->Open();
    FAIL();
  } catch (const EIvMulti& error) {
    EXPECT_STREQ(error.what(), "Portuguese is not supported by the system");
  }
  EXPECT_FALSE(dictionary->Active());
  EXPECT_EQ(dictionary->FirstUsableLanguage(), 3);
}

TEST_F(LanguageSelectionTest, NoUsableLanguageIsReportedWithItsOwnWording) {
  StoredData data;
  data.languages = {LanguageRecord(0, "Native", "Native", true), LanguageRecord(22, "Portuguese", "Português")};
  data.languages[1].CodePage = 1250;
  locale.SetCodePageInstalled(1250, false);
  locale.SetSystem(0x0407);
  auto dictionary = Load(data);
  dictionary->SetCheckLevel(TIvCheckLevel::ivclSystem);
  try {
    dictionary->Open();
    FAIL();
  } catch (const EIvMulti& error) {
    EXPECT_STREQ(error.what(), "System does not support any language of the dicitonary!");
  }
  dictionary->SetCheckLevel(TIvCheckLevel::ivclNone);
  dictionary->Open();
  EXPECT_EQ(dictionary->CurrentLanguageIndex(), 1);
}

TEST_F(LanguageSelectionTest, SystemLevelRefusesALocaleWhoseCodePageIsNotInstalled) {
  locale.SetCodePageInstalled(1251, false);
  locale.SetSystem(0x0407);
  StoredData data;
  auto dictionary = Load(data);
  dictionary->SetCheckLevel(TIvCheckLevel::ivclSystem);
  dictionary->SetBinding(TIvBinding::ivbiNone);
  dictionary->SetPrimaryLanguage(0x19);
  dictionary->SetSubLanguage(1);
  try {
    dictionary->Open();
    FAIL();
  } catch (const EIvMulti& error) {
    EXPECT_STREQ(error.what(), "The locale (25, 1) is not supported by the system");
  }
}

TEST_F(LanguageSelectionTest, FindLanguageIndexPrefersTheSubLanguageThenTheGeneralRecord) {
  StoredData data;
  TIvLanguage brazil = LanguageRecord(22, "Portuguese (Brazil)", "Português");
  brazil.SubLanguages = {1};
  TIvLanguage portugal = LanguageRecord(22, "Portuguese (Portugal)", "Português");
  portugal.SubLanguages = {2};
  portugal.DefaultSubLanguage = 2;
  TIvLanguage spanish = LanguageRecord(10, "Spanish", "Español");
  spanish.SubLanguages = {3, 1};
  spanish.DefaultSubLanguage = 0;  // becomes the first accepted one
  TIvLanguage spanish_general = LanguageRecord(10, "Spanish", "Español");
  data.languages = {LanguageRecord(0, "Native", "Native", true), brazil, portugal, spanish, spanish_general};
  auto dictionary = Load(data);
  EXPECT_EQ(dictionary->FindLanguageIndex(0x0416), 1);
  EXPECT_EQ(dictionary->FindLanguageIndex(0x0816), 2);
  EXPECT_EQ(dictionary->FindLanguageIndex(0x0C0A), 3);
  EXPECT_EQ(dictionary->FindLanguageIndex(0x080A), 4);  // no record names 2: the one without sub-languages
  EXPECT_EQ(dictionary->FindLanguageIndex(0x0016), 1);  // nothing fits: the first of the language
  EXPECT_EQ(dictionary->FindLanguageIndex(0x0409), -1);
  EXPECT_EQ(dictionary->FindLanguageIndex(0), 0);
  locale.SetUserDefaultLocale(0x0816);
  EXPECT_EQ(dictionary->FindLanguageIndex(0x0400), 2);

  TIvLanguage record;
  dictionary->GetLanguage(3, record);
  EXPECT_EQ(record.DefaultSubLanguage, 3);
}

TEST_F(LanguageSelectionTest, ARegionalLanguageFallsBackToItsGeneralRecord) {
  StoredData data;
  TIvLanguage mexico = LanguageRecord(10, "Spanish (Mexico)", "Español");
  mexico.SubLanguages = {2};
  mexico.DefaultSubLanguage = 2;
  data.languages = {LanguageRecord(0, "Native", "Native", true), LanguageRecord(10, "Spanish", "Español"), mexico};
  data.rows = {{"Arquivo", "", "", {"Archivo", "Fichero"}}, {"Sair", "", "", {"Salir", ""}},
               {"Obra", "", "", {"", ""}}};
  locale.SetSystem(0x080A);
  auto dictionary = Load(data);
  dictionary->SetLanguage(-2);
  dictionary->Open();
  EXPECT_EQ(dictionary->CurrentLanguageIndex(), 2);
  EXPECT_EQ(dictionary->FallbackLanguageIndex(), 1);
  ASSERT_EQ(dictionary->Rows().size(), 2u);
  EXPECT_EQ(dictionary->Translate("Arquivo"), "Fichero");
  EXPECT_EQ(dictionary->Rows()[0].Origin, 0);
  EXPECT_EQ(dictionary->Translate("Sair"), "Salir");
  EXPECT_EQ(dictionary->Rows()[1].Origin, 1);
  EXPECT_EQ(dictionary->Translate("Obra"), "Obra");
}

TEST_F(LanguageSelectionTest, LanguagesWithoutNamesOrCodePageAreCompletedFromWindows) {
  StoredData data;
  TIvLanguage russian = LanguageRecord(25, "", "");
  russian.CodePage = 0;
  TIvLanguage spanish = LanguageRecord(10, "", "");
  data.languages = {LanguageRecord(0, "Whatever", "Whatever"), russian, spanish};
  auto dictionary = Load(data);
  TIvLanguage record;
  dictionary->GetLanguage(0, record);
  EXPECT_EQ(record.EnglishName, "Native");
  EXPECT_TRUE(record.IsNative);
  dictionary->GetLanguage(1, record);
  EXPECT_EQ(record.EnglishName, "Russian");
  EXPECT_EQ(record.NativeName, "русский");
  EXPECT_EQ(record.CodePage, 1251);
  EXPECT_EQ(record.Charset, 204);
  EXPECT_EQ(record.Iso3166, "RU");
  dictionary->GetLanguage(2, record);
  EXPECT_EQ(record.EnglishName, "Spanish");
}

TEST_F(LanguageSelectionTest, LanguageFollowsTheLocaleWithTheReverseBinding) {
  locale.SetSystem(0x0416);
  auto dictionary = LoadCompiled();
  dictionary->SetBinding(TIvBinding::ivbiLanguageToLocale);
  dictionary->SetPrimaryLanguage(10);
  dictionary->SetSubLanguage(3);
  dictionary->Open();
  EXPECT_EQ(dictionary->CurrentLocaleId(), 0x0C0Au);
  EXPECT_EQ(dictionary->CurrentLanguageIndex(), 2);
  EXPECT_EQ(dictionary->LanguageLocaleId(), 0x0C0Au);
  std::vector<std::string> log;
  RecordingTranslator translator("form", log);
  translator.Attach(*dictionary);
  dictionary->SetPrimaryLanguage(9);
  dictionary->SetSubLanguage(1);
  EXPECT_EQ(dictionary->CurrentLanguageIndex(), 3);
  EXPECT_EQ(log, (std::vector<std::string>{"form changed 11", "form changed 01"}));
  dictionary->SetSubLanguage(1);  // unchanged: nothing happens
  EXPECT_EQ(log.size(), 2u);
}

}  // namespace
}  // namespace i18n_test
