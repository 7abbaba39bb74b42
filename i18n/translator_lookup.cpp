// The memory of native values and the lookup of one value in the dictionary.
#include "i18n/component_classes.h"
#include "i18n/iv_dictionary.h"
#include "i18n/iv_translator.h"

namespace i18n {

namespace {

// The classes tried as context, the root's own first, then its ancestors up
// to the general form, custom-form and component classes.
std::vector<std::string> ContextClasses(const ui::Component& root) {
  std::vector<std::string> classes;
  for (const std::string& class_name : root.ClassChain()) {
    const bool general = class_name == "TForm" || class_name == "TCustomForm" || class_name == "TComponent";
    if (general && !classes.empty()) break;
    classes.push_back(class_name);
  }
  return classes;
}

}  // namespace

std::string TIvTranslator::KeyOf(const ui::Component& object, const std::string& value) const {
  if (!IsMenuItem(object)) return value;
  std::string key = value;
  if (const std::size_t ampersand = key.find('&'); ampersand != std::string::npos) key.erase(ampersand, 1);
  return key;
}

std::string TIvTranslator::TranslateValue(const ui::Component& object, const std::string& context_name,
                                          const std::string& value, const std::string& property_name) {
  if (value.empty()) return value;
  const std::string key = KeyOf(object, value);
  if (TIvTranslatorTableItem* item = table_.Find(object, property_name, key)) {
    std::string result = LookupForTranslator(item->NativeValue, item->NativeKey, item->ContextComponent);
    item->CurrentKey = KeyOf(object, result);
    return result;
  }
  std::string result = LookupForTranslator(value, key, context_name);
  table_.Add({&object, context_name, property_name, value, key, KeyOf(object, result)});
  return result;
}

std::string TIvTranslator::LookupForTranslator(const std::string& native, const std::string& native_key,
                                               const std::string& context_name) {
  TIvDictionary* dictionary = Dictionary();
  if (!dictionary) return native;
  // Only a menu item's key differs from its text.
  const bool try_key = native_key != native;
  if (dictionary->ContextKind() == 0) {
    std::optional<std::string> found = dictionary->FindTranslation(native);
    if (!found && try_key) found = dictionary->FindTranslation(native_key);
    return dictionary->MissingResult(native, found.has_value(), found.value_or(""));
  }
  for (const std::string& class_name : ContextClasses(Root())) {
    std::optional<std::string> found = dictionary->FindTranslationInContext(native, class_name, context_name);
    if (!found && try_key) found = dictionary->FindTranslationInContext(native_key, class_name, context_name);
    if (found) return dictionary->MissingResult(native, true, *found);
  }
  return dictionary->Translate(native);
}

}  // namespace i18n
