// The lookups of a dictionary, and what a lookup returns when it finds no text.
#include "i18n/dictionary_errors.h"
#include "i18n/iv_dictionary.h"

namespace i18n {

std::optional<std::string> TIvDictionary::FindTranslation(const std::string&) { return std::nullopt; }

std::string TIvDictionary::MissingResult(const std::string& native, bool found,
                                         const std::string& text) const {
  if (found && !text.empty()) return text;
  switch (missing_translation_) {
    case TIvMissingTranslation::ivmtUseNative:
      return native;
    case TIvMissingTranslation::ivmtUseNull:
      return "";
    case TIvMissingTranslation::ivmtTagNative:
      return "@" + native + "@";
    case TIvMissingTranslation::ivmtRaiseException:
      break;
  }
  if (found) throw EIvMulti("Translation for the word \"" + native + "\" is missing");
  throw EIvMulti("Dictionary does not contain a translation for the word \"" + native + "\"");
}

std::string TIvDictionary::Translate(const std::string& text) {
  if (text.empty()) return text;
  const auto found = FindTranslation(text);
  return MissingResult(text, found.has_value(), found.value_or(""));
}

std::string TIvDictionary::TranslateInContext(const std::string& text,
                                              const std::string& context_class,
                                              const std::string& context_component) {
  if (text.empty()) return MissingResult(text, true, "");
  std::optional<std::string> found;
  if (ContextKind() != 0) found = FindTranslationInContext(text, context_class, context_component);
  if (!found) found = FindTranslation(text);
  return MissingResult(text, found.has_value(), found.value_or(""));
}

}  // namespace i18n
