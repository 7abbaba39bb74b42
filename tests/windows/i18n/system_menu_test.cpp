// The system menu of a real window rewritten as the translator does it. Wine
// keeps menus per process, so another process cannot read the installer's;
// the same code runs here on a window of this process.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "i18n/system_menu_translation.h"
#include "platform/win32/wide_text.h"
#include "ui/win32/win32_system_menu.h"

namespace {

TEST(SystemMenu, ReadsTheEnglishTextsWithTheShortcutKept) {
  HWND window = CreateWindowExW(0, L"STATIC", L"Menu", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  HMENU menu = GetSystemMenu(window, FALSE);
  ASSERT_NE(menu, nullptr);
  // As a localised Windows would have them, with the shortcut after a tab.
  ModifyMenuW(menu, SC_CLOSE, MF_BYCOMMAND | MF_STRING, SC_CLOSE, L"&Fechar\tAlt+F4");
  ModifyMenuW(menu, SC_MOVE, MF_BYCOMMAND | MF_STRING, SC_MOVE, L"&Mover");

  ui::win32::Win32SystemMenu system_menu(window);
  int translated = 0;
  i18n::TranslateSystemMenu(system_menu, [&](const std::string& text) {
    ++translated;
    return text;
  });
  EXPECT_GT(translated, 0);

  std::vector<std::string> texts;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[256] = {};
    if (GetMenuStringW(menu, i, text, 256, MF_BYPOSITION) > 0) texts.push_back(platform::Narrow(text));
  }
  for (const char* item : {"&Restore", "&Move", "&Size", "Mi&nimize", "Ma&ximize", "&Close\tAlt+F4"}) {
    EXPECT_NE(std::find(texts.begin(), texts.end(), item), texts.end()) << item;
  }
  DestroyWindow(window);
}

}  // namespace
