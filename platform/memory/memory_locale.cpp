#include "platform/memory/memory_locale.h"

#include <array>
#include <vector>

namespace platform {

namespace {

struct CalendarNames {
  std::array<const char*, 12> months;
  std::array<const char*, 12> short_months;
  std::array<const char*, 7> days;  // Monday first, as Windows numbers them
  std::array<const char*, 7> short_days;
};

const CalendarNames kPortugueseNames = {
    {"janeiro", "fevereiro", "março", "abril", "maio", "junho", "julho", "agosto", "setembro",
     "outubro", "novembro", "dezembro"},
    {"jan", "fev", "mar", "abr", "mai", "jun", "jul", "ago", "set", "out", "nov", "dez"},
    {"segunda-feira", "terça-feira", "quarta-feira", "quinta-feira", "sexta-feira", "sábado",
     "domingo"},
    {"seg", "ter", "qua", "qui", "sex", "sáb", "dom"}};

const CalendarNames kSpanishNames = {
    {"enero", "febrero", "marzo", "abril", "mayo", "junio", "julio", "agosto", "septiembre",
     "octubre", "noviembre", "diciembre"},
    {"ene", "feb", "mar", "abr", "may", "jun", "jul", "ago", "sep", "oct", "nov", "dic"},
    {"lunes", "martes", "miércoles", "jueves", "viernes", "sábado", "domingo"},
    {"lun", "mar", "mié", "jue", "vie", "sáb", "dom"}};

const CalendarNames kEnglishNames = {
    {"January", "February", "March", "April", "May", "June", "July", "August", "September",
     "October", "November", "December"},
    {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
    {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}};

const CalendarNames kGermanNames = {
    {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September",
     "Oktober", "November", "Dezember"},
    {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"},
    {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"},
    {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"}};

const CalendarNames kRussianNames = {
    {"Январь", "Февраль", "Март", "Апрель", "Май", "Июнь", "Июль", "Август", "Сентябрь",
     "Октябрь", "Ноябрь", "Декабрь"},
    {"янв", "фев", "мар", "апр", "май", "июн", "июл", "авг", "сен", "окт", "ноя", "дек"},
    {"понедельник", "вторник", "среда", "четверг", "пятница", "суббота", "воскресенье"},
    {"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"}};

const CalendarNames kJapaneseNames = {
    {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"},
    {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"},
    {"月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日", "日曜日"},
    {"月", "火", "水", "木", "金", "土", "日"}};

// One locale's facts, by LCTYPE.
struct LocaleData {
  std::uint32_t lcid;
  std::uint32_t font_signature;
  const CalendarNames* names;
  std::vector<std::pair<std::uint32_t, const char*>> facts;
};

std::vector<LocaleData> KnownLocales() {
  return {
      {0x0416, 0x00000001, &kPortugueseNames,
       {{kLocaleSEnglishLanguage, "Portuguese"}, {kLocaleSNativeLanguage, "português"},
        {kLocaleSAbbrevLanguage, "PTB"}, {kLocaleSEnglishCountry, "Brazil"},
        {kLocaleSNativeCountry, "Brasil"}, {kLocaleSCountry, "Brasil"},
        {kLocaleSIso639LanguageName, "pt"}, {kLocaleSIso3166CountryName, "BR"},
        {kLocaleIDefaultAnsiCodePage, "1252"}, {kLocaleIMeasure, "0"}, {kLocaleSCurrency, "R$"},
        {kLocaleICurrency, "2"}, {kLocaleINegCurr, "9"}, {kLocaleICurrDigits, "2"},
        {kLocaleSThousand, "."}, {kLocaleSDecimal, ","}, {kLocaleSDate, "/"},
        {kLocaleSShortDate, "dd/MM/yyyy"}, {kLocaleSLongDate, "dddd, d' de 'MMMM' de 'yyyy"},
        {kLocaleSTime, ":"}, {kLocaleS1159, ""}, {kLocaleS2359, ""}, {kLocaleITLZero, "1"},
        {kLocaleITime, "1"}, {kLocaleITimeMarkPosn, "0"}, {kLocaleICalendarType, "1"},
        {kLocaleIOptionalCalendar, "0"}, {kLocaleIFirstDayOfWeek, "6"},
        {kLocaleIFirstWeekOfYear, "0"}}},
      {0x0816, 0x00000001, &kPortugueseNames,
       {{kLocaleSEnglishLanguage, "Portuguese"}, {kLocaleSNativeLanguage, "português"},
        {kLocaleSAbbrevLanguage, "PTG"}, {kLocaleSEnglishCountry, "Portugal"},
        {kLocaleSNativeCountry, "Portugal"}, {kLocaleSCountry, "Portugal"},
        {kLocaleSIso639LanguageName, "pt"}, {kLocaleSIso3166CountryName, "PT"},
        {kLocaleIDefaultAnsiCodePage, "1252"}, {kLocaleIMeasure, "0"}, {kLocaleSCurrency, "€"},
        {kLocaleICurrency, "3"}, {kLocaleINegCurr, "8"}, {kLocaleICurrDigits, "2"},
        {kLocaleSThousand, "."}, {kLocaleSDecimal, ","}, {kLocaleSDate, "-"},
        {kLocaleSShortDate, "dd-MM-yyyy"}, {kLocaleSLongDate, "dddd, d' de 'MMMM' de 'yyyy"},
        {kLocaleSTime, ":"}, {kLocaleS1159, ""}, {kLocaleS2359, ""}, {kLocaleITLZero, "1"},
        {kLocaleITime, "1"}, {kLocaleITimeMarkPosn, "0"}, {kLocaleICalendarType, "1"},
        {kLocaleIOptionalCalendar, "0"}, {kLocaleIFirstDayOfWeek, "0"},
        {kLocaleIFirstWeekOfYear, "0"}}},
      // Traditional sort; short dates of the older two-digit kind.
      {0x040A, 0x00000001, &kSpanishNames,
       {{kLocaleSEnglishLanguage, "Spanish"}, {kLocaleSNativeLanguage, "español"},
        {kLocaleSAbbrevLanguage, "ESP"}, {kLocaleSEnglishCountry, "Spain"},
        {kLocaleSNativeCountry, "España"}, {kLocaleSCountry, "España"},
        {kLocaleSIso639LanguageName, "es"}, {kLocaleSIso3166CountryName, "ES"},
        {kLocaleIDefaultAnsiCodePage, "1252"}, {kLocaleIMeasure, "0"}, {kLocaleSCurrency, "Pts"},
        {kLocaleICurrency, "3"}, {kLocaleINegCurr, "8"}, {kLocaleICurrDigits, "0"},
        {kLocaleSThousand, "."}, {kLocaleSDecimal, ","}, {kLocaleSDate, "/"},
        {kLocaleSShortDate, "dd/MM/yy"}, {kLocaleSLongDate, "dddd, d' de 'MMMM' de 'yyyy"},
        {kLocaleSTime, ":"}, {kLocaleS1159, ""}, {kLocaleS2359, ""}, {kLocaleITLZero, "0"},
        {kLocaleITime, "1"}, {kLocaleITimeMarkPosn, "0"}, {kLocaleICalendarType, "1"},
        {kLocaleIOptionalCalendar, "0"}, {kLocaleIFirstDayOfWeek, "0"},
        {kLocaleIFirstWeekOfYear, "2"}}},
      // Modern sort.
      {0x0C0A, 0x00000001, &kSpanishNames,
       {{kLocaleSEnglishLanguage, "Spanish"}, {kLocaleSNativeLanguage, "español"},
        {kLocaleSAbbrevLanguage, "ESN"}, {kLocaleSEnglishCountry, "Spain"},
        {kLocaleSNativeCountry, "España"}, {kLocaleSCountry, "España"},
        {kLocaleSIso639LanguageName, "es"}, {kLocaleSIso3166CountryName, "ES"},
        {kLocaleIDefaultAnsiCodePage, "1252"}, {kLocaleIMeasure, "0"}, {kLocaleSCurrency, "€"},
        {kLocaleICurrency, "3"}, {kLocaleINegCurr, "8"}, {kLocaleICurrDigits, "2"},
        {kLocaleSThousand, "."}, {kLocaleSDecimal, ","}, {kLocaleSDate, "/"},
        {kLocaleSShortDate, "dd/MM/yyyy"}, {kLocaleSLongDate, "dddd, d' de 'MMMM' de 'yyyy"},
        {kLocaleSTime, ":"}, {kLocaleS1159, ""}, {kLocaleS2359, ""}, {kLocaleITLZero, "0"},
        {kLocaleITime, "1"}, {kLocaleITimeMarkPosn, "0"}, {kLocaleICalendarType, "1"},
        {kLocaleIOptionalCalendar, "0"}, {kLocaleIFirstDayOfWeek, "0"},
        {kLocaleIFirstWeekOfYear, "2"}}},
      // 12-hour clock with a leading zero and the designator after the time.
      {0x080A, 0x00000001, &kSpanishNames,
       {{kLocaleSEnglishLanguage, "Spanish"}, {kLocaleSNativeLanguage, "español"},
        {kLocaleSAbbrevLanguage, "ESM"}, {kLocaleSEnglishCountry, "Mexico"},
        {kLocaleSNativeCountry, "México"}, {kLocaleSCountry, "México"},
        {kLocaleSIso639LanguageName, "es"}, {kLocaleSIso3166CountryName, "MX"},
        {kLocaleIDefaultAnsiCodePage, "1252"}, {kLocaleIMeasure, "0"}, {kLocaleSCurrency, "$"},
        {kLocaleICurrency, "0"}, {kLocaleINegCurr, "1"}, {kLocaleICurrDigits, "2"},
        {kLocaleSThousand, ","}, {kLocaleSDecimal, "."}, {kLocaleSDate, "/"},
        {kLocaleSShortDate, "dd/MM/yyyy"}, {kLocaleSLongDate, "dddd, dd' de 'MMMM' de 'yyyy"},
        {kLocaleSTime, ":"}, {kLocaleS1159, "a.m."}, {kLocaleS2359, "p.m."},
        {kLocaleITLZero, "1"}, {kLocaleITime, "0"}, {kLocaleITimeMarkPosn, "0"},
        {kLocaleICalendarType, "1"}, {kLocaleIOptionalCalendar, "0"},
        {kLocaleIFirstDayOfWeek, "6"}, {kLocaleIFirstWeekOfYear, "0"}}},
      // 12-hour clock without a leading zero.
      {0x0409, 0x00000001, &kEnglishNames,
       {{kLocaleSEnglishLanguage, "English"}, {kLocaleSNativeLanguage, "English"},
        {kLocaleSAbbrevLanguage, "ENU"}, {kLocaleSEnglishCountry, "United States"},
        {kLocaleSNativeCountry, "United States"}, {kLocaleSCountry, "United States"},
        {kLocaleSIso639LanguageName, "en"}, {kLocaleSIso3166CountryName, "US"},
        {kLocaleIDefaultAnsiCodePage, "1252"}, {kLocaleIMeasure, "1"}, {kLocaleSCurrency, "$"},
        {kLocaleICurrency, "0"}, {kLocaleINegCurr, "0"}, {kLocaleICurrDigits, "2"},
        {kLocaleSThousand, ","}, {kLocaleSDecimal, "."}, {kLocaleSDate, "/"},
        {kLocaleSShortDate, "M/d/yyyy"}, {kLocaleSLongDate, "dddd, MMMM dd, yyyy"},
        {kLocaleSTime, ":"}, {kLocaleS1159, "AM"}, {kLocaleS2359, "PM"}, {kLocaleITLZero, "0"},
        {kLocaleITime, "0"}, {kLocaleITimeMarkPosn, "0"}, {kLocaleICalendarType, "1"},
        {kLocaleIOptionalCalendar, "0"}, {kLocaleIFirstDayOfWeek, "6"},
        {kLocaleIFirstWeekOfYear, "0"}}},
      {0x0809, 0x00000001, &kEnglishNames,
       {{kLocaleSEnglishLanguage, "English"}, {kLocaleSNativeLanguage, "English"},
        {kLocaleSAbbrevLanguage, "ENG"}, {kLocaleSEnglishCountry, "United Kingdom"},
        {kLocaleSNativeCountry, "United Kingdom"}, {kLocaleSCountry, "United Kingdom"},
        {kLocaleSIso639LanguageName, "en"}, {kLocaleSIso3166CountryName, "GB"},
        {kLocaleIDefaultAnsiCodePage, "1252"}, {kLocaleIMeasure, "0"}, {kLocaleSCurrency, "£"},
        {kLocaleICurrency, "0"}, {kLocaleINegCurr, "1"}, {kLocaleICurrDigits, "2"},
        {kLocaleSThousand, ","}, {kLocaleSDecimal, "."}, {kLocaleSDate, "/"},
        {kLocaleSShortDate, "dd/MM/yyyy"}, {kLocaleSLongDate, "dd MMMM yyyy"},
        {kLocaleSTime, ":"}, {kLocaleS1159, "AM"}, {kLocaleS2359, "PM"}, {kLocaleITLZero, "1"},
        {kLocaleITime, "1"}, {kLocaleITimeMarkPosn, "0"}, {kLocaleICalendarType, "1"},
        {kLocaleIOptionalCalendar, "0"}, {kLocaleIFirstDayOfWeek, "0"},
        {kLocaleIFirstWeekOfYear, "2"}}},
      {0x0407, 0x00000001, &kGermanNames,
       {{kLocaleSEnglishLanguage, "German"}, {kLocaleSNativeLanguage, "Deutsch"},
        {kLocaleSAbbrevLanguage, "DEU"}, {kLocaleSEnglishCountry, "Germany"},
        {kLocaleSNativeCountry, "Deutschland"}, {kLocaleSCountry, "Deutschland"},
        {kLocaleSIso639LanguageName, "de"}, {kLocaleSIso3166CountryName, "DE"},
        {kLocaleIDefaultAnsiCodePage, "1252"}, {kLocaleIMeasure, "0"}, {kLocaleSCurrency, "€"},
        {kLocaleICurrency, "3"}, {kLocaleINegCurr, "8"}, {kLocaleICurrDigits, "2"},
        {kLocaleSThousand, "."}, {kLocaleSDecimal, ","}, {kLocaleSDate, "."},
        {kLocaleSShortDate, "dd.MM.yyyy"}, {kLocaleSLongDate, "dddd, d. MMMM yyyy"},
        {kLocaleSTime, ":"}, {kLocaleS1159, ""}, {kLocaleS2359, ""}, {kLocaleITLZero, "1"},
        {kLocaleITime, "1"}, {kLocaleITimeMarkPosn, "0"}, {kLocaleICalendarType, "1"},
        {kLocaleIOptionalCalendar, "0"}, {kLocaleIFirstDayOfWeek, "0"},
        {kLocaleIFirstWeekOfYear, "2"}}},
      {0x0419, 0x00000004, &kRussianNames,
       {{kLocaleSEnglishLanguage, "Russian"}, {kLocaleSNativeLanguage, "русский"},
        {kLocaleSAbbrevLanguage, "RUS"}, {kLocaleSEnglishCountry, "Russia"},
        {kLocaleSNativeCountry, "Россия"}, {kLocaleSCountry, "Россия"},
        {kLocaleSIso639LanguageName, "ru"}, {kLocaleSIso3166CountryName, "RU"},
        {kLocaleIDefaultAnsiCodePage, "1251"}, {kLocaleIMeasure, "0"}, {kLocaleSCurrency, "р."},
        {kLocaleICurrency, "1"}, {kLocaleINegCurr, "5"}, {kLocaleICurrDigits, "2"},
        {kLocaleSThousand, "\xC2\xA0"}, {kLocaleSDecimal, ","}, {kLocaleSDate, "."},
        {kLocaleSShortDate, "dd.MM.yyyy"}, {kLocaleSLongDate, "d MMMM yyyy 'г.'"},
        {kLocaleSTime, ":"}, {kLocaleS1159, ""}, {kLocaleS2359, ""}, {kLocaleITLZero, "0"},
        {kLocaleITime, "1"}, {kLocaleITimeMarkPosn, "0"}, {kLocaleICalendarType, "1"},
        {kLocaleIOptionalCalendar, "0"}, {kLocaleIFirstDayOfWeek, "0"},
        {kLocaleIFirstWeekOfYear, "0"}}},
      // Designator before the time.
      {0x0411, 0x00020000, &kJapaneseNames,
       {{kLocaleSEnglishLanguage, "Japanese"}, {kLocaleSNativeLanguage, "日本語"},
        {kLocaleSAbbrevLanguage, "JPN"}, {kLocaleSEnglishCountry, "Japan"},
        {kLocaleSNativeCountry, "日本"}, {kLocaleSCountry, "日本"},
        {kLocaleSIso639LanguageName, "ja"}, {kLocaleSIso3166CountryName, "JP"},
        {kLocaleIDefaultAnsiCodePage, "932"}, {kLocaleIMeasure, "0"}, {kLocaleSCurrency, "¥"},
        {kLocaleICurrency, "0"}, {kLocaleINegCurr, "1"}, {kLocaleICurrDigits, "0"},
        {kLocaleSThousand, ","}, {kLocaleSDecimal, "."}, {kLocaleSDate, "/"},
        {kLocaleSShortDate, "yyyy/MM/dd"}, {kLocaleSLongDate, "yyyy'年'M'月'd'日'"},
        {kLocaleSTime, ":"}, {kLocaleS1159, "午前"}, {kLocaleS2359, "午後"},
        {kLocaleITLZero, "0"}, {kLocaleITime, "1"}, {kLocaleITimeMarkPosn, "1"},
        {kLocaleICalendarType, "1"}, {kLocaleIOptionalCalendar, "0"},
        {kLocaleIFirstDayOfWeek, "6"}, {kLocaleIFirstWeekOfYear, "0"}}},
  };
}

std::uint32_t AnsiCodePageOfSystem(std::uint32_t lcid) {
  switch (lcid & 0x3FF) {
    case 0x19: case 0x02: case 0x22: case 0x23: return 1251;
    case 0x11: return 932;
    default: return 1252;
  }
}

}  // namespace

MemoryLocale::MemoryLocale()
    : installed_code_pages_{437, 850, 874, 932, 936, 949, 950, 1250, 1251, 1252,
                            1253, 1254, 1255, 1256, 1257, 1258, 65001} {
  for (const LocaleData& data : KnownLocales()) {
    auto& facts = facts_[data.lcid];
    for (const auto& [lctype, value] : data.facts) facts[lctype] = value;
    for (std::uint32_t i = 0; i < 12; ++i) {
      facts[kLocaleSMonthName1 + i] = data.names->months[i];
      facts[kLocaleSAbbrevMonthName1 + i] = data.names->short_months[i];
    }
    for (std::uint32_t i = 0; i < 7; ++i) {
      facts[kLocaleSDayName1 + i] = data.names->days[i];
      facts[kLocaleSAbbrevDayName1 + i] = data.names->short_days[i];
    }
    font_signatures_[data.lcid] = data.font_signature;
  }
}

bool MemoryLocale::IsCodePageInstalled(std::uint32_t code_page) {
  return installed_code_pages_.count(code_page) != 0;
}

std::optional<std::string> MemoryLocale::LocaleInfo(std::uint32_t lcid, std::uint32_t lctype) {
  const auto locale = facts_.find(lcid);
  if (locale == facts_.end()) return std::nullopt;
  const auto fact = locale->second.find(lctype);
  if (fact == locale->second.end()) return std::nullopt;
  return fact->second;
}

std::optional<std::uint32_t> MemoryLocale::FontSignatureCodePages(std::uint32_t lcid) {
  const auto found = font_signatures_.find(lcid);
  if (found == font_signatures_.end()) return std::nullopt;
  return found->second;
}

void MemoryLocale::SetSystem(std::uint32_t lcid) {
  system_default_ = lcid;
  user_default_ = lcid;
  ansi_code_page_ = AnsiCodePageOfSystem(lcid);
  double_byte_system_ = ansi_code_page_ == 932;
}

void MemoryLocale::SetCodePageInstalled(std::uint32_t code_page, bool installed) {
  if (installed) {
    installed_code_pages_.insert(code_page);
  } else {
    installed_code_pages_.erase(code_page);
  }
}

void MemoryLocale::SetLocaleInfo(std::uint32_t lcid, std::uint32_t lctype,
                                 std::optional<std::string> value) {
  if (value) {
    facts_[lcid][lctype] = *value;
    return;
  }
  const auto locale = facts_.find(lcid);
  if (locale != facts_.end()) locale->second.erase(lctype);
}

void MemoryLocale::SetFontSignature(std::uint32_t lcid, std::uint32_t code_page_bits) {
  font_signatures_[lcid] = code_page_bits;
}

void MemoryLocale::RemoveLocale(std::uint32_t lcid) {
  facts_.erase(lcid);
  font_signatures_.erase(lcid);
}

}  // namespace platform
