#pragma once
#include "ui/control.h"

namespace ui {

// A text drawn on its parent; lines are separated by "\r\n".
class Label : public Control {
 public:
  Label(std::string name, Control* parent, std::string class_name = "TLabel")
      : Control(std::move(class_name), std::move(name), parent) {
    DeclareTextMember("Caption", caption_, [this] { Changed(Change::Text); });
  }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { SetText("Caption", caption); }
  std::string WindowText() const override { return caption_; }

  TextAlignment Alignment() const { return alignment_; }
  void SetAlignment(TextAlignment alignment) { alignment_ = alignment; }

 private:
  std::string caption_;
  TextAlignment alignment_ = TextAlignment::Left;
};

}  // namespace ui
