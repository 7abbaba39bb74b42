#pragma once
// The enumerations and option sets of a translator's published properties,
// with the identifiers under which the form description stores them.
#include <cstdint>
#include <string>
#include <vector>

namespace i18n {

enum class TIvReadingOrder { ivroLeftToRight, ivroRightToLeft };
enum class TIvCharsetChange { ivccDisabled, ivccNormal, ivccAll };

enum TIvTranslatorOption : std::uint32_t {
  ivtoAutoTranslate = 1u << 0,
  ivtoCheckFont = 1u << 1,
  ivtoScaleMultiByte = 1u << 2,
  ivtoMirrorBiDirectional = 1u << 3,
  ivtoChangeFontCharset = 1u << 4,
  ivtoUpdateLocaleProperty = 1u << 5,
  ivtoAutoOpen = 1u << 6,
  ivtoTranslateSystemMenu = 1u << 7,
  ivtoTranslateOCX = 1u << 8,
  ivtoForceCharsetChange = 1u << 9,
};
using TIvTranslatorOptions = std::uint32_t;
inline constexpr TIvTranslatorOptions kDefaultTranslatorOptions =
    ivtoAutoTranslate | ivtoCheckFont | ivtoScaleMultiByte | ivtoMirrorBiDirectional | ivtoAutoOpen |
    ivtoTranslateSystemMenu | ivtoTranslateOCX;

// What a handler of OnRestrictComponent may withhold from one component.
enum TIvRestriction : std::uint32_t {
  ivrsProperties = 1u << 0,    // its properties
  ivrsMemoText = 1u << 1,      // its memo text
  ivrsCharset = 1u << 2,       // its font character set
  ivrsMirroring = 1u << 3,     // its mirroring
  ivrsNotInherited = 1u << 4,  // the components it owns get no restrictions from it
};
using TIvRestrictions = std::uint32_t;

std::string ToIdentifier(TIvReadingOrder value);
std::string ToIdentifier(TIvCharsetChange value);
std::vector<std::string> TranslatorOptionMembers(TIvTranslatorOptions options);

// These throw EIvError for an identifier that names no value of the type.
TIvReadingOrder ReadingOrderFromIdentifier(const std::string& identifier);
TIvCharsetChange CharsetChangeFromIdentifier(const std::string& identifier);
TIvTranslatorOptions TranslatorOptionsFromMembers(const std::vector<std::string>& members);

}  // namespace i18n
