#pragma once
#include "ui/control.h"

namespace ui {

// A status bar in single-text mode.
class StatusBar : public Control {
 public:
  StatusBar(std::string name, Control* parent) : Control("TStatusBar", std::move(name), parent) {
    DeclareTextMember("SimpleText", simple_text_, [this] { Changed(Change::Text); });
  }
  const std::string& SimpleText() const { return simple_text_; }
  void SetSimpleText(const std::string& text) { SetText("SimpleText", text); }
  std::string WindowText() const override { return simple_text_; }

 private:
  std::string simple_text_;
};

}  // namespace ui
