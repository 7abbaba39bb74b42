#pragma once
// Scaling of a window for languages written in multibyte characters.
#include "ui/control.h"

namespace i18n {

// Scales the root's size, and the bounds and font heights of everything
// inside it, by multiplier / divisor; the root keeps its position.
void ScaleControl(ui::Control& root, int multiplier, int divisor);

}  // namespace i18n
