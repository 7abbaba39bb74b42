// The main window's dictionary as the build compiles it.
#include <fstream>
#include <iterator>
#include <set>

#include "dictionary_test_support.h"
#include "i18n/application_error_text.h"
#include "i18n/dictionary_errors.h"
#include "i18n/form_record_locator.h"
#include "i18n/iv_dictionaries.h"
#include "i18n/supplementary_texts.h"
#include "i18n/target_properties_data.h"

namespace i18n_test {
namespace {

std::string CompiledFile(const std::string& name) {
  std::ifstream file(std::string(GEOLUME_FORM_STREAMS_DIR) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class CompiledDictionaryTest : public DictionaryTest {
 protected:
  std::unique_ptr<TIvBinaryDictionary> OpenIn(std::uint32_t system_locale) {
    locale.SetSystem(system_locale);
    auto dictionary = LoadCompiled();
    dictionary->Open();
    return dictionary;
  }

  std::vector<StoredTranslationRow> AllRows() {
    FormStreamReader reader =
        LocateStoredValue(resources, {"TForm1", "TIvBinaryDictionary", "Dictionary1"}, "Translations");
    const StoredHeader header = ReadTranslationsHeader(reader);
    std::vector<StoredTranslationRow> rows;
    for (int i = 0; i < header.count; ++i) rows.push_back(ReadTranslationRow(reader, header.context_kind, 3));
    reader.ReadListEnd();
    return rows;
  }
};

TEST_F(CompiledDictionaryTest, HoldsFourLanguagesTwoHundredSeventeenRowsAndNoLocales) {
  auto dictionary = LoadCompiled();
  EXPECT_EQ(dictionary->LanguageCount(), 4);
  EXPECT_EQ(dictionary->TranslationCount(), 217);
  EXPECT_EQ(dictionary->LocaleCount(), 0);
  EXPECT_EQ(dictionary->DictionaryName(), "Dictionary1");
  EXPECT_EQ(dictionary->Language(), -2);
  EXPECT_EQ(dictionary->SubLanguage(), 2);
  EXPECT_EQ(dictionary->LocaleId(), 0x0800u);
  EXPECT_EQ(dictionary->Storage(), TIvStorage::ivsEmbedded);
  EXPECT_EQ(dictionary->Binding(), TIvBinding::ivbiLocaleToLanguage);
  EXPECT_EQ(dictionary->CheckLevel(), TIvCheckLevel::ivclCodePage);
  EXPECT_EQ(dictionary->Options(), kAllDictionaryOptions);
}

TEST_F(CompiledDictionaryTest, FirstRowAndItsHeaderAreByteForByteAsSpecified) {
  using namespace std::string_literals;
  const std::string header = "\x01\x02\x02\x02\x01\x03\xD9\x00"s;
  const std::string first_row = "\x01\x06\x10  Geolume 2000  \x06\x06TForm1\x06\x06Label2"s +
                                "\x06\x00\x06\x0CGeolume 2000\x06\x00\x00"s;
  const std::string stream = CompiledFile("TForm1.bin");
  EXPECT_NE(stream.find("\x0CTranslations"s + header + first_row), std::string::npos);
}

TEST_F(CompiledDictionaryTest, RowsAreSpanishOnlyAndGroupedAsSpecified) {
  LoadCompiled();
  const auto rows = AllRows();
  ASSERT_EQ(rows.size(), 217u);
  int main_window = 0, agreement = 0, agreement_lines = 0, free = 0;
  std::set<std::string> agreement_natives;
  for (const auto& row : rows) {
    EXPECT_EQ(row.Texts[0], "") << row.NativeText;
    EXPECT_NE(row.Texts[1], "") << row.NativeText;
    EXPECT_EQ(row.Texts[2], "") << row.NativeText;
    if (row.ContextClass == "TForm1") ++main_window;
    if (row.ContextClass == "Tcontrato") ++agreement;
    if (row.ContextComponent == "RichEdit1") {
      ++agreement_lines;
      agreement_natives.insert(row.NativeText);
    }
    if (row.ContextClass.empty()) {
      EXPECT_EQ(row.ContextComponent, "");
      ++free;
    }
  }
  EXPECT_EQ(main_window, 37);
  EXPECT_EQ(agreement, 65);
  EXPECT_EQ(agreement_lines, 62);
  EXPECT_EQ(agreement_natives.size(), 62u);
  EXPECT_EQ(free, 115);
}

// The agreement dialog shows its text in Portuguese in every language: no
// line of it may have a row, or Spanish would show a patchwork.
TEST_F(CompiledDictionaryTest, NoAgreementRowMatchesALineOfTheAgreementShown) {
  std::ifstream file(GEOLUME_AGREEMENT_TEXT, std::ios::binary);
  if (!file) GTEST_SKIP() << "no agreement text at " << GEOLUME_AGREEMENT_TEXT;
  std::set<std::string> lines;
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.insert(line);
  }
  ASSERT_GT(lines.size(), 10u);
  LoadCompiled();
  for (const auto& row : AllRows()) {
    if (row.ContextComponent == "RichEdit1") {
      EXPECT_EQ(lines.count(row.NativeText), 0u) << row.NativeText;
    }
  }
}

TEST_F(CompiledDictionaryTest, GetLanguageTwoIsSpanish) {
  auto dictionary = LoadCompiled();
  TIvLanguage language;
  dictionary->GetLanguage(2, language);
  EXPECT_EQ(language.LanguageId, 10);
  EXPECT_EQ(language.EnglishName, "Spanish");
  EXPECT_EQ(language.NativeName, "Español");
  EXPECT_EQ(language.CodePage, 1252);
  EXPECT_EQ(language.Charset, 0);
  EXPECT_EQ(language.DefaultSubLanguage, 1);
  EXPECT_EQ(language.Iso639, "es");
  EXPECT_FALSE(language.IsNative);
  dictionary->GetLanguage(0, language);
  EXPECT_TRUE(language.IsNative);
  EXPECT_EQ(language.EnglishName, "Native");
  try {
    dictionary->GetLanguage(4, language);
    FAIL();
  } catch (const EIvRangeError& error) {
    EXPECT_STREQ(error.what(), "Out of language range");
  }
}

// The program's own texts beyond the dictionary's rows: Spanish where the
// dictionary has no row, the dictionary's row where it has one.
TEST_F(CompiledDictionaryTest, TextsBeyondTheDictionaryAreLookedUpBesideIt) {
  auto dictionary = OpenIn(0x0416);
  const std::string unlisted = "Erro %s ao ler o diretório %s do CD.";
  dictionary->SetLanguage(1);
  EXPECT_EQ(LookUpText(*dictionary, unlisted), unlisted);
  dictionary->SetLanguage(2);
  EXPECT_EQ(LookUpText(*dictionary, unlisted), "Error %s al leer el directorio %s del CD.");
  EXPECT_EQ(LookUpText(*dictionary, "Tipo de dado inválido no valor '%s' de %s"),
            "Tipo de dato no válido en el valor '%s' de %s");
  EXPECT_EQ(LookUpText(*dictionary, "Erro na Instalação"), "Error en la instalación");
  EXPECT_EQ(LookUpText(*dictionary, "Configurar CAD"), "Configurar CAD");
  EXPECT_EQ(dictionary->Rows().size(), 217u);
  // The same when an unhandled error shows it, with the values put in after.
  ASSERT_EQ(TIvDictionaries::First(), dictionary.get());
  EXPECT_EQ(ApplicationErrorText(unlisted, {"5", "D:\\Port\\"}), "Error 5 al leer el directorio D:\\Port\\ del CD.");
}

TEST_F(CompiledDictionaryTest, SpanishLooksUpMessagesAndKeepsPlaceholders) {
  auto dictionary = OpenIn(0x0416);
  dictionary->SetLanguage(2);
  EXPECT_EQ(dictionary->Rows().size(), 217u);
  EXPECT_EQ(dictionary->Translate("Erro ao copiar o arquivo %s para %s."), "Error al copiar el archivo %s para %s.");
  EXPECT_EQ(dictionary->Translate("Erro na Instalação"), "Error en la instalación");
  EXPECT_EQ(dictionary->Translate("Erro %s ao copiar o arquivo %s para %s.%s"),
            "Error %s al copiar el archivo %s para %s. %s");
  EXPECT_EQ(dictionary->Translate(" De: %s"), " De: %s");
  EXPECT_EQ(dictionary->Translate("Arquivo ZEI"), "Archivo ZEI");
  EXPECT_EQ(dictionary->Translate("Estação Total RW5"), "Estación Total RW5");
  EXPECT_EQ(dictionary->Translate("Seqüência Geolume"), "Secuencia Geolume");
  EXPECT_EQ(dictionary->Translate("Mexico"), "Mejico");
  EXPECT_EQ(dictionary->Translate("Trinidad y Tobago"), "Trinidad y Tobago");
  // Texts the installer asks for that have no row stay Portuguese.
  EXPECT_EQ(dictionary->Translate("Arquivo PRG"), "Arquivo PRG");
  EXPECT_EQ(dictionary->Translate("Configurar CAD"), "Configurar CAD");
  // Context rows: exact context first, then any row of the same text.
  EXPECT_EQ(dictionary->TranslateInContext("Sair", "TForm1", "Label16"), "Salir");
  EXPECT_EQ(dictionary->TranslateInContext("Sair", "TForm1", "lblSair"), "Salir");
  EXPECT_EQ(dictionary->TranslateInContext("Instalação Geolume 2000", "TForm1", ""), "Instalación Geolume 2000");
  EXPECT_EQ(dictionary->TranslateInContext("CONTRATO DE LICENÇA", "Tcontrato", ""), "CONTRATO DE LICENCIA");
}

TEST_F(CompiledDictionaryTest, TextsMatchOnlyWithTheirExactSpacesAndCase) {
  auto dictionary = OpenIn(0x0416);
  dictionary->SetLanguage(2);
  EXPECT_EQ(dictionary->Translate("  Geolume 2000  "), "Geolume 2000");
  EXPECT_EQ(dictionary->FindTranslation(" Geolume 2000 "), std::nullopt);
  EXPECT_EQ(dictionary->Translate("sair"), "sair");
  EXPECT_EQ(dictionary->Translate("Sair "), "Sair ");
  EXPECT_EQ(dictionary->Translate(""), "");
  EXPECT_EQ(dictionary->TranslateInContext("", "TForm1", "Label16"), "");
  dictionary->SetMissingTranslation(TIvMissingTranslation::ivmtTagNative);
  EXPECT_EQ(dictionary->TranslateInContext("", "TForm1", "Label16"), "@@");
  EXPECT_EQ(dictionary->Translate(""), "");
}

TEST_F(CompiledDictionaryTest, PortugueseAndEnglishLoadNoRows) {
  auto dictionary = OpenIn(0x0416);
  EXPECT_EQ(dictionary->CurrentLanguageIndex(), 1);
  EXPECT_TRUE(dictionary->Rows().empty());
  EXPECT_EQ(dictionary->Translate("Sair"), "Sair");
  dictionary->SetLanguage(2);
  EXPECT_FALSE(dictionary->Rows().empty());
  dictionary->SetLanguage(3);
  EXPECT_TRUE(dictionary->Rows().empty());
  EXPECT_EQ(dictionary->Translate("Erro na Instalação"), "Erro na Instalação");
  dictionary->SetLanguage(1);
  EXPECT_TRUE(dictionary->Rows().empty());
}

TEST_F(CompiledDictionaryTest, LanguageAssignments) {
  auto dictionary = OpenIn(0x0416);
  std::vector<std::string> log;
  RecordingTranslator translator("form", log);
  translator.Attach(*dictionary);

  dictionary->SetLanguage(-2);  // the value it has: nothing happens
  EXPECT_TRUE(log.empty());
  dictionary->SetLanguage(2);
  EXPECT_EQ(log, (std::vector<std::string>{"form changed 11"}));
  dictionary->SetLanguage(2);
  EXPECT_EQ(log.size(), 1u);
  EXPECT_EQ(dictionary->Language(), 2);

  try {
    dictionary->SetLanguage(4);
    FAIL();
  } catch (const EIvRangeError& error) {
    EXPECT_STREQ(error.what(), "Language index 4 is out of range");
  }
  EXPECT_THROW(dictionary->SetLanguage(-3), EIvRangeError);
  EXPECT_EQ(dictionary->Language(), 2);

  dictionary->SetLanguage(-1);
  EXPECT_EQ(dictionary->CurrentLanguageIndex(), 1);
  dictionary->SetLanguage(-2);
  EXPECT_EQ(dictionary->CurrentLanguageIndex(), 1);
  EXPECT_EQ(dictionary->Language(), -2);
}

TEST_F(CompiledDictionaryTest, BeforeOpenAssignmentsAreOnlyStoredAndNothingIsFound) {
  locale.SetSystem(0x0416);
  auto dictionary = LoadCompiled();
  dictionary->SetLanguage(7);  // not checked while inactive
  EXPECT_EQ(dictionary->Language(), 7);
  EXPECT_EQ(dictionary->Translate("Sair"), "Sair");
  EXPECT_FALSE(dictionary->Active());
  // Opening with the bad index fails, and the dictionary stays closed.
  EXPECT_THROW(dictionary->Open(), EIvRangeError);
  EXPECT_FALSE(dictionary->Active());
  dictionary->SetLanguage(2);
  dictionary->Open();
  EXPECT_TRUE(dictionary->Active());
  EXPECT_EQ(dictionary->Translate("Sair"), "Salir");
}

TEST_F(CompiledDictionaryTest, TheAgreementDialogStreamHoldsItsTranslator) {
  resources.LoadFile("Tcontrato", std::string(GEOLUME_FORM_STREAMS_DIR) + "/Tcontrato.bin");
  FormStreamReader reader = LocateStoredValue(resources, {"Tcontrato", "TIvTranslator", "IvTranslator1"}, "TargetsData");
  EXPECT_EQ(ReadTargetsData(reader), (std::vector<StoredTargetProperty>{
                                         {"", "Hint", 0}, {"", "Caption", 0}, {"TRichEdit", "Text", 0},
                                         {"", "Lines", 0}, {"TMemo", "Text", 0}, {"", "Items", 0},
                                         {"", "SimpleText", 0}}));
  FormStreamReader name = LocateStoredValue(resources, {"Tcontrato", "TIvTranslator", "IvTranslator1"}, "DictionaryName");
  EXPECT_EQ(name.ReadString(), "Dictionary1");

  LoadCompiled();
  FormStreamReader main = LocateStoredValue(resources, {"TForm1", "TIvTranslator", "IvTranslator1"}, "TargetsData");
  EXPECT_EQ(ReadTargetsData(main), (std::vector<StoredTargetProperty>{
                                       {"", "Hint", 0}, {"", "Caption", 0}, {"TMemo", "Text", 0},
                                       {"", "Lines", 0}, {"", "Items", 0}, {"", "SimpleText", 0},
                                       {"", "Filter", 0}}));
  EXPECT_THROW(LocateStoredValue(resources, {"TForm1", "TIvTranslator", "IvTranslator1"}, "DictionaryName"),
               EIvResourceNotFound);
}

}  // namespace
}  // namespace i18n_test
