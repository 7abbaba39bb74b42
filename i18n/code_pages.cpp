#include "i18n/code_pages.h"

#include <array>
#include <utility>

namespace i18n {

namespace {

// In the order of the code-page bits of a Windows font signature.
constexpr std::array<std::pair<int, int>, 15> kFontSignatureCodePages = {{
    {1252, 0}, {1250, 238}, {1251, 204}, {1253, 161}, {1254, 162}, {1255, 177},
    {1256, 178}, {1257, 186}, {874, 222}, {932, 128}, {936, 134}, {949, 129},
    {950, 136}, {1361, 130}, {1258, 163}}};

constexpr std::array<int, 15> kFontSignatureBits = {0, 1, 2, 3, 4, 5, 6, 7,
                                                    16, 17, 18, 19, 20, 21, 22};

enum Primary {
  kArabic = 1, kBulgarian = 2, kChinese = 4, kCzech = 5, kGreek = 8, kHebrew = 13,
  kHungarian = 14, kJapanese = 17, kKorean = 18, kPolish = 21, kRomanian = 24,
  kRussian = 25, kSerboCroatian = 26, kSlovak = 27, kAlbanian = 28, kThai = 30,
  kTurkish = 31, kUkrainian = 34, kBelarusian = 35, kSlovenian = 36, kEstonian = 37,
  kLatvian = 38, kLithuanian = 39, kFarsi = 41, kVietnamese = 42, kAzeri = 44, kUzbek = 67,
};

int KnownCodePage(int primary, int sub) {
  switch (primary) {
    case kArabic: case kFarsi: return 1256;
    case kCzech: case kHungarian: case kPolish: case kRomanian: case kSlovak:
    case kAlbanian: case kSlovenian: return 1250;
    case kGreek: return 1253;
    case kHebrew: return 1255;
    case kJapanese: return 932;
    case kKorean: return 949;
    case kSerboCroatian: return sub == 1 || sub == 2 ? 1250 : 1251;
    case kBulgarian: case kRussian: case kBelarusian: case kUkrainian: return 1251;
    case kThai: return 874;
    case kEstonian: case kLatvian: case kLithuanian: return 1257;
    case kVietnamese: return 1258;
    case kAzeri: case kUzbek: return sub == 2 ? 1251 : 1254;
    case kTurkish: return 1254;
    default: return 1252;
  }
}

}  // namespace

int CharsetOfCodePage(int code_page) {
  for (const auto& [page, charset] : kFontSignatureCodePages) {
    if (page == code_page) return charset;
  }
  return 1;
}

int CharsetOfFontSignature(std::uint32_t code_page_bits) {
  for (std::size_t i = 0; i < kFontSignatureBits.size(); ++i) {
    if (code_page_bits & (1u << kFontSignatureBits[i])) return kFontSignatureCodePages[i].second;
  }
  return 0;
}

int DefaultAnsiCodePage(int primary_language, int sub_language,
                        std::optional<int> windows_code_page) {
  if (primary_language == kChinese) {
    return sub_language == 1 || sub_language == 3 || sub_language == 5 ? 950 : 936;
  }
  if (windows_code_page && *windows_code_page != 0) return *windows_code_page;
  return KnownCodePage(primary_language, sub_language);
}

LanguageClass ClassOfLanguage(int primary_language) {
  switch (primary_language) {
    case kArabic: case kHebrew: case kFarsi: return LanguageClass::RightToLeft;
    case kChinese: case kJapanese: case kKorean: return LanguageClass::MultiByte;
    default: return LanguageClass::Ordinary;
  }
}

bool IsRightToLeftLanguage(int primary_language) {
  return ClassOfLanguage(primary_language) == LanguageClass::RightToLeft;
}

}  // namespace i18n
