#include "ui/check_list_box.h"

#include <algorithm>

namespace ui {

CheckListBox::CheckListBox(std::string name, Control* parent)
    : Control("TCheckListBox", std::move(name), parent) {
  DeclareList("Items", items_);
  items_.on_change = [this] { ItemsChanged(); };
}

void CheckListBox::SetChecked(int index, bool checked) {
  if (checked_.at(index) == checked) return;
  checked_.at(index) = checked;
  Changed(Change::Checks);
}

void CheckListBox::SetAllChecked(bool checked) {
  if (std::find(checked_.begin(), checked_.end(), !checked) == checked_.end()) return;
  checked_.assign(checked_.size(), checked);
  Changed(Change::Checks);
}

void CheckListBox::SetItemIndex(int index) {
  if (index < -1 || index >= items_.Count()) index = -1;
  if (item_index_ == index) return;
  item_index_ = index;
  Changed(Change::Selection);
}

void CheckListBox::ItemsChanged() {
  checked_.resize(items_.Count(), false);
  if (item_index_ >= items_.Count()) item_index_ = -1;
  Changed(Change::Items);
}

}  // namespace ui
