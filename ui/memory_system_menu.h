#pragma once
// A system menu held in memory, for host tests and headless windows.
#include <vector>

#include "ui/system_menu.h"

namespace ui {

class MemorySystemMenu : public SystemMenu {
 public:
  struct Item {
    std::uint32_t command = 0;
    std::string text;
    bool separator = false;
    bool readable = true;  // false: reading the item fails, as it can on Windows
  };

  MemorySystemMenu() = default;
  explicit MemorySystemMenu(std::vector<Item> items) : items(std::move(items)) {}

  int ItemCount() override { return int(items.size()); }
  bool IsSeparator(int position) override { return items.at(position).separator; }
  std::optional<std::uint32_t> CommandId(int position) override;
  std::optional<std::string> Text(int position) override;
  void SetText(int position, const std::string& text) override { items.at(position).text = text; }

  std::vector<Item> items;
};

}  // namespace ui
