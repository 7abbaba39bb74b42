#pragma once
#include "ui/control.h"

namespace ui {

// A container; framed panels draw a raised bevel.
class Panel : public Control {
 public:
  Panel(std::string name, Control* parent) : Control("TPanel", std::move(name), parent) {
    DeclareTextMember("Caption", caption_, [this] { Changed(Change::Text); });
  }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { SetText("Caption", caption); }
  std::string WindowText() const override { return caption_; }
  bool Framed() const { return framed_; }
  void SetFramed(bool framed) { framed_ = framed; }

 private:
  std::string caption_;
  bool framed_ = true;
};

}  // namespace ui
