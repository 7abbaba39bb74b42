#include "i18n/reading_direction.h"

namespace i18n {

namespace {

struct ReadingDirection {
  bool right_to_left = false;
  std::function<void(bool)> listener;
};

ReadingDirection& Direction() {
  static ReadingDirection direction;
  return direction;
}

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
