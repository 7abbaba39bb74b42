#include "i18n/multibyte_scaling.h"

#include <cmath>

namespace i18n {

namespace {

int Scaled(int value, int multiplier, int divisor) {
  return int(std::lround(double(value) * multiplier / divisor));
}

void ScaleFont(ui::Control& control, int multiplier, int divisor) {
  ui::Font font = control.GetFont();
  font.height = Scaled(font.height, multiplier, divisor);
  control.SetFont(font);
}

// Children first: a parent that changes size re-places its aligned children
// from their new sizes.
void ScaleTree(ui::Control& control, int multiplier, int divisor, bool is_root) {
  for (ui::Control* child : control.Children()) ScaleTree(*child, multiplier, divisor, false);
  ScaleFont(control, multiplier, divisor);
  const ui::Bounds& b = control.GetBounds();
  const int left = is_root ? b.left : Scaled(b.left, multiplier, divisor);
  const int top = is_root ? b.top : Scaled(b.top, multiplier, divisor);
  control.SetBounds({left, top, Scaled(b.width, multiplier, divisor), Scaled(b.height, multiplier, divisor)});
}

}  // namespace

void ScaleControl(ui::Control& root, int multiplier, int divisor) {
  if (divisor == 0 || multiplier == divisor) return;
  ScaleTree(root, multiplier, divisor, true);
}

}  // namespace i18n
