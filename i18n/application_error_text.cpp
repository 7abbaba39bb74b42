#include "i18n/application_error_text.h"

#include "ui/application.h"

#include "i18n/iv_dictionaries.h"
#include "i18n/iv_dictionary.h"
#include "i18n/supplementary_texts.h"
#include "text/fill_in.h"

namespace i18n {

std::string ApplicationErrorText(const std::string& message, const std::vector<std::string>& values) {
  std::string format = message;
  TIvDictionary* dictionary = TIvDictionaries::First();
  if (dictionary && dictionary->Active()) format = LookUpText(*dictionary, format);
  return ui::WithFullStop(text::FillIn(format, values));
}

}  // namespace i18n
