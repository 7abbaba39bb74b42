#pragma once
#include <vector>

#include "ui/control.h"

namespace ui {

// A list with a tick box per line. Ticks follow their lines by position.
class CheckListBox : public Control {
 public:
  CheckListBox(std::string name, Control* parent);

  StringList& Items() { return items_; }
  const StringList& Items() const { return items_; }
  bool Checked(int index) const { return checked_.at(index); }
  // A change made by the program; a change made by the user also clicks.
  void SetChecked(int index, bool checked);
  // Every line at once, as one change: a long list is not redrawn line by line.
  void SetAllChecked(bool checked);
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int index);
  bool TakesFocus() const override { return true; }

 private:
  void ItemsChanged();

  StringList items_;
  std::vector<bool> checked_;
  int item_index_ = -1;
};

}  // namespace ui
