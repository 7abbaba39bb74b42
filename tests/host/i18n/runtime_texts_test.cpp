#include "dictionary_test_support.h"
#include "i18n/application_error_text.h"
#include "i18n/language_naming.h"

namespace i18n_test {
namespace {

class RuntimeTextsTest : public DictionaryTest {
 protected:
  // A dictionary whose Spanish rows translate the runtime's own texts.
  std::unique_ptr<TIvBinaryDictionary> OpenSpanishRuntime() {
    StoredData data;
    data.rows = {SpanishRow("Shift+", "Mayús+"), SpanishRow("Ctrl+", "Ctrl+"), SpanishRow("Del", "Supr"),
                 SpanishRow("&Yes", "&Sí", "", "64"), SpanishRow("&Yes", "&Sí, claro", "", "65"),
                 SpanishRow("Disk full", "Disco lleno"), SpanishRow("Erro !!!", "Error !!!")};
    auto dictionary = Load(data);
    dictionary->SetLanguage(2);
    dictionary->Open();
    return dictionary;
  }
};

TEST_F(RuntimeTextsTest, ShortcutTexts) {
  EXPECT_EQ(ShortcutText(0x74, kShortcutCtrl | kShortcutShift), "Shift+Ctrl+F5");
  EXPECT_EQ(ShortcutText(0x87, 0), "F24");
  EXPECT_EQ(ShortcutText('S', kShortcutAlt | kShortcutCtrl), "Ctrl+Alt+S");
  EXPECT_EQ(ShortcutText(0x2E, kShortcutShift), "Shift+Del");
  EXPECT_EQ(ShortcutText(0x0D, 0), "Enter");
  EXPECT_EQ(ShortcutText(0x22, 0), "PgDn");
  EXPECT_EQ(ShortcutText(0x67, kShortcutCtrl), "Ctrl+7");  // keypad 7
  EXPECT_EQ(ShortcutText('0', 0), "0");
  // Other keys by the keyboard driver's name, when it is one character.
  const KeyNameSource names = [](std::uint16_t key) { return key == 0xBD ? std::string("-") : std::string("Num Lock"); };
  EXPECT_EQ(ShortcutText(0xBD, kShortcutCtrl, names), "Ctrl+-");
  EXPECT_EQ(ShortcutText(0x90, kShortcutCtrl, names), "");
  EXPECT_EQ(ShortcutText(0xBD, kShortcutCtrl), "");
  const KeyNameSource accented = [](std::uint16_t) { return std::string("ç"); };
  EXPECT_EQ(ShortcutText(0xBA, 0, accented), "ç");
}

TEST_F(RuntimeTextsTest, KeyNamesFollowTheFirstActiveDictionaryWhileHooked) {
  auto dictionary = OpenSpanishRuntime();
  ASSERT_TRUE(RuntimeTextHooksInstalled());
  EXPECT_EQ(ShortcutText(0x2E, kShortcutShift | kShortcutCtrl), "Mayús+Ctrl+Supr");
  RemoveRuntimeTextHooks();
  EXPECT_EQ(ShortcutText(0x2E, kShortcutShift), "Shift+Del");
}

TEST_F(RuntimeTextsTest, StandardTextsAreLookedUpByTheirNumberFirst) {
  EXPECT_EQ(StandardText("&Yes", 65), "&Yes");  // no dictionary
  auto dictionary = OpenSpanishRuntime();
  EXPECT_EQ(StandardText("&Yes", 65), "&Sí, claro");
  EXPECT_EQ(StandardText("&Yes", 64), "&Sí");
  EXPECT_EQ(StandardText("Disk full", 99), "Disco lleno");
  EXPECT_EQ(StandardText("&No", 66), "&No");
  EXPECT_EQ(StandardText("", 66), "");
  dictionary->Close();
  EXPECT_EQ(StandardText("&Yes", 65), "&Yes");
}

TEST_F(RuntimeTextsTest, ErrorTextGetsAFullStopAfterLettersAndQuestionMarks) {
  EXPECT_EQ(ApplicationErrorText("Disco cheio"), "Disco cheio.");
  EXPECT_EQ(ApplicationErrorText("Continuar?"), "Continuar?.");
  EXPECT_EQ(ApplicationErrorText("Arquivo 7"), "Arquivo 7.");
  EXPECT_EQ(ApplicationErrorText("Acesso negado."), "Acesso negado.");
  EXPECT_EQ(ApplicationErrorText("Erro !!!"), "Erro !!!");
  EXPECT_EQ(ApplicationErrorText("(c:\\geolume)"), "(c:\\geolume)");
  EXPECT_EQ(ApplicationErrorText("Configuração"), "Configuração.");
  EXPECT_EQ(ApplicationErrorText(""), "");
  auto dictionary = OpenSpanishRuntime();
  EXPECT_EQ(ApplicationErrorText("Disk full"), "Disco lleno.");
  EXPECT_EQ(ApplicationErrorText("Erro !!!"), "Error !!!");
}

TEST_F(RuntimeTextsTest, LanguageNames) {
  EXPECT_EQ(LanguageName(10, "Spanish - Traditional Sort", 1252), "Spanish");
  EXPECT_EQ(LanguageName(4, "Chinese (Taiwan)", 950), "Chinese, Traditional");
  EXPECT_EQ(LanguageName(4, "Chinese (PRC)", 936), "Chinese, Simplified");
  EXPECT_EQ(LanguageName(18, "Korean (Johab)", 1361), "Korean, Johab");
  EXPECT_EQ(LanguageName(26, "Serbian (Cyrillic)", 1251), "Serbian, Cyrillic");
  EXPECT_EQ(LanguageName(44, "Azeri (Latin)", 1254), "Azeri, Latin");
  EXPECT_EQ(LanguageName(22, "Portuguese (Brazil)", 1252), "Portuguese (Brazil)");
  auto dictionary = OpenSpanishRuntime();
  EXPECT_EQ(TranslatedLanguageName(10, "Spanish - Modern Sort", 1252), "Spanish");
  StoredData data;
  data.rows = {SpanishRow("Spanish", "Español")};
  data.dictionary_name = "Dictionary9";
  auto other = Load(data);
  other->SetLanguage(2);
  other->Open();
  EXPECT_EQ(TranslatedLanguageName(10, "Spanish", 1252, other.get()), "Español");
}

}  // namespace
}  // namespace i18n_test
