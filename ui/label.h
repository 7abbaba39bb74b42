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

  // A label whose width follows its longest line, measured where text is drawn.
  bool AutoWidth() const { return auto_width_; }
  void SetAutoWidth(bool auto_width) { auto_width_ = auto_width; }

  TextAlignment Alignment() const { return alignment_; }
  void SetAlignment(TextAlignment alignment) { alignment_ = alignment; }

 private:
  std::string caption_;
  TextAlignment alignment_ = TextAlignment::Left;
  bool auto_width_ = false;
};

}  // namespace ui
