#include "ui/memory_system_menu.h"

namespace ui {

std::optional<std::uint32_t> MemorySystemMenu::CommandId(int position) {
  const Item& item = items.at(position);
  if (!item.readable) return std::nullopt;
  return item.command;
}

std::optional<std::string> MemorySystemMenu::Text(int position) {
  const Item& item = items.at(position);
  if (!item.readable) return std::nullopt;
  return item.text;
}

}  // namespace ui
