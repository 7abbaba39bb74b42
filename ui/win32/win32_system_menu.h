#pragma once
// The system menu of a real window, for the translator.
#include <windows.h>

#include "ui/system_menu.h"

namespace ui::win32 {

class Win32SystemMenu : public ui::SystemMenu {
 public:
  explicit Win32SystemMenu(HWND window) : menu_(GetSystemMenu(window, FALSE)) {}

  int ItemCount() override;
  bool IsSeparator(int position) override;
  std::optional<std::uint32_t> CommandId(int position) override;
  std::optional<std::string> Text(int position) override;
  void SetText(int position, const std::string& text) override;

 private:
  HMENU menu_;
};

}  // namespace ui::win32
