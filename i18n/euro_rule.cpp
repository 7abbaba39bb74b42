#include "i18n/euro_rule.h"

#include <chrono>

#include "i18n/engine_state.h"

namespace i18n {

namespace {

constexpr const char* kEuroSign = "\xE2\x82\xAC";  // byte 0x80 of code page 1252

CalendarDate SystemToday() {
  const auto now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace

CalendarDate Today() {
  const auto& source = Engine().today_source;
  return source ? source() : SystemToday();
}

void SetTodaySource(std::function<CalendarDate()> source) { Engine().today_source = std::move(source); }

TIvEuro ProcessEuroMode() { return Engine().euro_mode; }
void SetProcessEuroMode(TIvEuro mode) { Engine().euro_mode = mode; }

bool IsEuroZoneLocale(int primary_language, int sub_language) {
  switch (primary_language) {
    case 7: return sub_language == 1 || sub_language == 3 || sub_language == 4;  // German
    case 9: return sub_language == 6;                                            // English (Ireland)
    case 10: case 11: case 16: return sub_language == 1;  // Spanish, Finnish, Italian
    case 12: return sub_language == 1 || sub_language == 2 || sub_language == 5;  // French
    case 19: return sub_language == 1 || sub_language == 2;                      // Dutch
    case 22: case 29: return sub_language == 2;  // Portuguese (Portugal), Swedish (Finland)
    default: return false;
  }
}

std::string EuroSign(const TIvLocale& record) {
  const TIvEuro mode = ProcessEuroMode();
  if (mode == TIvEuro::iveIgnore || !IsEuroZoneLocale(record.PrimaryLanguage, record.SubLanguage)) {
    return record.CurrencySymbol;
  }
  const CalendarDate today = Today();
  if (today >= CalendarDate{2002, 1, 1}) return kEuroSign;
  if (today >= CalendarDate{1999, 1, 1} && mode == TIvEuro::iveBusiness) return kEuroSign;
  return record.CurrencySymbol;
}

}  // namespace i18n
