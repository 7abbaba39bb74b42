#include "dictionary_test_support.h"
#include "i18n/dictionary_errors.h"
#include "i18n/iv_dictionaries.h"

namespace i18n_test {
namespace {

class DictionaryLookupTest : public DictionaryTest {
 protected:
  std::unique_ptr<TIvBinaryDictionary> OpenSpanish(const StoredData& data) {
    auto dictionary = Load(data);
    dictionary->SetLanguage(2);
    dictionary->Open();
    return dictionary;
  }
};

TEST_F(DictionaryLookupTest, ContextFreeLookupStopsAtTheFirstRowOfARunItMeets) {
  // Sorted: "A", then "Sair" in contexts X1..X5, then "Y" and "Z". The
  // first middle is (0 + 7) / 2 = 3, "Sair" in X3.
  StoredData data;
  data.rows = {SpanishRow("Z", "z"),           SpanishRow("Sair", "three", "TForm1", "X3"),
               SpanishRow("Sair", "one", "TForm1", "X1"), SpanishRow("A", "a"),
               SpanishRow("Sair", "five", "TForm1", "X5"), SpanishRow("Sair", "two", "TForm1", "X2"),
               SpanishRow("Sair", "four", "TForm1", "X4"), SpanishRow("Y", "y")};
  auto dictionary = OpenSpanish(data);
  ASSERT_EQ(dictionary->Rows().size(), 8u);
  EXPECT_EQ(dictionary->Rows()[0].NativeText, "A");
  EXPECT_EQ(dictionary->Rows()[1].ContextComponent, "X1");
  EXPECT_EQ(dictionary->Rows()[7].NativeText, "Z");
  EXPECT_EQ(dictionary->Translate("Sair"), "three");
  EXPECT_EQ(dictionary->TranslateInContext("Sair", "TForm1", "X5"), "five");
  EXPECT_EQ(dictionary->FindTranslationInContext("Sair", "TForm1", "X6"), std::nullopt);
  EXPECT_EQ(dictionary->TranslateInContext("Sair", "TForm1", "X6"), "three");
  EXPECT_EQ(dictionary->Translate("A"), "a");
  EXPECT_EQ(dictionary->Translate("Z"), "z");
}

TEST_F(DictionaryLookupTest, ContextSeparatorSortsBetweenTextAndContext) {
  // Byte 127 sorts after every ASCII character and before every accented
  // letter, so "Sair" with its context comes after "Sair!" and before
  // "Sairé", and "Sai" with its context after all of them.
  StoredData data;
  data.rows = {SpanishRow("Sair", "salir", "TForm1", "A"), SpanishRow("Sair!", "salir!", "TForm1", "A"),
               SpanishRow("Sairé", "salire", "TForm1", "A"), SpanishRow("Sai", "sai", "TForm1", "A")};
  auto dictionary = OpenSpanish(data);
  std::vector<std::string> order;
  for (const auto& row : dictionary->Rows()) order.push_back(row.NativeText);
  EXPECT_EQ(order, (std::vector<std::string>{"Sair!", "Sair", "Sairé", "Sai"}));
  for (const auto& row : data.rows) EXPECT_EQ(dictionary->Translate(row.NativeText), row.Texts[1]);
}

TEST_F(DictionaryLookupTest, RowsSortByTheirCodePageBytes) {
  // In code page 1252 "€" (0x80) sorts before "é" (0xE9); in UTF-8 it sorts after.
  StoredData data;
  data.context_kind = 0;
  data.rows = {SpanishRow("é", "e"), SpanishRow("€", "euro"), SpanishRow("z", "z")};
  auto dictionary = OpenSpanish(data);
  EXPECT_EQ(dictionary->Rows()[0].NativeText, "z");
  EXPECT_EQ(dictionary->Rows()[1].NativeText, "€");
  EXPECT_EQ(dictionary->Translate("€"), "euro");
  EXPECT_EQ(dictionary->Translate("é"), "e");
  EXPECT_EQ(dictionary->Translate("Москва"), "Москва");  // no code page 1252 form: no row
}

TEST_F(DictionaryLookupTest, MissingTranslationModes) {
  StoredData data;
  data.rows = {SpanishRow("Sair", "Salir"), {"Obra", "", "", {"", "", "Work"}}};
  auto dictionary = OpenSpanish(data);
  ASSERT_EQ(dictionary->MissingResult("Obra", true, ""), "Obra");
  EXPECT_EQ(dictionary->MissingResult("Obra", true, "Work"), "Work");

  dictionary->SetMissingTranslation(TIvMissingTranslation::ivmtUseNull);
  EXPECT_EQ(dictionary->Translate("Cancelar"), "");
  EXPECT_EQ(dictionary->Translate("Sair"), "Salir");
  dictionary->SetMissingTranslation(TIvMissingTranslation::ivmtTagNative);
  EXPECT_EQ(dictionary->Translate("Cancelar"), "@Cancelar@");
  dictionary->SetMissingTranslation(TIvMissingTranslation::ivmtRaiseException);
  try {
    dictionary->Translate("Cancelar");
    FAIL();
  } catch (const EIvMulti& error) {
    EXPECT_STREQ(error.what(), "Dictionary does not contain a translation for the word \"Cancelar\"");
  }
  try {
    dictionary->MissingResult("Obra", true, "");
    FAIL();
  } catch (const EIvMulti& error) {
    EXPECT_STREQ(error.what(), "Translation for the word \"Obra\" is missing");
  }
  EXPECT_EQ(dictionary->Translate(""), "");  // no lookup, so no error
}

TEST_F(DictionaryLookupTest, NotificationsComeInTheirOrder) {
  StoredData data;
  data.rows = {SpanishRow("Sair", "Salir")};
  auto dictionary = Load(data);
  std::vector<std::string> log;
  RecordingTranslator first("first", log);
  RecordingTranslator second("second", log);
  dictionary->SetOnLanguageChange([&](TIvDictionary& d) {
    log.push_back("language event, rows " + std::to_string(static_cast<TIvBinaryDictionary&>(d).Rows().size()));
  });
  dictionary->SetOnLocaleChange([&](TIvDictionary&) { log.push_back("locale event"); });
  dictionary->Open();
  first.Attach(*dictionary);
  second.Attach(*dictionary);
  first.Attach(*dictionary);  // once only
  log.clear();

  dictionary->SetLanguage(2);
  EXPECT_EQ(log, (std::vector<std::string>{"first changed 11", "second changed 11", "language event, rows 1",
                                           "locale event"}));
  EXPECT_EQ(LocaleSettings().LocaleId, 0x040Au);

  log.clear();
  dictionary->SetOptions(kAllDictionaryOptions & ~ivdoAutoTranslate);
  dictionary->SetLanguage(1);
  EXPECT_EQ(log, (std::vector<std::string>{"language event, rows 0", "locale event"}));
}

TEST_F(DictionaryLookupTest, CloseDetachesEveryTranslatorAndEmptiesTheRows) {
  StoredData data;
  data.rows = {SpanishRow("Sair", "Salir")};
  auto dictionary = OpenSpanish(data);
  std::vector<std::string> log;
  RecordingTranslator first("first", log);
  RecordingTranslator second("second", log);
  first.Attach(*dictionary);
  second.Attach(*dictionary);
  InstallRuntimeTextHooks();

  dictionary->Close();
  EXPECT_EQ(log, (std::vector<std::string>{"first closed", "second closed"}));
  EXPECT_TRUE(dictionary->Translators().empty());
  EXPECT_FALSE(dictionary->Active());
  EXPECT_FALSE(RuntimeTextHooksInstalled());
  EXPECT_EQ(dictionary->Translate("Sair"), "Sair");

  log.clear();
  dictionary.reset();
  EXPECT_EQ(log, (std::vector<std::string>{"first told of destruction", "second told of destruction"}));
}

TEST_F(DictionaryLookupTest, OpeningInstallsTheRuntimeTextHooksWhenAskedTo) {
  StoredData data;
  auto dictionary = Load(data);
  dictionary->SetOptions(kAllDictionaryOptions & ~ivdoTranslateResourceStrings);
  dictionary->Open();
  EXPECT_FALSE(RuntimeTextHooksInstalled());
  dictionary->Close();
  dictionary->SetOptions(kAllDictionaryOptions);
  dictionary->Open();
  EXPECT_TRUE(RuntimeTextHooksInstalled());
}

TEST_F(DictionaryLookupTest, StoredPropertiesAreReadFromTheRecord) {
  StoredData data;
  data.properties = [](FormStreamWriter& writer) {
    writer.WritePropertyName("MissingTranslation");
    writer.WriteIdentifier("ivmtTagNative");
    writer.WritePropertyName("Options");
    writer.WriteSet({"ivdoAutoTranslate"});
    writer.WritePropertyName("Euro");
    writer.WriteIdentifier("iveBusiness");
    writer.WritePropertyName("Binding");
    writer.WriteIdentifier("ivbiNone");
    writer.WritePropertyName("PrimaryLanguage");
    writer.WriteInteger(10);
  };
  auto dictionary = Load(data);
  EXPECT_EQ(dictionary->MissingTranslation(), TIvMissingTranslation::ivmtTagNative);
  EXPECT_EQ(dictionary->Options(), TIvDictionaryOptions(ivdoAutoTranslate));
  EXPECT_EQ(dictionary->Euro(), TIvEuro::iveBusiness);
  EXPECT_EQ(dictionary->Binding(), TIvBinding::ivbiNone);
  EXPECT_EQ(dictionary->LocaleId(), 0x040Au);

  StoredData unknown;
  unknown.properties = [](FormStreamWriter& writer) {
    writer.WritePropertyName("Colour");
    writer.WriteInteger(1);
  };
  EXPECT_THROW(Load(unknown), EIvError);
}

TEST_F(DictionaryLookupTest, FileStorageNeverOpens) {
  StoredData data;
  auto dictionary = Load(data);
  dictionary->SetStorage(TIvStorage::ivsFile);
  dictionary->SetFileName("c:\\geolume\\dictionary.bin");
  dictionary->Open();
  EXPECT_FALSE(dictionary->Active());
  dictionary->SetStorage(TIvStorage::ivsResource);
  EXPECT_THROW(dictionary->Open(), EIvError);
  EXPECT_FALSE(dictionary->Active());
}

TEST(TIvDictionariesRegistry, NamesAutomaticallyAndFindsByExactName) {
  ASSERT_EQ(TIvDictionaries::Count(), 0);
  TIvBinaryDictionary first("a");
  EXPECT_EQ(first.DictionaryName(), "Dictionary1");
  {
    TIvBinaryDictionary second("b");
    EXPECT_EQ(second.DictionaryName(), "Dictionary2");
    first.SetDictionaryName("Dictionary3");
    TIvBinaryDictionary third("c");
    EXPECT_EQ(third.DictionaryName(), "Dictionary4");  // 3 is taken
    EXPECT_EQ(TIvDictionaries::Find("Dictionary2"), &second);
    EXPECT_EQ(TIvDictionaries::Find("dictionary2"), nullptr);
    EXPECT_EQ(TIvDictionaries::Item(2), &third);
  }
  EXPECT_EQ(TIvDictionaries::Count(), 1);
  EXPECT_EQ(TIvDictionaries::First(), &first);
  EXPECT_EQ(TIvDictionaries::Item(1), nullptr);
}

}  // namespace
}  // namespace i18n_test
