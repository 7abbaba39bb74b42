// The translator on forms of our own: its record, its targets, the lookup
// with and without context, memos, binding and its events.
#include <stdexcept>

#include "i18n/dictionary_errors.h"
#include "i18n/iv_dictionaries.h"
#include "translator_test_support.h"

namespace i18n_test {
namespace {

TEST(TargetTest, AnExcludedTargetWinsWhereverItStands) {
  TIvTargetProperties targets;
  targets.Assign({{"", "Caption", 0}, {"TButton", "Caption", 1}, {"TLabel", "", 0}, {"", "Hint", 1}});
  EXPECT_TRUE(targets.IsTarget("TLabel", "Caption"));
  EXPECT_FALSE(targets.IsTarget("TButton", "Caption"));
  EXPECT_TRUE(targets.IsTarget("TLabel", "Filter"));  // every property of TLabel ...
  EXPECT_FALSE(targets.IsTarget("TLabel", "Hint"));   // ... but the excluded one
  EXPECT_FALSE(targets.IsTarget("TPanel", "Filter"));
}

TEST(TargetTest, NamesMatchIgnoringCaseOnTheObjectsOwnClassOnly) {
  TIvTargetProperties targets;
  targets.Assign({{"tmemo", "TEXT", 0}, {"TCustomLabel", "Caption", 0}, {"", "", 0}});
  EXPECT_TRUE(targets.IsTarget("TMemo", "Text"));
  EXPECT_FALSE(targets.IsTarget("TRichEdit", "Text"));
  EXPECT_FALSE(targets.IsTarget("TLabel", "Caption"));  // an ancestor's class does not count
  EXPECT_FALSE(targets.IsTarget("TLabel", "Hint"));     // an empty target matches nothing
}

class TranslatorRecordTest : public TranslatorTest {
 protected:
  TIvTranslator translator{"IvTranslator1", form};

  void LoadRecord(const std::function<void(FormStreamWriter&)>& properties) {
    resources.Add("TTestForm", TranslatorFormStream("TTestForm", "TestForm", properties));
    translator.LoadFromForm("TTestForm", resources);
  }
};

TEST_F(TranslatorRecordTest, ReadsItsPropertiesAndDropsRepeatedTargets) {
  LoadRecord([](FormStreamWriter& writer) {
    writer.WritePropertyName("DictionaryName");
    writer.WriteString("Dictionary9");
    writer.WritePropertyName("CharsetChange");
    writer.WriteIdentifier("ivccAll");
    writer.WritePropertyName("Options");
    writer.WriteSet({"ivtoAutoTranslate", "ivtoAutoOpen"});
    writer.WritePropertyName("MultiByteScale");
    writer.WriteInteger(125);
    writer.WritePropertyName("TargetsData");
    WriteTargetsData(writer,
                     {{"", "Caption", 0}, {"TMemo", "Text", 0}, {"", "Caption", 0}, {"", "caption", 0}});
  });
  EXPECT_EQ(translator.DictionaryName(), "Dictionary9");  // kept, though no such dictionary exists
  EXPECT_EQ(translator.Dictionary(), nullptr);
  EXPECT_EQ(translator.CharsetChange(), TIvCharsetChange::ivccAll);
  EXPECT_EQ(translator.Options(), TIvTranslatorOptions(ivtoAutoTranslate | ivtoAutoOpen));
  EXPECT_EQ(translator.MultiByteScale(), 125);
  EXPECT_EQ(translator.Targets().Items(),
            (std::vector<TIvTargetProperty>{{"", "Caption", 0}, {"TMemo", "Text", 0}, {"", "caption", 0}}));
}

TEST_F(TranslatorRecordTest, TargetsDataOfVersionTwoIsRefused) {
  EXPECT_EQ(ErrorOf([&] {
              LoadRecord([](FormStreamWriter& writer) {
                writer.WritePropertyName("TargetsData");
                writer.WriteListBegin();
                writer.WriteInteger(2);
                writer.WriteInteger(0);
                writer.WriteEnd();
              });
            }),
            "Unknown target properties data version: 2");
  try {
    translator.LoadFromForm("TTestForm", resources);
    FAIL();
  } catch (const EIvMulti&) {
  }
}

TEST_F(TranslatorTest, OpeningWithoutAnyDictionaryNamesTheTranslatorAndItsForm) {
  ASSERT_EQ(TIvDictionaries::Count(), 0);
  TIvTranslator translator("IvTranslator1", form);
  translator.Targets().Assign(MainWindowTargets());
  translator.Loaded();  // at the end of the form's construction: quietly nothing
  EXPECT_FALSE(translator.Opened());
  EXPECT_EQ(
      ErrorOf([&] { translator.Open(); }),
      "No dictionary has been assigned to the translator component (IvTranslator1 on \"TestForm\" form)");
}

TEST_F(TranslatorTest, NameIsNeverTranslatedEvenWhenEveryPropertyIsATarget) {
  auto dictionary = LoadCompiled();
  auto& label = form.Make<ui::Label>("Sair", &form);
  label.SetCaption("Sair");
  TIvTranslator translator("IvTranslator1", form);
  translator.Targets().Assign({{"TLabel", "", 0}});
  translator.Open();
  dictionary->SetLanguage(2);
  EXPECT_EQ(label.Caption(), "Salir");
  EXPECT_EQ(label.Name(), "Sair");
  EXPECT_TRUE(ItemsOf(translator, label, "Name").empty());
}

// Rows of one native text that differ by context alone.
StoredData ContextRows() {
  StoredData data;
  data.rows = {SpanishRow("Título", "Título del formulario", "TTestForm", ""),
               SpanishRow("Título", "Título de la etiqueta", "TTestForm", "Label1"),
               SpanishRow("Texto", "Por la base 1", "TBasePanel", "Label1"),
               SpanishRow("Texto", "Por la base 2", "TBasePanel", "Label2"),
               SpanishRow("Outro", "Por el formulario 1", "TForm", "Label1"),
               SpanishRow("Outro", "Por el formulario 2", "TForm", "Label2"),
               SpanishRow("Linha um\r\nLinha dois", "Línea uno\r\nLínea dos", "TTestForm", "Memo1")};
  return data;
}

class ContextTest : public TranslatorTest {
 protected:
  std::unique_ptr<TIvBinaryDictionary> dictionary = Load(ContextRows());
  ui::Label& label1 = form.Make<ui::Label>("Label1", &form);
  ui::Label& label2 = form.Make<ui::Label>("Label2", &form);

  void Open(TIvTranslator& translator) {
    translator.Targets().Assign(MainWindowTargets());
    translator.Open();
  }
};

TEST_F(ContextTest, TheFormsCaptionTakesTheRowWithAnEmptyComponentName) {
  form.SetCaption("Título");
  label1.SetCaption("Título");
  TIvTranslator translator("IvTranslator1", form);
  Open(translator);
  dictionary->SetLanguage(2);
  EXPECT_EQ(form.Caption(), "Título del formulario");
  EXPECT_EQ(label1.Caption(), "Título de la etiqueta");
  dictionary->SetLanguage(1);
  EXPECT_EQ(form.Caption(), "Título");
  EXPECT_EQ(label1.Caption(), "Título");
}

TEST_F(ContextTest, AncestorClassesOfTheRootAreTriedButNotTheGeneralFormClass) {
  DerivedPanel panel("Panel");
  auto& inner1 = panel.Make<ui::Label>("Label1", &panel);
  auto& inner2 = panel.Make<ui::Label>("Label2", &panel);
  inner1.SetCaption("Texto");
  inner2.SetCaption("Texto");
  TIvTranslator on_panel("IvTranslator1", panel);
  Open(on_panel);

  label1.SetCaption("Outro");
  label2.SetCaption("Outro");
  TIvTranslator on_form("IvTranslator2", form);
  Open(on_form);

  dictionary->SetLanguage(2);
  EXPECT_EQ(inner1.Caption(), "Por la base 1");
  EXPECT_EQ(inner2.Caption(), "Por la base 2");
  // Only the context-free lookup is left for the form's labels: one row for both.
  EXPECT_EQ(label1.Caption(), label2.Caption());
  EXPECT_TRUE(label1.Caption().starts_with("Por el formulario"));
}

TEST_F(ContextTest, AMemosLinesGoFirstThenItsWholeText) {
  auto& memo = form.Make<TestMemo>("Memo1", &form);
  memo.Lines().Assign({"Linha um", "Linha dois"});
  TIvTranslator translator("IvTranslator1", form);
  Open(translator);
  dictionary->SetLanguage(2);
  EXPECT_EQ(memo.Lines().Lines(), (std::vector<std::string>{"Línea uno", "Línea dos"}));
  EXPECT_EQ(ItemsOf(translator, memo, "Lines").size(), 2u);
  dictionary->SetLanguage(1);
  EXPECT_EQ(memo.Lines().Lines(), (std::vector<std::string>{"Linha um", "Linha dois"}));
  dictionary->SetLanguage(2);
  EXPECT_EQ(memo.Lines().Lines(), (std::vector<std::string>{"Línea uno", "Línea dos"}));
}

TEST_F(ContextTest, AMemoWithoutARowKeepsItsFinalEmptyLines) {
  auto& memo = form.Make<TestMemo>("Memo2", &form);
  memo.Lines().Assign({"Linha", "", ""});
  TIvTranslator translator("IvTranslator1", form);
  Open(translator);
  dictionary->SetLanguage(2);
  EXPECT_EQ(memo.Lines().Lines(), (std::vector<std::string>{"Linha", "", ""}));
  const auto text = ItemsOf(translator, memo, "Text");
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0].NativeValue, "Linha");  // keyed without its final line breaks
}

TEST_F(ContextTest, BindingAnotherDictionaryReturnsTheNativeTextsAndCloses) {
  label1.SetCaption("Título");
  TIvTranslator translator("IvTranslator1", form);
  Open(translator);
  dictionary->SetLanguage(2);
  ASSERT_EQ(label1.Caption(), "Título de la etiqueta");
  TIvBinaryDictionary other("Dictionary1");
  other.LoadFromForm("TForm1", locale, resources);
  other.SetDictionaryName("Dictionary2");
  translator.SetDictionary(&other);
  EXPECT_EQ(label1.Caption(), "Título");
  EXPECT_FALSE(translator.Opened());
  EXPECT_EQ(translator.Table().Count(), 0);
  EXPECT_TRUE(dictionary->Translators().empty());
  EXPECT_EQ(translator.Dictionary(), &other);
  EXPECT_EQ(translator.DictionaryName(), other.DictionaryName());
}

TEST_F(ContextTest, TranslatingBackToNativeKeepsTheDictionarysLanguageAndOptions) {
  label1.SetCaption("Título");
  TIvTranslator translator("IvTranslator1", form);
  Open(translator);
  dictionary->SetLanguage(2);
  const TIvDictionaryOptions options = dictionary->Options();
  ASSERT_TRUE(options & ivdoAutoTranslate);
  translator.TranslateToNativeAndClose();
  EXPECT_EQ(label1.Caption(), "Título");
  EXPECT_FALSE(translator.Opened());
  EXPECT_EQ(dictionary->Language(), 2);
  EXPECT_EQ(dictionary->Options(), options);
}

TEST_F(ContextTest, AFailedTranslationBackToNativeStillRestoresTheDictionarysOptions) {
  TIvTranslator translator("IvTranslator1", form);
  Open(translator);
  dictionary->SetLanguage(2);
  const TIvDictionaryOptions options = dictionary->Options();
  translator.OnBeforeTranslate = [](TIvCustomTranslator&) { throw std::runtime_error("handler failed"); };
  EXPECT_THROW(translator.TranslateToNativeAndClose(), std::runtime_error);
  EXPECT_EQ(dictionary->Options(), options);
}

TEST_F(ContextTest, EventsAtOpeningAndAtEachChange) {
  std::vector<std::string> log;
  TIvTranslator translator("IvTranslator1", form);
  translator.OnBeforeTranslate = [&](TIvCustomTranslator&) { log.push_back("before"); };
  translator.OnAfterTranslate = [&](TIvCustomTranslator&) { log.push_back("after"); };
  translator.OnLanguageChange = [&](TIvCustomTranslator&) { log.push_back("language"); };
  translator.OnLocaleChange = [&](TIvCustomTranslator&) { log.push_back("locale"); };
  translator.OnTranslate = [&](TIvTranslator&, ui::Component& c) { log.push_back(c.Name()); };
  Open(translator);
  EXPECT_EQ(log, (std::vector<std::string>{"before", "Label1", "Label2", "TestForm", "after", "language",
                                           "locale"}));

  log.clear();
  translator.SetOptions(translator.Options() & ~TIvTranslatorOptions(ivtoAutoTranslate));
  label1.SetCaption("Título");
  dictionary->SetLanguage(2);
  EXPECT_EQ(log, (std::vector<std::string>{"language", "locale"}));
  EXPECT_EQ(label1.Caption(), "Título");  // told, but not translating
}

}  // namespace
}  // namespace i18n_test
