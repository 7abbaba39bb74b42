#include "i18n/application_error_text.h"

#include "ui/application.h"

#include "i18n/iv_dictionaries.h"
#include "i18n/iv_dictionary.h"

namespace i18n {

std::string ApplicationErrorText(const std::string& message) {
  std::string text = message;
  TIvDictionary* dictionary = TIvDictionaries::First();
  if (dictionary && dictionary->Active()) text = dictionary->Translate(text);
  return ui::WithFullStop(text);
}

}  // namespace i18n
