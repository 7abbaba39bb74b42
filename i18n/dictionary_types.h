#pragma once
// The enumerations and the option set of a dictionary's published properties,
// with the identifiers under which the form description stores them.
#include <cstdint>
#include <string>
#include <vector>

namespace i18n {

enum class TIvBinding { ivbiNone, ivbiLocaleToLanguage, ivbiLanguageToLocale };
enum class TIvMissingTranslation { ivmtUseNative, ivmtUseNull, ivmtTagNative, ivmtRaiseException };
enum class TIvEuro { iveNormal, iveBusiness, iveIgnore };
enum class TIvCheckLevel { ivclNone, ivclSystem, ivclCodePage };
enum class TIvStorage { ivsFile, ivsEmbedded, ivsResource };

enum TIvDictionaryOption : std::uint32_t {
  ivdoUpdateLocaleVariables = 1u << 0,
  ivdoAutoTranslate = 1u << 1,
  ivdoYear2000 = 1u << 2,
  ivdoTranslateResourceStrings = 1u << 3,
  ivdoRecreateMDIChild = 1u << 4,
};
using TIvDictionaryOptions = std::uint32_t;
inline constexpr TIvDictionaryOptions kAllDictionaryOptions = 0x1F;

std::string ToIdentifier(TIvBinding value);
std::string ToIdentifier(TIvMissingTranslation value);
std::string ToIdentifier(TIvEuro value);
std::string ToIdentifier(TIvCheckLevel value);
std::string ToIdentifier(TIvStorage value);
std::vector<std::string> ToSetMembers(TIvDictionaryOptions options);

// These throw EIvError for an identifier that names no value of the type.
TIvBinding BindingFromIdentifier(const std::string& identifier);
TIvMissingTranslation MissingTranslationFromIdentifier(const std::string& identifier);
TIvEuro EuroFromIdentifier(const std::string& identifier);
TIvCheckLevel CheckLevelFromIdentifier(const std::string& identifier);
TIvStorage StorageFromIdentifier(const std::string& identifier);
TIvDictionaryOptions OptionsFromSetMembers(const std::vector<std::string>& members);

}  // namespace i18n
