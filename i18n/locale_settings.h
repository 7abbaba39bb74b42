#pragma once
// The process-wide formatting settings used when numbers, amounts, dates and
// times become text, following the dictionary's locale.
#include <array>
#include <cstdint>
#include <string>

#include "i18n/iv_locale.h"

namespace i18n {

struct FormatSettings {
  std::uint32_t LocaleId = 0;
  int PrimaryLanguage = 0;
  int SubLanguage = 0;
  bool DoubleByteSystem = false;
  std::string CurrencySymbol;
  int CurrencyFormat = 0;
  int NegativeCurrencyFormat = 0;
  std::string ThousandSeparator;
  std::string DecimalSeparator;
  int CurrencyDecimals = 0;
  std::string DateSeparator;
  std::string ShortDateFormat;
  std::string LongDateFormat;
  std::string TimeSeparator;
  std::string AmDesignator;
  std::string PmDesignator;
  std::string ShortTimeFormat;
  std::string LongTimeFormat;
  std::array<std::string, 12> ShortMonthNames;
  std::array<std::string, 12> LongMonthNames;
  std::array<std::string, 7> ShortDayNames;  // Sunday first
  std::array<std::string, 7> LongDayNames;
};

// The process's settings.
FormatSettings& LocaleSettings();

// Takes the settings from the record; with four_digit_years the short date
// format shows the year with four digits.
void UpdateLocaleSettings(const TIvLocale& record, bool four_digit_years, bool double_byte_system);

// Only the currency symbol, after the euro mode changed.
void UpdateCurrencySymbol(const TIvLocale& record);

// "dd/MM/yy" becomes "dd/MM/yyyy"; a format without "yy" gets it in front.
std::string WithFourDigitYears(const std::string& date_format);

struct TimeFormats {
  std::string short_format;
  std::string long_format;
};
TimeFormats TimeFormatsOf(const TIvLocale& record);

}  // namespace i18n
