#pragma once
// Code pages, font character sets and the classes of languages.
#include <cstdint>
#include <optional>

namespace i18n {

// The Windows font character set of texts in a code page; 1 (the default
// character set) for a code page the table does not know.
int CharsetOfCodePage(int code_page);

// The character set of the first code page set in a locale's font
// signature; 0 when none is set.
int CharsetOfFontSignature(std::uint32_t code_page_bits);

// A locale's ANSI code page: the one Windows gives, or when it gives none
// (or 0), the one the language is known to use. Chinese always takes its own.
int DefaultAnsiCodePage(int primary_language, int sub_language,
                        std::optional<int> windows_code_page);

enum class LanguageClass { Ordinary, RightToLeft, MultiByte };
LanguageClass ClassOfLanguage(int primary_language);
bool IsRightToLeftLanguage(int primary_language);

inline int PrimaryLanguageOf(std::uint32_t lcid) { return int(lcid & 0x3FF); }
inline int SubLanguageOf(std::uint32_t lcid) { return int((lcid >> 10) & 0x3F); }
inline std::uint32_t MakeLocaleId(int primary_language, int sub_language) {
  return (std::uint32_t(sub_language) << 10) | std::uint32_t(primary_language);
}

inline constexpr std::uint32_t kUserDefaultLocale = 0x0400;
inline constexpr std::uint32_t kSystemDefaultLocale = 0x0800;

}  // namespace i18n
