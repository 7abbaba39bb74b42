#include "i18n/translator_types.h"

#include "i18n/identifier_names.h"

namespace i18n {

namespace {

constexpr IdentifierNames<2> kReadingOrders = {"ivroLeftToRight", "ivroRightToLeft"};
constexpr IdentifierNames<3> kCharsetChanges = {"ivccDisabled", "ivccNormal", "ivccAll"};
constexpr IdentifierNames<10> kOptions = {"ivtoAutoTranslate",     "ivtoCheckFont",
                                          "ivtoScaleMultiByte",    "ivtoMirrorBiDirectional",
                                          "ivtoChangeFontCharset", "ivtoUpdateLocaleProperty",
                                          "ivtoAutoOpen",          "ivtoTranslateSystemMenu",
                                          "ivtoTranslateOCX",      "ivtoForceCharsetChange"};

}  // namespace

std::string ToIdentifier(TIvReadingOrder value) { return std::string(kReadingOrders[int(value)]); }
std::string ToIdentifier(TIvCharsetChange value) { return std::string(kCharsetChanges[int(value)]); }

std::vector<std::string> TranslatorOptionMembers(TIvTranslatorOptions options) {
  return MembersOfSet(kOptions, options);
}

TIvReadingOrder ReadingOrderFromIdentifier(const std::string& identifier) {
  return TIvReadingOrder(IdentifierIndex(kReadingOrders, identifier));
}

TIvCharsetChange CharsetChangeFromIdentifier(const std::string& identifier) {
  return TIvCharsetChange(IdentifierIndex(kCharsetChanges, identifier));
}

TIvTranslatorOptions TranslatorOptionsFromMembers(const std::vector<std::string>& members) {
  return SetFromMembers(kOptions, members);
}

}  // namespace i18n
