// Which locale is in force: a stored record of the dictionary, or Windows' data.
#include "i18n/code_pages.h"
#include "i18n/dictionary_errors.h"
#include "i18n/iv_dictionary.h"
#include "platform/locale.h"

namespace i18n {

void TIvDictionary::SelectLocale(std::uint32_t locale_id) {
  current_locale_id_ = ResolveDefaultLocale(locale_id);
  current_locale_ = TIvLocale();
  bool stored = false;
  if (LocaleCount() > 0) {
    for (TIvLocale& record : AllLocales()) {
      if (record.LocaleId() != current_locale_id_) continue;
      current_locale_ = std::move(record);
      CompleteStoredLocale(current_locale_, Locale());
      stored = true;
      break;
    }
  }
  if (!stored) current_locale_ = LocaleFromWindows(current_locale_id_, Locale());
  CheckLocale();
}

// As with languages, the code-page level asks no more than the system level.
void TIvDictionary::CheckLocale() const {
  if (check_level_ != TIvCheckLevel::ivclSystem) return;
  const int code_page = current_locale_.CodePage;
  if (code_page == 0 || Locale().IsCodePageInstalled(code_page)) return;
  throw EIvMulti("The locale (" + std::to_string(PrimaryLanguageOf(current_locale_id_)) + ", " +
                 std::to_string(SubLanguageOf(current_locale_id_)) + ") is not supported by the system");
}

}  // namespace i18n
