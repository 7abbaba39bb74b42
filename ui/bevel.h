#pragma once
#include "ui/control.h"

namespace ui {

// A sunken horizontal line.
class Bevel : public Control {
 public:
  Bevel(std::string name, Control* parent) : Control("TBevel", std::move(name), parent) {}
};

}  // namespace ui
