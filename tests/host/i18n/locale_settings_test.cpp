#include "dictionary_test_support.h"
#include "i18n/code_pages.h"
#include "i18n/dictionary_errors.h"

namespace i18n_test {
namespace {

using LocaleSettingsTest = DictionaryTest;

TEST_F(LocaleSettingsTest, SpanishOnAnotherSystemTakesTraditionalSpainWithTheEuro) {
  locale.SetSystem(0x0416);
  auto dictionary = LoadCompiled();
  dictionary->Open();
  EXPECT_EQ(LocaleSettings().CurrencySymbol, "R$");
  EXPECT_EQ(LocaleSettings().LocaleId, 0x0416u);
  dictionary->SetLanguage(2);
  const FormatSettings& settings = LocaleSettings();
  EXPECT_EQ(settings.LocaleId, 0x040Au);
  EXPECT_EQ(settings.PrimaryLanguage, 10);
  EXPECT_EQ(settings.SubLanguage, 1);
  EXPECT_EQ(dictionary->CurrentLocale().CurrencySymbol, "Pts");
  EXPECT_EQ(settings.CurrencySymbol, "€");
  EXPECT_EQ(settings.ShortDateFormat, "dd/MM/yyyy");  // Windows gives "dd/MM/yy"
  EXPECT_EQ(settings.LongDateFormat, "dddd, d' de 'MMMM' de 'yyyy");
  EXPECT_EQ(settings.DecimalSeparator, ",");
  EXPECT_EQ(settings.ThousandSeparator, ".");
  EXPECT_EQ(settings.CurrencyFormat, 3);
  EXPECT_EQ(settings.ShortTimeFormat, "h:mm");
  EXPECT_EQ(settings.LongTimeFormat, "h:mm:ss");
  EXPECT_EQ(settings.LongDayNames[0], "domingo");
  EXPECT_EQ(settings.LongDayNames[1], "lunes");
  EXPECT_EQ(settings.ShortDayNames[6], "sáb");
  EXPECT_EQ(settings.LongMonthNames[8], "septiembre");
  EXPECT_EQ(locale.ThreadLocale(), 0x040Au);
  dictionary->SetLanguage(1);
  EXPECT_EQ(LocaleSettings().CurrencySymbol, "R$");
  EXPECT_EQ(LocaleSettings().LongDayNames[0], "domingo");
  EXPECT_EQ(LocaleSettings().LongDayNames[1], "segunda-feira");
}

TEST_F(LocaleSettingsTest, EuroSignByDateAndMode) {
  TIvLocale spain = LocaleFromWindows(0x040A, locale);
  TIvLocale brazil = LocaleFromWindows(0x0416, locale);
  const struct { CalendarDate today; TIvEuro mode; const char* spain; } cases[] = {
      {{1998, 12, 31}, TIvEuro::iveBusiness, "Pts"}, {{1999, 1, 1}, TIvEuro::iveBusiness, "€"},
      {{1999, 1, 1}, TIvEuro::iveNormal, "Pts"},     {{2001, 12, 31}, TIvEuro::iveNormal, "Pts"},
      {{2002, 1, 1}, TIvEuro::iveNormal, "€"},       {{2030, 5, 5}, TIvEuro::iveIgnore, "Pts"}};
  for (const auto& c : cases) {
    SetTodaySource([&] { return c.today; });
    SetProcessEuroMode(c.mode);
    EXPECT_EQ(EuroSign(spain), c.spain) << c.today.year << "-" << c.today.month;
    EXPECT_EQ(EuroSign(brazil), "R$");
  }
  EXPECT_TRUE(IsEuroZoneLocale(22, 2));
  EXPECT_FALSE(IsEuroZoneLocale(22, 1));
  EXPECT_TRUE(IsEuroZoneLocale(9, 6));
  EXPECT_FALSE(IsEuroZoneLocale(9, 2));
}

TEST_F(LocaleSettingsTest, SettingEuroRecomputesTheCurrencySymbolAtOnce) {
  SetTodaySource([] { return CalendarDate{2000, 6, 1}; });
  locale.SetSystem(0x040A);
  auto dictionary = LoadCompiled();
  dictionary->Open();
  EXPECT_EQ(LocaleSettings().CurrencySymbol, "Pts");
  dictionary->SetEuro(TIvEuro::iveBusiness);
  EXPECT_EQ(LocaleSettings().CurrencySymbol, "€");
  EXPECT_EQ(ProcessEuroMode(), TIvEuro::iveBusiness);
}

TEST_F(LocaleSettingsTest, FourDigitYears) {
  EXPECT_EQ(WithFourDigitYears("dd/MM/yy"), "dd/MM/yyyy");
  EXPECT_EQ(WithFourDigitYears("yy-MM-dd"), "yyyy-MM-dd");
  EXPECT_EQ(WithFourDigitYears("M/d/yyyy"), "M/d/yyyy");
  EXPECT_EQ(WithFourDigitYears("dd.MM"), "yydd.MM");
  TIvLocale record = LocaleFromWindows(0x040A, locale);
  UpdateLocaleSettings(record, false, false);
  EXPECT_EQ(LocaleSettings().ShortDateFormat, "dd/MM/yy");
  UpdateLocaleSettings(record, true, false);
  EXPECT_EQ(LocaleSettings().ShortDateFormat, "dd/MM/yyyy");
}

TEST_F(LocaleSettingsTest, TwelveHourTimeFormats) {
  TIvLocale mexico = LocaleFromWindows(0x080A, locale);  // leading zero, designator after
  EXPECT_EQ(TimeFormatsOf(mexico).short_format, "hh:mm AMPM");
  EXPECT_EQ(TimeFormatsOf(mexico).long_format, "hh:mm:ss AMPM");
  TIvLocale united_states = LocaleFromWindows(0x0409, locale);
  EXPECT_EQ(TimeFormatsOf(united_states).short_format, "h:mm AMPM");
  locale.SetLocaleInfo(0x0409, platform::kLocaleITLZero, "1");
  EXPECT_EQ(TimeFormatsOf(LocaleFromWindows(0x0409, locale)).long_format, "hh:mm:ss AMPM");
  TIvLocale japan = LocaleFromWindows(0x0411, locale);  // 24-hour: no designator
  EXPECT_EQ(TimeFormatsOf(japan).short_format, "h:mm");
  japan.TimeFormat = 0;
  EXPECT_EQ(TimeFormatsOf(japan).long_format, "AMPM h:mm:ss");

  UpdateLocaleSettings(mexico, true, false);
  EXPECT_EQ(LocaleSettings().AmDesignator, "a.m.");
  EXPECT_EQ(LocaleSettings().ShortTimeFormat, "hh:mm AMPM");
  mexico.TimeSeparator = "";
  UpdateLocaleSettings(mexico, true, false);
  EXPECT_EQ(LocaleSettings().TimeSeparator, ":");
}

TEST_F(LocaleSettingsTest, LocalesFromWindows) {
  TIvLocale russia = LocaleFromWindows(0x0419, locale);
  EXPECT_EQ(russia.CodePage, 1251);
  EXPECT_EQ(russia.Charset, 204);
  EXPECT_EQ(russia.ThousandSeparator, "\xC2\xA0");
  EXPECT_EQ(russia.NativeCountryName, "Россия");
  EXPECT_TRUE(TIvLocale().CurrencySymbol.empty());
  EXPECT_EQ(LocaleFromWindows(0x0427, locale).PrimaryLanguage, 0);  // unknown: empty record
  locale.SetLocaleInfo(0x0419, platform::kLocaleIDefaultAnsiCodePage, std::nullopt);
  EXPECT_EQ(LocaleFromWindows(0x0419, locale).CodePage, 0);
  EXPECT_EQ(LocaleFromWindows(0x0419, locale).EnglishLanguageName, "");
}

TEST_F(LocaleSettingsTest, AnUnknownLocaleLeavesAnEmptyRecordWithoutError) {
  locale.SetSystem(0x0416);
  locale.RemoveLocale(0x040A);
  auto dictionary = LoadCompiled();
  dictionary->Open();
  dictionary->SetLanguage(2);
  EXPECT_EQ(dictionary->CurrentLocaleId(), 0x040Au);
  EXPECT_EQ(dictionary->CurrentLocale().CodePage, 0);
  EXPECT_EQ(dictionary->Translate("Sair"), "Salir");
}

TEST(CodePages, TablesAndDefaults) {
  EXPECT_EQ(CharsetOfCodePage(1252), 0);
  EXPECT_EQ(CharsetOfCodePage(932), 128);
  EXPECT_EQ(CharsetOfCodePage(1258), 163);
  EXPECT_EQ(CharsetOfCodePage(65001), 1);
  EXPECT_EQ(CharsetOfFontSignature(0), 0);
  EXPECT_EQ(CharsetOfFontSignature(1u << 2 | 1u << 17), 204);
  EXPECT_EQ(CharsetOfFontSignature(1u << 17), 128);
  EXPECT_EQ(CharsetOfFontSignature(1u << 22), 163);
  EXPECT_EQ(DefaultAnsiCodePage(4, 1, 936), 950);
  EXPECT_EQ(DefaultAnsiCodePage(4, 2, std::nullopt), 936);
  EXPECT_EQ(DefaultAnsiCodePage(26, 2, std::nullopt), 1250);
  EXPECT_EQ(DefaultAnsiCodePage(26, 3, 0), 1251);
  EXPECT_EQ(DefaultAnsiCodePage(44, 2, std::nullopt), 1251);
  EXPECT_EQ(DefaultAnsiCodePage(67, 1, std::nullopt), 1254);
  EXPECT_EQ(DefaultAnsiCodePage(25, 1, 1252), 1252);  // Windows' answer wins
  EXPECT_EQ(DefaultAnsiCodePage(99, 1, std::nullopt), 1252);
  EXPECT_EQ(ClassOfLanguage(13), LanguageClass::RightToLeft);
  EXPECT_EQ(ClassOfLanguage(17), LanguageClass::MultiByte);
  EXPECT_EQ(ClassOfLanguage(22), LanguageClass::Ordinary);
}

TEST_F(LocaleSettingsTest, ReadingDirectionFollowsTheLanguage) {
  StoredData data;
  data.languages.push_back(LanguageRecord(13, "Hebrew", "Hebrew"));
  data.languages.back().CodePage = 1255;
  std::vector<bool> announced;
  SetReadingDirectionListener([&](bool right_to_left) { announced.push_back(right_to_left); });
  auto dictionary = Load(data);
  dictionary->Open();
  dictionary->SetLanguage(4);
  EXPECT_TRUE(ApplicationIsRightToLeft());
  EXPECT_TRUE(dictionary->CurrentLanguageIsRightToLeft());
  dictionary->SetLanguage(3);
  EXPECT_FALSE(ApplicationIsRightToLeft());
  EXPECT_EQ(announced, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace i18n_test
