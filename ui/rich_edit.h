#pragma once
#include "ui/control.h"

namespace ui {

// A read-only rich-text box showing lines of text.
class RichEdit : public Control {
 public:
  RichEdit(std::string name, Control* parent) : Control("TRichEdit", std::move(name), parent) {
    DeclareList("Lines", lines_);
    DeclareText("Text", [this] { return lines_.Text(); }, [this](const std::string& v) { lines_.SetText(v); });
    lines_.on_change = [this] { Changed(Change::Text); };
  }
  StringList& Lines() { return lines_; }
  const StringList& Lines() const { return lines_; }
  std::string WindowText() const override { return lines_.Text(); }
  bool TakesFocus() const override { return true; }

 private:
  StringList lines_;
};

}  // namespace ui
