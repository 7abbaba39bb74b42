#include "i18n/iv_dictionary.h"

#include <algorithm>

#include "i18n/code_pages.h"
#include "i18n/dictionary_errors.h"
#include "i18n/euro_rule.h"
#include "i18n/iv_dictionaries.h"
#include "i18n/locale_settings.h"
#include "i18n/reading_direction.h"
#include "i18n/runtime_texts.h"
#include "platform/locale.h"
#include "platform/platform.h"
#include "util/scope_exit.h"

namespace i18n {

TIvDictionary::TIvDictionary(std::string component_name) : component_name_(std::move(component_name)) {
  TIvDictionaries::Add(*this);
}

TIvDictionary::~TIvDictionary() {
  TIvDictionary::Close();
  const auto listeners = free_notifications_;
  free_notifications_.clear();
  for (TIvTranslatorLink* listener : listeners) listener->DictionaryDestroyed(*this);
  TIvDictionaries::Remove(*this);
}

void TIvDictionary::LoadFromForm(const std::string& owner_class, platform::Locale& locale,
                                 platform::Resources& resources) {
  owner_class_ = owner_class;
  locale_ = &locale;
  resources_ = &resources;
  FormStreamReader reader = OpenComponentRecord(resources, Record());
  while (!reader.EndOfList()) {
    const std::string name = reader.ReadPropertyName();
    if (!ReadProperty(name, reader)) {
      throw EIvError("Unknown property " + name + " in the record of " + component_name_);
    }
  }
}

void TIvDictionary::LoadFromForm(const std::string& owner_class, platform::Platform& platform) {
  LoadFromForm(owner_class, platform.locale, platform.resources);
}

bool TIvDictionary::ReadProperty(const std::string& name, FormStreamReader& reader) {
  if (name == "DictionaryName") {
    dictionary_name_ = reader.ReadString();
  } else if (name == "PrimaryLanguage") {
    SetPrimaryLanguage(reader.ReadInteger());
  } else if (name == "SubLanguage") {
    SetSubLanguage(reader.ReadInteger());
  } else if (name == "Language") {
    SetLanguage(reader.ReadInteger());
  } else if (name == "Binding") {
    binding_ = BindingFromIdentifier(reader.ReadIdentifier());
  } else if (name == "Options") {
    options_ = OptionsFromSetMembers(reader.ReadSet());
  } else if (name == "MissingTranslation") {
    missing_translation_ = MissingTranslationFromIdentifier(reader.ReadIdentifier());
  } else if (name == "Euro") {
    SetEuro(EuroFromIdentifier(reader.ReadIdentifier()));
  } else if (name == "CheckLevel") {
    check_level_ = CheckLevelFromIdentifier(reader.ReadIdentifier());
  } else if (name == "OnLanguageChange" || name == "OnLocaleChange") {
    reader.SkipValue();  // handlers are attached in code
  } else {
    return false;
  }
  return true;
}

platform::Locale& TIvDictionary::Locale() const {
  if (!locale_) throw EIvError("Dictionary " + component_name_ + " has not been loaded from its form");
  return *locale_;
}

platform::Resources& TIvDictionary::Resources() const {
  if (!resources_) throw EIvError("Dictionary " + component_name_ + " has not been loaded from its form");
  return *resources_;
}

ComponentRecord TIvDictionary::Record() const { return {owner_class_, ClassName(), component_name_}; }

std::uint32_t TIvDictionary::LocaleId() const { return MakeLocaleId(primary_language_, sub_language_); }

void TIvDictionary::SetPrimaryLanguage(int value) {
  const std::uint32_t before = LocaleId();
  primary_language_ = value;
  if (active_ && LocaleId() != before) ApplyLocaleIdChange();
}

void TIvDictionary::SetSubLanguage(int value) {
  const std::uint32_t before = LocaleId();
  sub_language_ = value;
  if (active_ && LocaleId() != before) ApplyLocaleIdChange();
}

void TIvDictionary::ApplyLocaleIdChange() {
  const int language_before = current_language_index_;
  SelectLocale(LocaleId());
  if (binding_ == TIvBinding::ivbiLanguageToLocale) ChooseLanguageFromLocale();
  NotifyChange(current_language_index_ != language_before, true);
}

void TIvDictionary::SetLanguage(int value) {
  if (!active_) {
    language_ = value;
    return;
  }
  if (value < -2 || value >= LanguageCount()) {
    throw EIvRangeError("Language index " + std::to_string(value) + " is out of range");
  }
  if (value == language_) return;
  language_ = value;
  const std::uint32_t locale_before = current_locale_id_;
  SelectLanguage(value);
  if (binding_ == TIvBinding::ivbiLocaleToLanguage) SelectLocale(language_locale_id_);
  NotifyChange(true, current_locale_id_ != locale_before);
}

TIvEuro TIvDictionary::Euro() const { return ProcessEuroMode(); }

void TIvDictionary::SetEuro(TIvEuro value) {
  SetProcessEuroMode(value);
  UpdateCurrencySymbol(current_locale_);
}

bool TIvDictionary::CurrentLanguageIsRightToLeft() const {
  return IsRightToLeftLanguage(current_language_.LanguageId);
}

int TIvDictionary::TranslationCount() { return 0; }

bool TIvDictionary::CanOpen() { return true; }

void TIvDictionary::Open() {
  if (active_ || !CanOpen()) return;
  open_language_ = language_;
  util::ScopeExit close_on_failure([this] { Close(); });
  if (binding_ == TIvBinding::ivbiLanguageToLocale) {
    SelectLocale(LocaleId());
    ChooseLanguageFromLocale();
  } else {
    SelectLanguage(language_);
    SelectLocale(binding_ == TIvBinding::ivbiLocaleToLanguage ? language_locale_id_ : LocaleId());
  }
  if (options_ & ivdoTranslateResourceStrings) InstallRuntimeTextHooks();
  active_ = true;
  NotifyChange(true, true);
  close_on_failure.Dismiss();
}

void TIvDictionary::Close() {
  RemoveRuntimeTextHooks();
  while (!translators_.empty()) {
    TIvTranslatorLink* translator = translators_.front();
    translator->Close();
    // A translator that forgot to unregister must not keep the loop going.
    UnregisterTranslator(*translator);
  }
  active_ = false;
}

void TIvDictionary::NotifyChange(bool language_changed, bool locale_changed) {
  SetApplicationRightToLeft(CurrentLanguageIsRightToLeft());
  if (locale_changed) {
    Locale().SetThreadLocale(current_locale_id_);
    if (options_ & ivdoUpdateLocaleVariables) {
      UpdateLocaleSettings(current_locale_, (options_ & ivdoYear2000) != 0,
                           Locale().IsDoubleByteSystem());
    }
  }
  if (options_ & ivdoAutoTranslate) TellTranslators(language_changed, locale_changed);
  if (language_changed && on_language_change_) on_language_change_(*this);
  if (locale_changed && on_locale_change_) on_locale_change_(*this);
  // An MDI child re-created for a new language has no counterpart here:
  // the program has no MDI frame.
}

void TIvDictionary::TellTranslators(bool language_changed, bool locale_changed) {
  const auto translators = translators_;
  for (TIvTranslatorLink* translator : translators) {
    // One translator's work may have unregistered another.
    if (IsRegistered(translator)) translator->LanguageChanged(language_changed, locale_changed);
  }
}

bool TIvDictionary::IsRegistered(const TIvTranslatorLink* translator) const {
  return std::find(translators_.begin(), translators_.end(), translator) != translators_.end();
}

void TIvDictionary::RegisterTranslator(TIvTranslatorLink& translator) {
  if (!IsRegistered(&translator)) translators_.push_back(&translator);
}

void TIvDictionary::UnregisterTranslator(TIvTranslatorLink& translator) {
  translators_.erase(std::remove(translators_.begin(), translators_.end(), &translator),
                     translators_.end());
}

void TIvDictionary::FreeNotification(TIvTranslatorLink& translator) {
  if (std::find(free_notifications_.begin(), free_notifications_.end(), &translator) ==
      free_notifications_.end()) {
    free_notifications_.push_back(&translator);
  }
}

void TIvDictionary::RemoveFreeNotification(TIvTranslatorLink& translator) {
  free_notifications_.erase(
      std::remove(free_notifications_.begin(), free_notifications_.end(), &translator),
      free_notifications_.end());
}

}  // namespace i18n
