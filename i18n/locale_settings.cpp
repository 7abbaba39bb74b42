#include "i18n/locale_settings.h"

#include "i18n/engine_state.h"
#include "i18n/euro_rule.h"

namespace i18n {

FormatSettings& LocaleSettings() { return Engine().locale_settings; }

std::string WithFourDigitYears(const std::string& date_format) {
  if (date_format.find("yyyy") != std::string::npos) return date_format;
  const std::size_t at = date_format.find("yy");
  if (at == std::string::npos) return "yy" + date_format;
  return date_format.substr(0, at) + "yy" + date_format.substr(at);
}

TimeFormats TimeFormatsOf(const TIvLocale& record) {
  const std::string hour = record.LeadingZeroInHours ? "hh" : "h";
  std::string prefix;
  std::string suffix;
  if (record.TimeFormat == 0) {
    if (record.AmPmPosition == 1) {
      prefix = "AMPM ";
    } else {
      suffix = " AMPM";
    }
  }
  return {prefix + hour + ":mm" + suffix, prefix + hour + ":mm:ss" + suffix};
}

void UpdateCurrencySymbol(const TIvLocale& record) { LocaleSettings().CurrencySymbol = EuroSign(record); }

void UpdateLocaleSettings(const TIvLocale& record, bool four_digit_years, bool double_byte_system) {
  FormatSettings& settings = LocaleSettings();
  settings.LocaleId = record.LocaleId();
  settings.PrimaryLanguage = record.PrimaryLanguage;
  settings.SubLanguage = record.SubLanguage;
  settings.DoubleByteSystem = double_byte_system;
  settings.CurrencySymbol = EuroSign(record);
  settings.CurrencyFormat = record.CurrencyFormat;
  settings.NegativeCurrencyFormat = record.NegativeCurrencyFormat;
  settings.ThousandSeparator = record.ThousandSeparator;
  settings.DecimalSeparator = record.DecimalSeparator;
  settings.CurrencyDecimals = record.CurrencyDecimals;
  settings.DateSeparator = record.DateSeparator;
  settings.ShortDateFormat = record.ShortDateFormat;
  settings.LongDateFormat = record.LongDateFormat;
  // Long formats may leave the year out on purpose; only the short one is widened.
  if (four_digit_years) settings.ShortDateFormat = WithFourDigitYears(settings.ShortDateFormat);
  settings.TimeSeparator = record.TimeSeparator.empty() ? ":" : record.TimeSeparator;
  settings.AmDesignator = record.AmDesignator;
  settings.PmDesignator = record.PmDesignator;
  const TimeFormats times = TimeFormatsOf(record);
  settings.ShortTimeFormat = times.short_format;
  settings.LongTimeFormat = times.long_format;
  settings.ShortMonthNames = record.ShortMonthNames;
  settings.LongMonthNames = record.LongMonthNames;
  // The record counts days from Monday, the settings from Sunday.
  for (int i = 0; i < 7; ++i) {
    settings.ShortDayNames[(i + 1) % 7] = record.ShortDayNames[i];
    settings.LongDayNames[(i + 1) % 7] = record.LongDayNames[i];
  }
}

}  // namespace i18n
