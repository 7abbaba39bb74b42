#pragma once
#include "ui/control.h"

namespace ui {

// A framed group of radio buttons, one per item; none is selected at first.
class RadioGroup : public Control {
 public:
  RadioGroup(std::string name, Control* parent) : Control("TRadioGroup", std::move(name), parent) {
    DeclareTextMember("Caption", caption_, [this] { Changed(Change::Text); });
    DeclareList("Items", items_);
    items_.on_change = [this] { Changed(Change::Items); };
  }
  const std::string& Caption() const { return caption_; }
  std::string WindowText() const override { return caption_; }
  StringList& Items() { return items_; }
  const StringList& Items() const { return items_; }
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int index) {
    if (index < -1 || index >= items_.Count()) index = -1;
    if (item_index_ == index) return;
    item_index_ = index;
    Changed(Change::Selection);
  }
  // The user picked an item: it is selected, then the group's click runs.
  void Pick(int index) {
    SetItemIndex(index);
    Click();
  }

 private:
  std::string caption_;
  StringList items_;
  int item_index_ = -1;
};

}  // namespace ui
