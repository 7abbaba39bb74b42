#pragma once
// Mirroring of controls for right-to-left languages: each control's left
// position is reflected in its parent's client width, from the position it
// had when it was first mirrored.
#include <vector>

#include "ui/control.h"

namespace i18n {

struct TIvBidirectionalState {
  const ui::Control* Control = nullptr;
  int FirstLeft = 0;
};

class BidirectionalLayout {
 public:
  // A control without a parent has nothing to be mirrored in.
  void Mirror(ui::Control& control);
  // Only a control that was mirrored goes back: one that never was keeps
  // the place the program gave it.
  void Restore(ui::Control& control);
  void Clear() { states_.clear(); }
  const std::vector<TIvBidirectionalState>& States() const { return states_; }

 private:
  const TIvBidirectionalState* Find(const ui::Control& control) const;

  std::vector<TIvBidirectionalState> states_;
};

}  // namespace i18n
