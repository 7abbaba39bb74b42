#include "i18n/bidirectional_layout.h"

namespace i18n {

const TIvBidirectionalState* BidirectionalLayout::Find(const ui::Control& control) const {
  for (const TIvBidirectionalState& state : states_) {
    if (state.Control == &control) return &state;
  }
  return nullptr;
}

void BidirectionalLayout::Mirror(ui::Control& control) {
  const ui::Control* parent = control.Parent();
  if (!parent) return;
  const TIvBidirectionalState* state = Find(control);
  if (!state) {
    states_.push_back({&control, control.Left()});
    state = &states_.back();
  }
  control.SetPosition(parent->ClientArea().width - control.Width() - state->FirstLeft, control.Top());
}

void BidirectionalLayout::Restore(ui::Control& control) {
  const TIvBidirectionalState* state = Find(control);
  if (!state) return;
  control.SetPosition(state->FirstLeft, control.Top());
}

}  // namespace i18n
