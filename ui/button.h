#pragma once
#include "ui/control.h"

namespace ui {

// A standard push button.
class Button : public Control {
 public:
  Button(std::string name, Control* parent) : Control("TButton", std::move(name), parent) {
    DeclareTextMember("Caption", caption_, [this] { Changed(Change::Text); });
  }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { SetText("Caption", caption); }
  std::string WindowText() const override { return caption_; }
  bool TakesFocus() const override { return true; }

 private:
  std::string caption_;
};

}  // namespace ui
