#pragma once
// The locale record: formatting facts of one Windows locale, as stored in a
// dictionary or as Windows gives them.
#include <array>
#include <cstdint>
#include <string>

namespace platform {
class Locale;
}

namespace i18n {

struct TIvLocale {
  int PrimaryLanguage = 0;
  int SubLanguage = 0;
  int Charset = 0;
  int CodePage = 0;
  bool Flag = false;  // kept for the stored form only
  std::string EnglishLanguageName;
  std::string EnglishCountryName;
  std::string NativeLanguageName;
  std::string NativeCountryName;
  std::string AbbreviatedLanguageName;
  std::string CountryName;
  int Measurement = 0;  // 0 metric, 1 U.S.
  std::string CurrencySymbol;
  int CurrencyFormat = 0;
  int NegativeCurrencyFormat = 0;
  int CurrencyDecimals = 0;
  std::string ThousandSeparator;  // one character each
  std::string DecimalSeparator;
  std::string DateSeparator;
  std::string ShortDateFormat;
  std::string LongDateFormat;
  std::string TimeSeparator;
  std::string AmDesignator;
  std::string PmDesignator;
  bool LeadingZeroInHours = false;
  int TimeFormat = 0;      // 0 = 12-hour, 1 = 24-hour
  int AmPmPosition = 0;    // 0 = after the time, 1 = before
  int CalendarType = 0;
  int OptionalCalendar = 0;
  int FirstDayOfWeek = 0;
  int FirstWeekOfYear = 0;
  std::array<std::string, 12> ShortMonthNames;  // January first
  std::array<std::string, 12> LongMonthNames;
  std::array<std::string, 7> ShortDayNames;     // Monday first
  std::array<std::string, 7> LongDayNames;

  std::uint32_t LocaleId() const;
};

// Windows' data for the locale; an empty record (all zero) when Windows knows
// no English language name or no ANSI code page for it.
TIvLocale LocaleFromWindows(std::uint32_t lcid, platform::Locale& locale);

// A record read from storage: empty names from Windows, a zero code page by
// the default rule, a zero character set from the locale's font signature.
void CompleteStoredLocale(TIvLocale& record, platform::Locale& locale);

// The stored fields in stored order, for the reader and the writer alike.
// The visitor has Integer(int&), Text(std::string&), Character(std::string&)
// and Boolean(bool&).
template <typename Visitor>
void VisitStoredFields(TIvLocale& record, int version, Visitor& visit) {
  visit.Integer(record.PrimaryLanguage);
  visit.Integer(record.SubLanguage);
  if (version >= 2) visit.Integer(record.Charset);
  visit.Integer(record.CodePage);
  visit.Boolean(record.Flag);
  visit.Text(record.EnglishLanguageName);
  visit.Text(record.EnglishCountryName);
  visit.Text(record.NativeLanguageName);
  visit.Text(record.NativeCountryName);
  visit.Text(record.AbbreviatedLanguageName);
  visit.Text(record.CountryName);
  visit.Integer(record.Measurement);
  visit.Text(record.CurrencySymbol);
  visit.Integer(record.CurrencyFormat);
  visit.Integer(record.NegativeCurrencyFormat);
  visit.Integer(record.CurrencyDecimals);
  visit.Character(record.ThousandSeparator);
  visit.Character(record.DecimalSeparator);
  visit.Character(record.DateSeparator);
  visit.Text(record.ShortDateFormat);
  visit.Text(record.LongDateFormat);
  visit.Character(record.TimeSeparator);
  visit.Text(record.AmDesignator);
  visit.Text(record.PmDesignator);
  visit.Boolean(record.LeadingZeroInHours);
  visit.Integer(record.TimeFormat);
  visit.Integer(record.AmPmPosition);
  visit.Integer(record.CalendarType);
  visit.Integer(record.OptionalCalendar);
  visit.Integer(record.FirstDayOfWeek);
  visit.Integer(record.FirstWeekOfYear);
  for (auto& name : record.ShortMonthNames) visit.Text(name);
  for (auto& name : record.LongMonthNames) visit.Text(name);
  for (auto& name : record.ShortDayNames) visit.Text(name);
  for (auto& name : record.LongDayNames) visit.Text(name);
}

}  // namespace i18n
