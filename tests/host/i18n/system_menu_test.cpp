// The rewrite of a window's system menu from the English texts of its commands.
#include "ui/memory_system_menu.h"
#include "i18n/system_menu_translation.h"
#include "translator_test_support.h"

namespace i18n_test {
namespace {

using ui::MemorySystemMenu;
using Item = MemorySystemMenu::Item;

std::string Unchanged(const std::string& text) { return text; }

TEST(SystemMenuTest, StandardItemsTakeTheirEnglishTextsThroughTheLookup) {
  MemorySystemMenu menu({{0xF120, "&Restablecer"}, {0xF060, "&Cerrar\tAlt+F4"}, {0xF000, "&Tamaño"}});
  TranslateSystemMenu(
      menu, [](const std::string& native) { return native == "&Close" ? std::string("C&errar") : native; });
  EXPECT_EQ(menu.items[0].text, "&Restore");
  EXPECT_EQ(menu.items[1].text, "C&errar\tAlt+F4");  // the shortcut after the first tab is kept
  EXPECT_EQ(menu.items[2].text, "&Size");
}

TEST(SystemMenuTest, SeparatorsUnreadableItemsAndOtherCommandsAreLeftAlone) {
  MemorySystemMenu menu({{0, "", true},
                         {0xF060, "&Fechar", false, false},
                         {0x0111, "&Sobre o Geolume..."},
                         {0xF020, "Mi&nimizar"}});
  TranslateSystemMenu(menu, Unchanged);
  EXPECT_EQ(menu.items[0].text, "");
  EXPECT_EQ(menu.items[1].text, "&Fechar");
  EXPECT_EQ(menu.items[2].text, "&Sobre o Geolume...");
  EXPECT_EQ(menu.items[3].text, "Mi&nimize");
}

TEST(SystemMenuTest, AnItemHoldsAtMost255CharactersWithoutSplittingOne) {
  MemorySystemMenu menu({{0xF060, "x\t" + std::string(300, 'F')}});
  TranslateSystemMenu(menu, [](const std::string&) { return std::string(250, 'a') + "ção"; });
  const std::string& text = menu.items[0].text;
  EXPECT_EQ(text, std::string(250, 'a') + "ção\tF");  // 255 characters, 257 bytes
}

TEST_F(TranslatorTest, AWindowThatExistsAtOpeningHasItsMenuTranslatedThenUnlessTheOptionIsOff) {
  auto dictionary = LoadCompiled();
  MemorySystemMenu menu({{0xF010, "&Mover"}});
  TIvTranslator translator("IvTranslator1", form);
  translator.Targets().Assign(MainWindowTargets());
  translator.SetOptions(translator.Options() & ~TIvTranslatorOptions(ivtoTranslateSystemMenu));
  translator.SetRootSystemMenu(&menu);
  translator.Open();
  EXPECT_EQ(menu.items[0].text, "&Mover");
  translator.SetOptions(kDefaultTranslatorOptions);
  dictionary->SetLanguage(2);
  EXPECT_EQ(menu.items[0].text, "&Move");
  translator.SetRootSystemMenu(nullptr);
}

}  // namespace
}  // namespace i18n_test
