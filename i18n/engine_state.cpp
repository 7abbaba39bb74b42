#include "i18n/engine_state.h"

namespace i18n {

EngineState& Engine() {
  // Made on first use, so that dictionaries of static lifetime find it.
  static EngineState state;
  return state;
}

}  // namespace i18n
