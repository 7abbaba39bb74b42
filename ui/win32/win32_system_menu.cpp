#include "ui/win32/win32_system_menu.h"

#include "platform/win32/wide_text.h"

namespace ui::win32 {

int Win32SystemMenu::ItemCount() { return menu_ ? GetMenuItemCount(menu_) : 0; }

bool Win32SystemMenu::IsSeparator(int position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  if (!GetMenuItemInfoW(menu_, position, TRUE, &info)) return false;
  return (info.fType & MFT_SEPARATOR) != 0;
}

std::optional<std::uint32_t> Win32SystemMenu::CommandId(int position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID;
  if (!GetMenuItemInfoW(menu_, position, TRUE, &info)) return std::nullopt;
  return info.wID;
}

std::optional<std::string> Win32SystemMenu::Text(int position) {
  wchar_t text[256] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = text;
  info.cch = 255;
  if (!GetMenuItemInfoW(menu_, position, TRUE, &info)) return std::nullopt;
  return platform::Narrow(text);
}

void Win32SystemMenu::SetText(int position, const std::string& text) {
  std::wstring wide = platform::Widen(text);
  if (wide.size() > 255) wide.resize(255);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING | MIIM_FTYPE;
  info.fType = MFT_STRING;
  info.dwTypeData = wide.data();
  SetMenuItemInfoW(menu_, position, TRUE, &info);
}

}  // namespace ui::win32
