#pragma once
// Windows' locale data.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// Windows LCTYPE numbers of the locale facts the program reads.
enum : std::uint32_t {
  kLocaleIDefaultAnsiCodePage = 0x1004,
  kLocaleSEnglishLanguage = 0x1001,
  kLocaleSNativeLanguage = 0x0004,
  kLocaleSAbbrevLanguage = 0x0003,
  kLocaleSEnglishCountry = 0x1002,
  kLocaleSNativeCountry = 0x0008,
  kLocaleSCountry = 0x0006,
  kLocaleSIso639LanguageName = 0x0059,
  kLocaleSIso3166CountryName = 0x005A,
  kLocaleIMeasure = 0x000D,
  kLocaleSCurrency = 0x0014,
  kLocaleICurrency = 0x001B,
  kLocaleINegCurr = 0x001C,
  kLocaleICurrDigits = 0x0019,
  kLocaleSThousand = 0x000F,
  kLocaleSDecimal = 0x000E,
  kLocaleSDate = 0x001D,
  kLocaleSShortDate = 0x001F,
  kLocaleSLongDate = 0x0020,
  kLocaleSTime = 0x001E,
  kLocaleS1159 = 0x0028,
  kLocaleS2359 = 0x0029,
  kLocaleITLZero = 0x0025,
  kLocaleITime = 0x0023,
  kLocaleITimeMarkPosn = 0x1005,
  kLocaleICalendarType = 0x1009,
  kLocaleIOptionalCalendar = 0x100B,
  kLocaleIFirstDayOfWeek = 0x100C,
  kLocaleIFirstWeekOfYear = 0x100D,
  kLocaleSDayName1 = 0x002A,           // Monday; ..7 = 0x0030 Sunday
  kLocaleSAbbrevDayName1 = 0x0031,     // ..7 = 0x0037
  kLocaleSMonthName1 = 0x0038,         // ..12 = 0x0043
  kLocaleSAbbrevMonthName1 = 0x0044,   // ..12 = 0x004F
};

// The code-page bits of a locale's font signature (LOCALESIGNATURE.lsCsbDefault[0]).
class Locale {
 public:
  virtual ~Locale() = default;
  virtual std::uint32_t SystemDefaultLocale() = 0;
  virtual std::uint32_t UserDefaultLocale() = 0;
  virtual std::uint32_t AnsiCodePage() = 0;
  virtual bool IsCodePageInstalled(std::uint32_t code_page) = 0;
  // nullopt when Windows has no such fact for the locale.
  virtual std::optional<std::string> LocaleInfo(std::uint32_t lcid, std::uint32_t lctype) = 0;
  virtual std::optional<std::uint32_t> FontSignatureCodePages(std::uint32_t lcid) = 0;
  virtual void SetThreadLocale(std::uint32_t lcid) = 0;
  virtual bool IsDoubleByteSystem() = 0;
};

}  // namespace platform
