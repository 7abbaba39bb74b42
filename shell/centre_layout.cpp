#include "shell/centre_layout.h"

#include <cmath>

namespace shell {

namespace {
int RoundHalfEven(double value) {
  double floor = std::floor(value);
  double rest = value - floor;
  if (rest > 0.5) return static_cast<int>(floor) + 1;
  if (rest < 0.5) return static_cast<int>(floor);
  int lower = static_cast<int>(floor);
  return lower % 2 == 0 ? lower : lower + 1;
}
}  // namespace

CentreLayout ComputeCentreLayout(int area_width, int area_height, int panel_width, int panel_height,
                                 int button_width) {
  CentreLayout layout;
  layout.panel_top = RoundHalfEven(area_height / 2.0 - panel_height / 2.0);
  layout.panel_left = RoundHalfEven(area_width / 2.0 - panel_width / 2.0);
  layout.button_left = RoundHalfEven(area_width / 2.0 - button_width / 2.0);
  layout.row_top[0] = layout.panel_top + 9;
  layout.row_top[1] = layout.panel_top + 71;
  layout.row_top[2] = layout.panel_top + 135;
  return layout;
}

}  // namespace shell
