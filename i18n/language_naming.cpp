#include "i18n/language_naming.h"

#include "text/trim.h"

namespace i18n {

namespace {

// Blanks before the stop would otherwise end up in front of the ", ".
std::string Before(const std::string& name, char stop) {
  return std::string(text::TrimEnd(std::string_view(name).substr(0, name.find(stop)), text::kSpace));
}

std::string ScriptSuffix(int code_page, int latin_code_page) {
  if (code_page == latin_code_page) return "Latin";
  if (code_page == 1251) return "Cyrillic";
  return "";
}

}  // namespace

std::string JoinedLanguageName(const LanguageNameParts& parts) {
  if (parts.suffix.empty()) return parts.first;
  return parts.first + ", " + parts.suffix;
}

LanguageNameParts LanguageNamePartsOf(int primary_language, const std::string& windows_name,
                                      int code_page) {
  switch (primary_language) {
    case 4:  // Chinese
      return {Before(windows_name, '('),
              code_page == 950 ? "Traditional" : code_page == 936 ? "Simplified" : ""};
    case 18:  // Korean
      return {Before(windows_name, '('),
              code_page == 1361 ? "Johab" : code_page == 949 ? "Wansung" : ""};
    case 10:  // Spanish
    case 20:  // Norwegian
      return {Before(windows_name, ' '), ""};
    case 26:  // Serbo-Croatian
      return {Before(windows_name, ' '), ScriptSuffix(code_page, 1250)};
    case 44:  // Azeri
    case 67:  // Uzbek
      return {Before(windows_name, ' '), ScriptSuffix(code_page, 1254)};
    default:
      return {windows_name, ""};
  }
}

std::string LanguageName(int primary_language, const std::string& windows_name, int code_page) {
  return JoinedLanguageName(LanguageNamePartsOf(primary_language, windows_name, code_page));
}

}  // namespace i18n
