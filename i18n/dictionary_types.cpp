#include "i18n/dictionary_types.h"

#include <array>
#include <string_view>

#include "i18n/dictionary_errors.h"

namespace i18n {

namespace {

constexpr std::array<std::string_view, 3> kBindings = {"ivbiNone", "ivbiLocaleToLanguage",
                                                       "ivbiLanguageToLocale"};
constexpr std::array<std::string_view, 4> kMissingTranslations = {
    "ivmtUseNative", "ivmtUseNull", "ivmtTagNative", "ivmtRaiseException"};
constexpr std::array<std::string_view, 3> kEuros = {"iveNormal", "iveBusiness", "iveIgnore"};
constexpr std::array<std::string_view, 3> kCheckLevels = {"ivclNone", "ivclSystem", "ivclCodePage"};
constexpr std::array<std::string_view, 3> kStorages = {"ivsFile", "ivsEmbedded", "ivsResource"};
constexpr std::array<std::string_view, 5> kOptions = {
    "ivdoUpdateLocaleVariables", "ivdoAutoTranslate", "ivdoYear2000",
    "ivdoTranslateResourceStrings", "ivdoRecreateMDIChild"};

template <std::size_t N>
std::size_t IndexOf(const std::array<std::string_view, N>& names, const std::string& identifier) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == identifier) return i;
  }
  throw EIvError("Invalid property value " + identifier);
}

}  // namespace

std::string ToIdentifier(TIvBinding value) { return std::string(kBindings[int(value)]); }
std::string ToIdentifier(TIvMissingTranslation value) {
  return std::string(kMissingTranslations[int(value)]);
}
std::string ToIdentifier(TIvEuro value) { return std::string(kEuros[int(value)]); }
std::string ToIdentifier(TIvCheckLevel value) { return std::string(kCheckLevels[int(value)]); }
std::string ToIdentifier(TIvStorage value) { return std::string(kStorages[int(value)]); }

std::vector<std::string> ToSetMembers(TIvDictionaryOptions options) {
  std::vector<std::string> members;
  for (std::size_t i = 0; i < kOptions.size(); ++i) {
    if (options & (1u << i)) members.emplace_back(kOptions[i]);
  }
  return members;
}

TIvBinding BindingFromIdentifier(const std::string& identifier) {
  return TIvBinding(IndexOf(kBindings, identifier));
}
TIvMissingTranslation MissingTranslationFromIdentifier(const std::string& identifier) {
  return TIvMissingTranslation(IndexOf(kMissingTranslations, identifier));
}
TIvEuro EuroFromIdentifier(const std::string& identifier) {
  return TIvEuro(IndexOf(kEuros, identifier));
}
TIvCheckLevel CheckLevelFromIdentifier(const std::string& identifier) {
  return TIvCheckLevel(IndexOf(kCheckLevels, identifier));
}
TIvStorage StorageFromIdentifier(const std::string& identifier) {
  return TIvStorage(IndexOf(kStorages, identifier));
}

TIvDictionaryOptions OptionsFromSetMembers(const std::vector<std::string>& members) {
  TIvDictionaryOptions options = 0;
  for (const std::string& member : members) options |= 1u << IndexOf(kOptions, member);
  return options;
}

}  // namespace i18n
