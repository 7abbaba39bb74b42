#pragma once
#include "ui/control.h"

namespace ui {

class ProgressBar : public Control {
 public:
  ProgressBar(std::string name, Control* parent) : Control("TProgressBar", std::move(name), parent) {}
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  void SetRange(int min, int max) {
    if (min_ == min && max_ == max) return;
    min_ = min;
    max_ = max;
    Changed(Change::Progress);
  }
  // Drawn with its window's next paint; a busy run repaints it itself.
  void SetPosition(int position) {
    if (position_ == position) return;
    position_ = position;
    Changed(Change::Progress);
  }

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

}  // namespace ui
