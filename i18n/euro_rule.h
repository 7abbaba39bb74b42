#pragma once
// The currency symbol of euro-zone locales, which became the euro sign by
// date, and the process's euro mode.
#include <functional>
#include <string>

#include "i18n/dictionary_types.h"
#include "i18n/iv_locale.h"

namespace i18n {

struct CalendarDate {
  int year = 0;
  int month = 0;
  int day = 0;
  friend auto operator<=>(const CalendarDate&, const CalendarDate&) = default;
};

// Today's local date; tests put a clock of their own in its place (an empty
// function restores the system clock).
CalendarDate Today();
void SetTodaySource(std::function<CalendarDate()> source);

TIvEuro ProcessEuroMode();
void SetProcessEuroMode(TIvEuro mode);

bool IsEuroZoneLocale(int primary_language, int sub_language);

// The record's currency symbol, or the euro sign where the mode and today's
// date call for it.
std::string EuroSign(const TIvLocale& record);

}  // namespace i18n
