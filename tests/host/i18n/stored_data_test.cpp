#include "dictionary_test_support.h"
#include "i18n/dictionary_errors.h"
#include "i18n/form_record_locator.h"
#include "i18n/form_stream_error.h"
#include "i18n/target_properties_data.h"

namespace i18n_test {
namespace {

using StoredDataTest = DictionaryTest;

template <typename Call>
std::string ErrorOf(Call call) {
  try {
    call();
  } catch (const std::exception& error) {
    return error.what();
  }
  return "no error";
}

TEST_F(StoredDataTest, VersionThreeIsRefusedWithTheMessageOfItsKind) {
  StoredData languages;
  languages.languages_version = 3;
  EXPECT_EQ(ErrorOf([&] { Load(languages); }), "Unknown language data version: 3");

  StoredData translations;
  translations.translations_version = 3;
  EXPECT_EQ(ErrorOf([&] { Load(translations); }), "Unknown translation data version: 3");

  StoredData locales;
  locales.locales_version = 3;
  EXPECT_EQ(ErrorOf([&] { Load(locales); }), "Unknown locale data version: 3");
  EXPECT_THROW(Load(locales), EIvError);
}

TEST_F(StoredDataTest, VersionOneTranslationsHaveNoContextKind) {
  StoredData data;
  data.translations_version = 1;
  data.context_kind = 0;
  data.rows = {SpanishRow("Sair", "Salir"), SpanishRow("Cancelar", "Cancelar")};
  auto dictionary = Load(data);
  EXPECT_EQ(dictionary->TranslationCount(), 2);
  dictionary->Open();
  dictionary->SetLanguage(2);
  EXPECT_EQ(dictionary->ContextKind(), 0);
  EXPECT_EQ(dictionary->Translate("Sair"), "Salir");
  EXPECT_EQ(dictionary->TranslateInContext("Sair", "TForm1", "Label16"), "Salir");
}

TEST_F(StoredDataTest, VersionOneLanguagesCarryNoCharset) {
  StoredData data;
  data.languages_version = 1;
  auto dictionary = Load(data);
  ASSERT_EQ(dictionary->LanguageCount(), 4);
  TIvLanguage spanish;
  dictionary->GetLanguage(2, spanish);
  EXPECT_EQ(spanish.EnglishName, "Spanish");
  EXPECT_EQ(spanish.CodePage, 1252);
}

TEST_F(StoredDataTest, LongRowTextIsStoredWithTheLongTagAndFound) {
  const std::string native(300, 'n');
  const std::string spanish(400, 's');
  StoredData data;
  data.rows = {SpanishRow(native, spanish)};
  const std::string stream = FormStream(data);
  EXPECT_NE(stream.find(std::string("\x0C\x2C\x01\x00\x00", 5) + native), std::string::npos);
  EXPECT_NE(stream.find(std::string("\x0C\x90\x01\x00\x00", 5) + spanish), std::string::npos);
  auto dictionary = Load(data);
  dictionary->Open();
  dictionary->SetLanguage(2);
  EXPECT_EQ(dictionary->Translate(native), spanish);
}

TEST_F(StoredDataTest, ARecordThatMatchesNoChildOfTheRootIsNotFound) {
  StoredData data;
  data.dictionary_name = "Dictionary2";
  resources.Add("TForm1", FormStream(data));
  TIvBinaryDictionary dictionary("Dictionary1");
  EXPECT_EQ(ErrorOf([&] { dictionary.LoadFromForm("TForm1", locale, resources); }),
            "Could not find the property");
  EXPECT_THROW(dictionary.LoadFromForm("TForm1", locale, resources), EIvResourceNotFound);

  // Names compare exactly.
  TIvBinaryDictionary other_case("dictionary2");
  EXPECT_THROW(other_case.LoadFromForm("TForm1", locale, resources), EIvResourceNotFound);
}

TEST_F(StoredDataTest, AValueMissingFromTheRecordIsNotFound) {
  StoredData data;
  auto dictionary = Load(data);
  const ComponentRecord record{"TForm1", "TIvBinaryDictionary", "Dictionary1"};
  EXPECT_NO_THROW(LocateStoredValue(resources, record, "Locales"));
  EXPECT_EQ(ErrorOf([&] { LocateStoredValue(resources, record, "TargetsData"); }),
            "Could not find the property");
  // A property of another record of the form does not count.
  EXPECT_THROW(LocateStoredValue(resources, record, "Caption"), EIvResourceNotFound);
  // Nor does a child of a child.
  EXPECT_THROW(LocateStoredValue(resources, {"TForm1", "TLabel", "Label1"}, "Caption"),
               EIvResourceNotFound);
}

TEST_F(StoredDataTest, TheDataIsReadAgainFromTheResourceOnEveryRequest) {
  StoredData data;
  auto dictionary = Load(data);
  TIvLanguage language;
  dictionary->GetLanguage(1, language);
  EXPECT_EQ(language.EnglishName, "Portuguese");

  StoredData changed;
  changed.languages[1].EnglishName = "Brazilian";
  resources.Add("TForm1", FormStream(changed));
  dictionary->GetLanguage(1, language);
  EXPECT_EQ(language.EnglishName, "Brazilian");

  resources.Remove("TForm1");
  EXPECT_THROW(dictionary->GetLanguage(1, language), EIvResourceNotFound);
}

TEST_F(StoredDataTest, ANonNumericSubLanguageIsAnErrorWhenTheRecordIsRead) {
  EXPECT_EQ(ParseSubLanguages("2, 1,0,-3"), (std::vector<int>{2, 1}));
  EXPECT_EQ(ErrorOf([] { ParseSubLanguages("1,x"); }), "'x' is not a valid integer value");
}

TEST_F(StoredDataTest, StoredLocaleRecordsAreFoundAndCompletedFromWindows) {
  TIvLocale brazil = LocaleFromWindows(0x0416, locale);
  brazil.CurrencySymbol = "Cr$";
  brazil.EnglishCountryName = "";
  brazil.CodePage = 0;
  brazil.Charset = 0;
  StoredData data;
  data.locales = {brazil};
  auto dictionary = Load(data);
  EXPECT_EQ(dictionary->LocaleCount(), 1);
  TIvLocale read;
  dictionary->GetLocale(0, read);
  EXPECT_EQ(read.CurrencySymbol, "Cr$");
  EXPECT_EQ(read.LongMonthNames[2], "março");
  EXPECT_EQ(read.ShortDayNames[6], "dom");
  EXPECT_THROW(dictionary->GetLocale(1, read), EIvRangeError);

  dictionary->Open();  // a Brazilian system: Portuguese, locale 0x0416, from the stored record
  EXPECT_EQ(dictionary->CurrentLocaleId(), 0x0416u);
  EXPECT_EQ(dictionary->CurrentLocale().CurrencySymbol, "Cr$");
  EXPECT_EQ(dictionary->CurrentLocale().EnglishCountryName, "Brazil");
  EXPECT_EQ(dictionary->CurrentLocale().CodePage, 1252);
}

TEST(TargetsData, RoundTripsDroppingExactRepeats) {
  FormStreamWriter writer;
  WriteTargetsData(writer, {{"", "Caption", 0}, {"TMemo", "Text", 0}, {"", "Caption", 0},
                            {"", "caption", 0}, {"", "Caption", 1}});
  FormStreamReader reader(writer.Bytes());
  const auto targets = ReadTargetsData(reader);
  EXPECT_EQ(targets, (std::vector<StoredTargetProperty>{
                         {"", "Caption", 0}, {"TMemo", "Text", 0}, {"", "caption", 0}, {"", "Caption", 1}}));
  EXPECT_TRUE(reader.AtEnd());
}

TEST(TargetsData, AVersionAboveOneIsRefused) {
  FormStreamWriter writer;
  writer.WriteListBegin();
  writer.WriteInteger(2);
  writer.WriteInteger(0);
  writer.WriteEnd();
  FormStreamReader reader(writer.Bytes());
  try {
    ReadTargetsData(reader);
    FAIL();
  } catch (const EIvMulti& error) {
    EXPECT_STREQ(error.what(), "Unknown target properties data version: 2");
  }
}

TEST(StoredRows, ARowWithTooFewTextsIsRefused) {
  FormStreamWriter writer;
  WriteTranslations(writer, {{"Sair", "", "", {"", "Salir"}}}, 0);  // two texts for four languages
  FormStreamReader reader(writer.Bytes());
  EXPECT_THROW(CountTranslations(reader, 4), FormStreamError);
}

}  // namespace
}  // namespace i18n_test
