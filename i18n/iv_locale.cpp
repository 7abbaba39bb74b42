#include "i18n/iv_locale.h"

#include <charconv>
#include <optional>

#include "i18n/code_pages.h"
#include "platform/locale.h"
#include "text/utf8.h"

namespace i18n {

namespace {

class WindowsFacts {
 public:
  WindowsFacts(platform::Locale& locale, std::uint32_t lcid) : locale_(locale), lcid_(lcid) {}

  std::optional<std::string> Find(std::uint32_t lctype) { return locale_.LocaleInfo(lcid_, lctype); }
  std::string Text(std::uint32_t lctype) { return Find(lctype).value_or(""); }

  std::optional<int> FindNumber(std::uint32_t lctype) {
    const auto text = Find(lctype);
    if (!text) return std::nullopt;
    int value = 0;
    const auto [stop, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc()) return std::nullopt;
    return value;
  }
  int Number(std::uint32_t lctype) { return FindNumber(lctype).value_or(0); }

  // Windows gives separators as strings; the record keeps their first character.
  std::string Character(std::uint32_t lctype) {
    const std::string separator = Text(lctype);
    return separator.substr(0, text::AdvanceCharacters(separator, 0, 1));
  }

 private:
  platform::Locale& locale_;
  std::uint32_t lcid_;
};

void FillNames(TIvLocale& record, WindowsFacts& facts, bool only_empty) {
  const auto fill = [&](std::string& field, std::uint32_t lctype) {
    if (!only_empty || field.empty()) field = facts.Text(lctype);
  };
  fill(record.EnglishLanguageName, platform::kLocaleSEnglishLanguage);
  fill(record.EnglishCountryName, platform::kLocaleSEnglishCountry);
  fill(record.NativeLanguageName, platform::kLocaleSNativeLanguage);
  fill(record.NativeCountryName, platform::kLocaleSNativeCountry);
  fill(record.AbbreviatedLanguageName, platform::kLocaleSAbbrevLanguage);
  fill(record.CountryName, platform::kLocaleSCountry);
}

void FillFormats(TIvLocale& record, WindowsFacts& facts) {
  using namespace platform;
  record.Measurement = facts.Number(kLocaleIMeasure);
  record.CurrencySymbol = facts.Text(kLocaleSCurrency);
  record.CurrencyFormat = facts.Number(kLocaleICurrency);
  record.NegativeCurrencyFormat = facts.Number(kLocaleINegCurr);
  record.CurrencyDecimals = facts.Number(kLocaleICurrDigits);
  record.ThousandSeparator = facts.Character(kLocaleSThousand);
  record.DecimalSeparator = facts.Character(kLocaleSDecimal);
  record.DateSeparator = facts.Character(kLocaleSDate);
  record.ShortDateFormat = facts.Text(kLocaleSShortDate);
  record.LongDateFormat = facts.Text(kLocaleSLongDate);
  record.TimeSeparator = facts.Character(kLocaleSTime);
  record.AmDesignator = facts.Text(kLocaleS1159);
  record.PmDesignator = facts.Text(kLocaleS2359);
  record.LeadingZeroInHours = facts.Text(kLocaleITLZero) != "0";
  record.TimeFormat = facts.Number(kLocaleITime);
  record.AmPmPosition = facts.Number(kLocaleITimeMarkPosn);
  record.CalendarType = facts.Number(kLocaleICalendarType);
  record.OptionalCalendar = facts.Number(kLocaleIOptionalCalendar);
  record.FirstDayOfWeek = facts.Number(kLocaleIFirstDayOfWeek);
  record.FirstWeekOfYear = facts.Number(kLocaleIFirstWeekOfYear);
}

void FillCalendarNames(TIvLocale& record, WindowsFacts& facts) {
  using namespace platform;
  for (std::uint32_t i = 0; i < 12; ++i) {
    record.ShortMonthNames[i] = facts.Text(kLocaleSAbbrevMonthName1 + i);
    record.LongMonthNames[i] = facts.Text(kLocaleSMonthName1 + i);
  }
  for (std::uint32_t i = 0; i < 7; ++i) {
    record.ShortDayNames[i] = facts.Text(kLocaleSAbbrevDayName1 + i);
    record.LongDayNames[i] = facts.Text(kLocaleSDayName1 + i);
  }
}

}  // namespace

std::uint32_t TIvLocale::LocaleId() const { return MakeLocaleId(PrimaryLanguage, SubLanguage); }

TIvLocale LocaleFromWindows(std::uint32_t lcid, platform::Locale& locale) {
  WindowsFacts facts(locale, lcid);
  TIvLocale record;
  if (!facts.Find(platform::kLocaleSEnglishLanguage)) return record;
  const auto windows_code_page = facts.FindNumber(platform::kLocaleIDefaultAnsiCodePage);
  if (!windows_code_page) return record;
  record.PrimaryLanguage = PrimaryLanguageOf(lcid);
  record.SubLanguage = SubLanguageOf(lcid);
  record.CodePage = DefaultAnsiCodePage(record.PrimaryLanguage, record.SubLanguage, windows_code_page);
  record.Charset = CharsetOfCodePage(record.CodePage);
  FillNames(record, facts, false);
  FillFormats(record, facts);
  FillCalendarNames(record, facts);
  return record;
}

void CompleteStoredLocale(TIvLocale& record, platform::Locale& locale) {
  const std::uint32_t lcid = record.LocaleId();
  WindowsFacts facts(locale, lcid);
  FillNames(record, facts, true);
  if (record.CodePage == 0) {
    record.CodePage = DefaultAnsiCodePage(record.PrimaryLanguage, record.SubLanguage,
                                          facts.FindNumber(platform::kLocaleIDefaultAnsiCodePage));
  }
  if (record.Charset == 0) {
    record.Charset = CharsetOfFontSignature(locale.FontSignatureCodePages(lcid).value_or(0));
  }
}

}  // namespace i18n
