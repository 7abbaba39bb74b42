#pragma once
// The standard items of a window's system menu, rewritten from their English
// texts through a lookup, whatever language Windows gave them.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "ui/system_menu.h"

namespace i18n {

// The English text of a standard system-menu command; none for any other.
std::optional<std::string> SystemMenuNativeText(std::uint32_t command);

// Separators, unreadable items and other commands are left as they are; a
// shortcut after a tab in the current text stays after a tab.
void TranslateSystemMenu(ui::SystemMenu& menu, const std::function<std::string(const std::string&)>& translate);

}  // namespace i18n
