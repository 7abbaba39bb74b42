#pragma once
#include "ui/control.h"

namespace ui {

// A picture from the program's resources, drawn stretched into the control's
// box or unscaled from its top-left corner (cut off at the box).
class Image : public Control {
 public:
  Image(std::string name, Control* parent) : Control("TImage", std::move(name), parent) {}
  const std::string& Picture() const { return picture_; }
  void SetPicture(const std::string& resource_name) { picture_ = resource_name; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch) { stretch_ = stretch; }

 private:
  std::string picture_;
  bool stretch_ = false;
};

}  // namespace ui
