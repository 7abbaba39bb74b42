#include "i18n/dictionary_types.h"

#include "i18n/identifier_names.h"

namespace i18n {

namespace {

constexpr IdentifierNames<3> kBindings = {"ivbiNone", "ivbiLocaleToLanguage",
                                                       "ivbiLanguageToLocale"};
constexpr IdentifierNames<4> kMissingTranslations = {
    "ivmtUseNative", "ivmtUseNull", "ivmtTagNative", "ivmtRaiseException"};
constexpr IdentifierNames<3> kEuros = {"iveNormal", "iveBusiness", "iveIgnore"};
constexpr IdentifierNames<3> kCheckLevels = {"ivclNone", "ivclSystem", "ivclCodePage"};
constexpr IdentifierNames<3> kStorages = {"ivsFile", "ivsEmbedded", "ivsResource"};
constexpr IdentifierNames<5> kOptions = {
    "ivdoUpdateLocaleVariables", "ivdoAutoTranslate", "ivdoYear2000",
    "ivdoTranslateResourceStrings", "ivdoRecreateMDIChild"};

}  // namespace

std::string ToIdentifier(TIvBinding value) { return std::string(kBindings[int(value)]); }
std::string ToIdentifier(TIvMissingTranslation value) {
  return std::string(kMissingTranslations[int(value)]);
}
std::string ToIdentifier(TIvEuro value) { return std::string(kEuros[int(value)]); }
std::string ToIdentifier(TIvCheckLevel value) { return std::string(kCheckLevels[int(value)]); }
std::string ToIdentifier(TIvStorage value) { return std::string(kStorages[int(value)]); }

std::vector<std::string> ToSetMembers(TIvDictionaryOptions options) { return MembersOfSet(kOptions, options); }

TIvBinding BindingFromIdentifier(const std::string& identifier) {
  return TIvBinding(IdentifierIndex(kBindings, identifier));
}
TIvMissingTranslation MissingTranslationFromIdentifier(const std::string& identifier) {
  return TIvMissingTranslation(IdentifierIndex(kMissingTranslations, identifier));
}
TIvEuro EuroFromIdentifier(const std::string& identifier) {
  return TIvEuro(IdentifierIndex(kEuros, identifier));
}
TIvCheckLevel CheckLevelFromIdentifier(const std::string& identifier) {
  return TIvCheckLevel(IdentifierIndex(kCheckLevels, identifier));
}
TIvStorage StorageFromIdentifier(const std::string& identifier) {
  return TIvStorage(IdentifierIndex(kStorages, identifier));
}

TIvDictionaryOptions OptionsFromSetMembers(const std::vector<std::string>& members) {
  return SetFromMembers(kOptions, members);
}

}  // namespace i18n
