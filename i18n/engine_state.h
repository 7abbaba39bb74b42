#pragma once
// The translation engine's process-wide state, in one place: what lives from
// first use to the end of the process and is shared by every dictionary and
// translator. Everything else belongs to a component; constant tables stay
// beside the code that reads them.
#include <functional>
#include <vector>

#include "i18n/dictionary_types.h"
#include "i18n/euro_rule.h"
#include "i18n/locale_settings.h"

namespace i18n {

class TIvDictionary;

struct RuntimeTextHooks {
  bool installed = false;
  // Set while a standard text is being looked up, so that the lookup's own
  // standard texts are not looked up again.
  bool lookup_under_way = false;
};

struct ReadingDirection {
  bool right_to_left = false;
  std::function<void(bool right_to_left)> listener;
};

struct EngineState {
  // Live dictionaries, in creation order.
  std::vector<TIvDictionary*> dictionaries;
  RuntimeTextHooks runtime_text_hooks;
  FormatSettings locale_settings;
  ReadingDirection reading_direction;
  TIvEuro euro_mode = TIvEuro::iveNormal;
  // Where the euro rule takes today's date from; empty for the system clock.
  std::function<CalendarDate()> today_source;
};

EngineState& Engine();

}  // namespace i18n
