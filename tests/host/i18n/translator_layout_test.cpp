// What a translator does to a form's layout and font for languages unlike
// the installer's: right-to-left and multibyte ones, and a font of their own.
#include "translator_test_support.h"
#include "ui/button.h"

namespace i18n_test {
namespace {

constexpr int kSpanish = 1;
constexpr int kArabic = 2;
constexpr int kJapanese = 3;

StoredData OtherScripts() {
  StoredData data;
  TIvLanguage arabic = LanguageRecord(1, "Arabic", "Arabic");
  arabic.CodePage = 1256;
  TIvLanguage japanese = LanguageRecord(17, "Japanese", "Japanese");
  japanese.CodePage = 932;
  japanese.FontName = "MS Gothic";
  japanese.FontSize = 9;
  data.languages = {LanguageRecord(0, "Native", "Native", true), LanguageRecord(10, "Spanish", "Español"),
                    arabic, japanese};
  data.properties = [](FormStreamWriter& writer) {
    writer.WritePropertyName("CheckLevel");
    writer.WriteIdentifier("ivclNone");
  };
  return data;
}

class TranslatorLayoutTest : public TranslatorTest {
 protected:
  std::unique_ptr<TIvBinaryDictionary> dictionary = Load(OtherScripts());
  ui::Button& button = form.Make<ui::Button>("Button1", &form);
  TIvTranslator translator{"IvTranslator1", form};

  void SetUp() override {
    form.SetBounds({0, 0, 400, 300});
    form.SetClientSize(400, 300);
    form.SetFont({"MS Sans Serif", 11, false, false, ui::kColorWindowText, 1});
    button.SetBounds({10, 20, 100, 30});
    button.SetFont(form.GetFont());
    translator.Targets().Assign(MainWindowTargets());
  }
};

TEST_F(TranslatorLayoutTest, ControlsAreMirroredForARightToLeftLanguageAndComeBack) {
  translator.Open();
  ASSERT_EQ(dictionary->CurrentLanguageIndex(), kSpanish);
  EXPECT_FALSE(translator.Mirrored());
  dictionary->SetLanguage(kArabic);
  EXPECT_TRUE(translator.RightToLeft());
  EXPECT_TRUE(translator.Mirrored());
  EXPECT_EQ(button.GetBounds(), (ui::Bounds{290, 20, 100, 30}));  // 400 - 100 - 10
  EXPECT_EQ(form.GetBounds(), (ui::Bounds{0, 0, 400, 300}));
  dictionary->SetLanguage(kSpanish);
  EXPECT_FALSE(translator.Mirrored());
  EXPECT_EQ(button.Left(), 10);
}

TEST_F(TranslatorLayoutTest, AFormDesignedRightToLeftIsMirroredForALeftToRightLanguage) {
  translator.SetNativeLayout(TIvReadingOrder::ivroRightToLeft);
  translator.Open();
  EXPECT_TRUE(translator.Mirrored());
  EXPECT_EQ(button.Left(), 290);
}

TEST_F(TranslatorLayoutTest, AMultibyteLanguageScalesTheFormOnceAndLeavingItScalesBack) {
  int scaled = 0;
  translator.OnScale = [&](TIvTranslator&, ui::Component& root) {
    EXPECT_EQ(&root, &form);
    ++scaled;
  };
  translator.SetMultiByteScale(150);
  translator.Open();
  EXPECT_EQ(scaled, 0);
  dictionary->SetLanguage(kJapanese);
  EXPECT_TRUE(translator.Scaled());
  EXPECT_EQ(form.GetBounds(), (ui::Bounds{0, 0, 600, 450}));
  EXPECT_EQ(button.GetBounds(), (ui::Bounds{15, 30, 150, 45}));
  EXPECT_EQ(button.GetFont().height, 17);  // 16.5 rounded
  translator.TranslateAll();               // still Japanese: not scaled again
  EXPECT_EQ(button.Width(), 150);
  dictionary->SetLanguage(kSpanish);
  EXPECT_FALSE(translator.Scaled());
  EXPECT_EQ(form.GetBounds(), (ui::Bounds{0, 0, 400, 300}));
  EXPECT_EQ(button.GetBounds(), (ui::Bounds{10, 20, 100, 30}));
  EXPECT_EQ(button.GetFont().height, 11);
  EXPECT_EQ(scaled, 2);
}

TEST_F(TranslatorLayoutTest, AFormWithAWindowTakesTheLanguagesFontAndCharacterSet) {
  form.AttachPeer(std::make_unique<WindowPeer>());
  translator.Open();
  EXPECT_EQ(translator.NativeFontName(), "MS Sans Serif");
  EXPECT_EQ(translator.NativeFontSize(), 11);
  EXPECT_EQ(form.GetFont().charset, 0);  // Spanish: ANSI
  dictionary->SetLanguage(kJapanese);
  EXPECT_EQ(form.GetFont().name, "MS Gothic");
  EXPECT_EQ(form.GetFont().height, 12);  // 9 points
  EXPECT_EQ(form.GetFont().charset, 128);
  dictionary->SetLanguage(kSpanish);
  EXPECT_EQ(form.GetFont(), (ui::Font{"MS Sans Serif", 11, false, false, ui::kColorWindowText, 0}));
  // The program's controls keep the fonts it gave them.
  EXPECT_EQ(button.GetFont().charset, 1);
}

TEST_F(TranslatorTest, TheInstallersLanguagesGiveTheAnsiCharacterSet) {
  auto dictionary = LoadCompiled();
  form.SetFont({"MS Sans Serif", 11, false, false, ui::kColorWindowText, 1});
  form.AttachPeer(std::make_unique<WindowPeer>());
  TIvTranslator translator("IvTranslator1", form);
  translator.Targets().Assign(MainWindowTargets());
  translator.Open();
  for (int language : {2, 1}) {
    dictionary->SetLanguage(language);
    EXPECT_EQ(form.GetFont(), (ui::Font{"MS Sans Serif", 11, false, false, ui::kColorWindowText, 0}));
  }
}

}  // namespace
}  // namespace i18n_test
