#include "i18n/iv_custom_translator.h"

#include "i18n/dictionary_errors.h"
#include "i18n/form_record_locator.h"
#include "i18n/iv_dictionaries.h"
#include "i18n/iv_dictionary.h"
#include "ui/system_menu.h"
#include "i18n/system_menu_translation.h"

namespace i18n {

TIvCustomTranslator::TIvCustomTranslator(std::string component_name, ui::Component& owner)
    : component_name_(std::move(component_name)), owner_(owner) {}

// The dictionary must not be left holding a translator that is gone.
TIvCustomTranslator::~TIvCustomTranslator() {
  if (dictionary_) dictionary_->UnregisterTranslator(*this);
  Unbind();
}

void TIvCustomTranslator::LoadFromForm(const std::string& form_class, platform::Resources& resources) {
  FormStreamReader reader = OpenComponentRecord(resources, {form_class, ClassName(), component_name_});
  while (!reader.EndOfList()) {
    const std::string name = reader.ReadPropertyName();
    if (!ReadProperty(name, reader)) {
      throw EIvError("Unknown property " + name + " in the record of " + component_name_);
    }
  }
}

bool TIvCustomTranslator::ReadProperty(const std::string& name, FormStreamReader& reader) {
  if (name == "DictionaryName") {
    SetDictionaryName(reader.ReadString());
    return true;
  }
  if (name == "OnBeforeTranslate" || name == "OnAfterTranslate" || name == "OnLocaleChange" ||
      name == "OnLanguageChange") {
    reader.SkipValue();  // handlers are attached in code
    return true;
  }
  return false;
}

void TIvCustomTranslator::SetDictionaryName(const std::string& name) {
  SetDictionary(name.empty() ? nullptr : TIvDictionaries::Find(name));
  dictionary_name_ = name;
}

void TIvCustomTranslator::SetDictionary(TIvDictionary* dictionary) {
  if (dictionary == dictionary_) return;
  if (opened_ && dictionary_) {
    dictionary_->UnregisterTranslator(*this);
    Unbind();
    TranslateAll();  // with no dictionary: every remembered value goes back to its native text
    Close();
  }
  Unbind();
  if (!dictionary) return;
  dictionary_ = dictionary;
  dictionary_name_ = dictionary->DictionaryName();
  dictionary->FreeNotification(*this);
}

void TIvCustomTranslator::Unbind() {
  if (!dictionary_) return;
  dictionary_->RemoveFreeNotification(*this);
  dictionary_ = nullptr;
}

void TIvCustomTranslator::LanguageChanged(bool language_changed, bool locale_changed) {
  if (opened_ && TranslatesOnChange()) Open();
  if (language_changed && OnLanguageChange) OnLanguageChange(*this);
  if (locale_changed && OnLocaleChange) OnLocaleChange(*this);
}

void TIvCustomTranslator::Open() {
  if (opened_) {
    TranslateAll();
    return;
  }
  BindForOpen();
  if (!dictionary_->CanOpen() || !ReadyToOpen()) return;
  if (!dictionary_->Active()) dictionary_->Open();
  PrepareOpen();
  TranslateAll();
  LanguageChanged(true, true);  // not open yet: only the events
  // A handler may have bound another dictionary, or none, meanwhile.
  if (!dictionary_) return;
  dictionary_->RegisterTranslator(*this);
  opened_ = true;
}

void TIvCustomTranslator::BindForOpen() {
  if (dictionary_) return;
  if (TIvDictionaries::Count() == 0) throw EIvMulti(NoDictionaryMessage());
  TIvDictionary* named = dictionary_name_.empty() ? nullptr : TIvDictionaries::Find(dictionary_name_);
  SetDictionary(named ? named : TIvDictionaries::First());
}

std::string TIvCustomTranslator::NoDictionaryMessage() const {
  return "No dictionary has been assigned to the translator component (" + component_name_ + " on \"" +
         Root().Name() + "\" form)";
}

void TIvCustomTranslator::Close() {
  if (dictionary_) dictionary_->UnregisterTranslator(*this);
  Unbind();
  opened_ = false;
  ForgetTranslations();
}

void TIvCustomTranslator::DictionaryDestroyed(TIvDictionary& dictionary) {
  if (&dictionary != dictionary_) return;
  dictionary_ = nullptr;
  opened_ = false;
  ForgetTranslations();
}

void TIvCustomTranslator::TranslateSystemMenu() {
  if (!system_menu_) return;
  i18n::TranslateSystemMenu(*system_menu_, [this](const std::string& native) {
    return dictionary_ ? dictionary_->Translate(native) : native;
  });
}

}  // namespace i18n
