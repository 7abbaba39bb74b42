// The main window and the agreement dialog translated by their translators,
// over the form descriptions and Dictionary1 as the build compiles them.
#include <memory>

#include "ui/memory_system_menu.h"
#include "shell/agreement_form.h"
#include "shell/main_form.h"
#include "tests/host/shell/test_windows.h"
#include "translator_test_support.h"

namespace i18n_test {
namespace {

constexpr std::uint32_t kBrazil = 0x0416;

class MainWindowTranslationTest : public ::testing::Test {
 protected:
  MainWindowTranslationTest() { ResetProcessWideState(); }

  // As the program builds it: the translator opens at the end of the
  // window's construction, before the window is made real.
  void SetUp() override {
    backend.Realize(form);
    form.FormCreate();
  }

  std::unique_ptr<shell::AgreementForm> MakeAgreement() {
    return std::make_unique<shell::AgreementForm>(app, windows.platform, state);
  }

  testing_support::TestWindows windows;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  shell::InstallerState state;
  shell::MainForm form{app, windows.platform, state};
  TIvTranslator& translator = *form.IvTranslator1;
};

TEST_F(MainWindowTranslationTest, OpensDictionary1AndLeavesABrazilianWindowAsDesigned) {
  EXPECT_TRUE(translator.Opened());
  EXPECT_EQ(translator.Dictionary(), &form.Dictionary());
  EXPECT_EQ(translator.DictionaryName(), "Dictionary1");
  EXPECT_TRUE(form.Dictionary().Active());
  EXPECT_EQ(form.Dictionary().CurrentLanguageIndex(), 1);
  EXPECT_EQ(form.Dictionary().Translators(), (std::vector<TIvTranslatorLink*>{&translator}));
  EXPECT_EQ(form.lblInstalar.Caption(), "Instalar Programa");
  EXPECT_EQ(form.Caption(), "Instalação do Sistema de Automação Topográfica Geolume");
  // Every non-empty matching value was remembered at that first pass.
  EXPECT_EQ(ItemsOf(translator, form.lblSair, "Caption").size(), 1u);
  EXPECT_EQ(ItemsOf(translator, form, "Caption").size(), 1u);
}

TEST_F(MainWindowTranslationTest, SpanishPortugueseSpanishReturnsEveryTextToTheSameTexts) {
  const auto portuguese = ShownTexts(form);
  form.lblEspanholClick();
  const auto spanish = ShownTexts(form);
  EXPECT_EQ(form.lblInstalar.Caption(), "Instalar el Programa");
  EXPECT_EQ(form.lblSair.Caption(), "Salir");
  EXPECT_EQ(form.Label1.Caption(), "Sistema de Automación Topográfica");
  EXPECT_EQ(form.LMDSimpleLabel4.Caption(), "Instalando...");
  EXPECT_EQ(form.Label11.Caption(), "Copiando Archivos . . .");
  EXPECT_EQ(form.lblPortugues.Caption(), "Portugues");
  EXPECT_EQ(form.lblEspanhol.Caption(), "Español");
  // No rows for these.
  EXPECT_EQ(form.lblConfigurar.Caption(), "Configurar CAD");
  EXPECT_EQ(form.Label4.Caption(), "Selecione qual CAD deve ser configurado");
  EXPECT_EQ(form.Caption(), portuguese.at("Form1.Caption"));
  EXPECT_EQ(form.Label2.Caption(), portuguese.at("Label2.Caption"));
  EXPECT_EQ(form.Label3.Caption(), portuguese.at("Label3.Caption"));

  form.lblPortuguesClick();
  EXPECT_EQ(ShownTexts(form), portuguese);
  form.Dictionary().SetLanguage(2);
  EXPECT_EQ(ShownTexts(form), spanish);
}

TEST_F(MainWindowTranslationTest, NothingMovesWhileEveryLanguageIsLeftToRight) {
  const auto designed = ShownBounds(form);
  form.Dictionary().SetLanguage(2);
  EXPECT_EQ(ShownBounds(form), designed);
  EXPECT_FALSE(translator.Mirrored());
  form.Dictionary().SetLanguage(1);
  EXPECT_EQ(ShownBounds(form), designed);
}

TEST_F(MainWindowTranslationTest, SairGoesThroughTheContextFreeRowConfigurarCadHasNone) {
  // "Sair" has rows only under other components' names.
  EXPECT_FALSE(form.Dictionary().FindTranslationInContext("Sair", "TForm1", "lblSair"));
  form.Dictionary().SetLanguage(2);
  EXPECT_EQ(form.lblSair.Caption(), "Salir");
  EXPECT_EQ(form.lblConfigurar.Caption(), "Configurar CAD");
  const auto items = ItemsOf(translator, form.lblSair, "Caption");
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].ContextComponent, "lblSair");
  EXPECT_EQ(items[0].NativeValue, "Sair");
  EXPECT_EQ(items[0].CurrentKey, "Salir");
}

TEST_F(MainWindowTranslationTest, TheWindowsOwnCaptionIsLookedUpWithAnEmptyComponentName) {
  form.SetCaption("Instalação Geolume 2000");
  form.Dictionary().SetLanguage(2);
  EXPECT_EQ(form.Caption(), "Instalación Geolume 2000");
  const auto items = ItemsOf(translator, form, "Caption");
  ASSERT_EQ(items.size(), 2u);  // the designed caption, then the one the program set
  EXPECT_EQ(items[1].NativeValue, "Instalação Geolume 2000");
  EXPECT_EQ(items[1].ContextComponent, "");
}

TEST_F(MainWindowTranslationTest, EqualListLinesShareOneItemAndTranslateAlike) {
  form.cadlist.Items().Assign({"Instalar Programa", "AutoCAD 2023 - <<Perfil>>", "Instalar Programa"});
  translator.TranslateAll();
  EXPECT_EQ(ItemsOf(translator, form.cadlist, "Items").size(), 2u);
  form.Dictionary().SetLanguage(2);
  EXPECT_EQ(form.cadlist.Items().Lines(),
            (std::vector<std::string>{"Instalar el Programa", "AutoCAD 2023 - <<Perfil>>",
                                      "Instalar el Programa"}));
  form.Dictionary().SetLanguage(1);
  EXPECT_EQ(form.cadlist.Items()[0], "Instalar Programa");
  EXPECT_EQ(form.cadlist.Items()[2], "Instalar Programa");
}

TEST_F(MainWindowTranslationTest, CheckMarksAndTheSelectedLineSurviveALanguageChange) {
  form.cadlist.Items().Assign({"AutoCAD 2023 - <<Unnamed Profile>>", "Sair", "BricsCAD V23 - Default"});
  form.cadlist.SetChecked(0, true);
  form.cadlist.SetChecked(2, true);
  form.cadlist.SetItemIndex(1);
  for (int language : {2, 1}) {
    form.Dictionary().SetLanguage(language);
    EXPECT_EQ(form.cadlist.Items()[1], language == 2 ? "Salir" : "Sair");
    EXPECT_TRUE(form.cadlist.Checked(0));
    EXPECT_FALSE(form.cadlist.Checked(1));
    EXPECT_TRUE(form.cadlist.Checked(2));
    EXPECT_EQ(form.cadlist.ItemIndex(), 1);
  }
}

TEST_F(MainWindowTranslationTest, EmptyTextsAreNeverRecorded) {
  form.cadlist.Items().Assign({"", "Sair", ""});
  form.Dictionary().SetLanguage(2);
  EXPECT_EQ(form.cadlist.Items().Lines(), (std::vector<std::string>{"", "Salir", ""}));
  EXPECT_EQ(form.LMDSimpleLabel1.Caption(), "");
  EXPECT_TRUE(ItemsOf(translator, form.LMDSimpleLabel1, "Caption").empty());
  EXPECT_TRUE(ItemsOf(translator, form.sb1, "SimpleText").empty());
  for (const auto& item : translator.Table().Items()) {
    EXPECT_NE(item.PropertyName, "Hint") << item.ContextComponent;
    EXPECT_NE(item.NativeValue, "") << item.ContextComponent << "." << item.PropertyName;
  }
}

TEST_F(MainWindowTranslationTest, AProgramTextSetAfterATranslationIsANewNativeText) {
  form.Dictionary().SetLanguage(2);
  form.sb1.SetSimpleText("Erro na Instalação");
  form.Dictionary().SetLanguage(1);  // nothing to translate to
  EXPECT_EQ(form.sb1.SimpleText(), "Erro na Instalação");
  form.Dictionary().SetLanguage(2);
  EXPECT_EQ(form.sb1.SimpleText(), "Error en la instalación");
}

// Windows in Portuguese gives its own texts; the translator puts the English ones in.
ui::MemorySystemMenu PortugueseSystemMenu() {
  return ui::MemorySystemMenu({{0xF120, "&Restaurar"},
                                 {0xF010, "&Mover"},
                                 {0xF000, "&Tamanho"},
                                 {0xF020, "Mi&nimizar"},
                                 {0xF030, "Ma&ximizar"},
                                 {0, "", true},
                                 {0xF060, "&Fechar\tAlt+F4"}});
}

std::vector<std::string> TextsOf(const ui::MemorySystemMenu& menu) {
  std::vector<std::string> texts;
  for (const auto& item : menu.items) texts.push_back(item.text);
  return texts;
}

TEST_F(MainWindowTranslationTest, SystemMenuShowsTheEnglishTextsInEveryLanguage) {
  const std::vector<std::string> english = {"&Restore",  "&Move", "&Size",         "Mi&nimize",
                                            "Ma&ximize", "",      "&Close\tAlt+F4"};
  ui::MemorySystemMenu menu = PortugueseSystemMenu();
  translator.SetRootSystemMenu(&menu);  // the window now exists
  EXPECT_EQ(TextsOf(menu), english);
  form.Dictionary().SetLanguage(2);
  EXPECT_EQ(TextsOf(menu), english);
  translator.SetRootSystemMenu(nullptr);
}

TEST_F(MainWindowTranslationTest, AgreementDialogBindsByNameAndTranslatesInTheLanguageInForce) {
  form.lblEspanholClick();
  auto agreement = MakeAgreement();
  TIvTranslator* agreement_translator = agreement->IvTranslator1.get();
  const std::vector<std::string> text = shell::AgreementText(windows.resources);
  EXPECT_EQ(agreement_translator->Dictionary(), &form.Dictionary());
  EXPECT_EQ(agreement->Caption(), "CONTRATO DE LICENCIA");
  EXPECT_EQ(agreement->Button1.Caption(), "ACEPTO LA CONDICIONES DE ESTE CONTRATO");
  EXPECT_EQ(agreement->Button2.Caption(), "NO ACEPTO LAS CONDICIONES DE ESTE CONTRATO");
  EXPECT_EQ(agreement->RichEdit1.Lines().Lines(), text);

  form.lblPortuguesClick();
  EXPECT_EQ(agreement->Caption(), "CONTRATO DE LICENÇA");
  EXPECT_EQ(agreement->Button1.Caption(), "ACEITO AS CONDIÇÕES DESTE CONTRATO");
  EXPECT_EQ(agreement->RichEdit1.Lines().Lines(), text);
  EXPECT_EQ(form.Dictionary().Translators(),
            (std::vector<TIvTranslatorLink*>{&translator, agreement_translator}));
}

TEST_F(MainWindowTranslationTest, AClosedTranslatorIsNoLongerToldAndStartsANewTableWhenOpened) {
  translator.Close();
  EXPECT_FALSE(translator.Opened());
  EXPECT_EQ(translator.Table().Count(), 0);
  EXPECT_TRUE(form.Dictionary().Translators().empty());
  form.Dictionary().SetLanguage(2);
  EXPECT_EQ(form.lblSair.Caption(), "Sair");

  translator.Open();  // binds Dictionary1 again and translates into Spanish
  EXPECT_EQ(form.lblSair.Caption(), "Salir");
  form.Dictionary().SetLanguage(1);
  // The new table took "Sair" as its native text.
  EXPECT_EQ(form.lblSair.Caption(), "Sair");
}

TEST_F(MainWindowTranslationTest, TheDictionarysEndLeavesTheTranslatorUnboundAndHarmless) {
  auto agreement = MakeAgreement();
  TIvTranslator* agreement_translator = agreement->IvTranslator1.get();
  form.Dictionary1.reset();
  EXPECT_EQ(translator.Dictionary(), nullptr);
  EXPECT_FALSE(translator.Opened());
  EXPECT_EQ(agreement_translator->Dictionary(), nullptr);
  translator.TranslateAll();  // with no dictionary every text is its native text
  EXPECT_EQ(form.lblSair.Caption(), "Sair");
}

}  // namespace
}  // namespace i18n_test
