#pragma once
// Work that changes what a window shows faster than any screen refreshes is
// drawn once per display frame: the model changes every time, the pixels
// when a frame has passed since they were last drawn.
#include <cstdint>
#include <optional>

#include "platform/system.h"

namespace shell {

class FramePace {
 public:
  // About one frame of a 60 Hz display.
  static constexpr std::int64_t kFrameMicroseconds = 16000;

  explicit FramePace(platform::System& clock) : clock_(clock) {}

  // True when nothing was done yet or a frame has passed since it last was.
  bool Due() {
    return !last_ || clock_.MonotonicMicroseconds() - *last_ >= kFrameMicroseconds;
  }
  // It has been done now.
  void Done() { last_ = clock_.MonotonicMicroseconds(); }

 private:
  platform::System& clock_;
  std::optional<std::int64_t> last_;
};

}  // namespace shell
