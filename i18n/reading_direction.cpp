#include "i18n/reading_direction.h"

#include "i18n/engine_state.h"

namespace i18n {

namespace {

ReadingDirection& Direction() { return Engine().reading_direction; }

}  // namespace

bool ApplicationIsRightToLeft() { return Direction().right_to_left; }

void SetApplicationRightToLeft(bool right_to_left) {
  ReadingDirection& direction = Direction();
  if (direction.right_to_left == right_to_left) return;
  direction.right_to_left = right_to_left;
  if (direction.listener) direction.listener(right_to_left);
}

void SetReadingDirectionListener(std::function<void(bool right_to_left)> listener) {
  Direction().listener = std::move(listener);
}

}  // namespace i18n
