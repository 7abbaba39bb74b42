#pragma once
// The translation dictionary: its published properties, the choice of
// language and locale, the lookups, and the notification of the translators
// registered with it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "i18n/dictionary_types.h"
#include "i18n/form_record_locator.h"
#include "i18n/form_stream_reader.h"
#include "i18n/iv_language.h"
#include "i18n/iv_locale.h"
#include "i18n/translator_link.h"

namespace platform {
class Locale;
class Resources;
struct Platform;
}  // namespace platform

namespace i18n {

class TIvDictionary {
 public:
  using Notification = std::function<void(TIvDictionary&)>;

  // The component's name, under which its record is found in the owner
  // form's description. The dictionary joins TIvDictionaries at once.
  explicit TIvDictionary(std::string component_name);
  virtual ~TIvDictionary();
  TIvDictionary(const TIvDictionary&) = delete;
  TIvDictionary& operator=(const TIvDictionary&) = delete;

  virtual std::string ClassName() const = 0;
  const std::string& Name() const { return component_name_; }

  // Reads the dictionary's record from the owner form's description (its
  // published properties and the counting pass over its stored data); the
  // platform objects must outlive the dictionary.
  void LoadFromForm(const std::string& owner_class, platform::Locale& locale,
                    platform::Resources& resources);
  void LoadFromForm(const std::string& owner_class, platform::Platform& platform);
  const std::string& OwnerClass() const { return owner_class_; }

  // Published properties.
  const std::string& DictionaryName() const { return dictionary_name_; }
  void SetDictionaryName(const std::string& name) { dictionary_name_ = name; }
  int PrimaryLanguage() const { return primary_language_; }
  void SetPrimaryLanguage(int value);
  int SubLanguage() const { return sub_language_; }
  void SetSubLanguage(int value);
  std::uint32_t LocaleId() const;
  int Language() const { return language_; }
  void SetLanguage(int value);
  TIvBinding Binding() const { return binding_; }
  void SetBinding(TIvBinding value) { binding_ = value; }
  TIvDictionaryOptions Options() const { return options_; }
  void SetOptions(TIvDictionaryOptions value) { options_ = value; }
  TIvMissingTranslation MissingTranslation() const { return missing_translation_; }
  void SetMissingTranslation(TIvMissingTranslation value) { missing_translation_ = value; }
  // The euro mode is the process's, whichever dictionary sets it.
  TIvEuro Euro() const;
  void SetEuro(TIvEuro value);
  TIvCheckLevel CheckLevel() const { return check_level_; }
  void SetCheckLevel(TIvCheckLevel value) { check_level_ = value; }
  void SetOnLanguageChange(Notification handler) { on_language_change_ = std::move(handler); }
  void SetOnLocaleChange(Notification handler) { on_locale_change_ = std::move(handler); }

  // State.
  bool Active() const { return active_; }
  int CurrentLanguageIndex() const { return current_language_index_; }
  int FallbackLanguageIndex() const { return fallback_language_index_; }
  const TIvLanguage& CurrentLanguage() const { return current_language_; }
  bool CurrentLanguageIsRightToLeft() const;
  std::uint32_t LanguageLocaleId() const { return language_locale_id_; }
  std::uint32_t CurrentLocaleId() const { return current_locale_id_; }
  const TIvLocale& CurrentLocale() const { return current_locale_; }
  int ContextKind() const { return context_kind_; }

  // The stored data.
  virtual int LanguageCount() = 0;
  virtual void GetLanguage(int index, TIvLanguage& language) = 0;
  virtual int LocaleCount() = 0;
  virtual void GetLocale(int index, TIvLocale& record) = 0;
  virtual int TranslationCount();
  virtual std::vector<TIvLanguage> AllLanguages() = 0;
  virtual std::vector<TIvLocale> AllLocales() = 0;

  virtual void NotifyChange(bool language_changed, bool locale_changed);
  virtual void Open();
  virtual void Close();
  virtual bool CanOpen();

  // Lookups. Found: the row's text (which may be empty).
  virtual std::optional<std::string> FindTranslationInContext(const std::string& text,
                                                              const std::string& context_class,
                                                              const std::string& context_component) = 0;
  virtual std::optional<std::string> FindTranslation(const std::string& text);
  std::string MissingResult(const std::string& native, bool found, const std::string& text) const;
  std::string Translate(const std::string& text);
  std::string TranslateInContext(const std::string& text, const std::string& context_class,
                                 const std::string& context_component);

  // Language and locale selection.
  void SelectLanguage(int value);
  void SelectLocale(std::uint32_t locale_id);
  int FindLanguageIndex(std::uint32_t locale_id);
  int FirstUsableLanguage();

  // Translators, in registration order; not owned.
  void RegisterTranslator(TIvTranslatorLink& translator);
  void UnregisterTranslator(TIvTranslatorLink& translator);
  const std::vector<TIvTranslatorLink*>& Translators() const { return translators_; }
  // Asks to be told (DictionaryDestroyed) when the dictionary goes away.
  void FreeNotification(TIvTranslatorLink& translator);
  void RemoveFreeNotification(TIvTranslatorLink& translator);

 protected:
  // One stored property of the dictionary's record; false when the class
  // does not know it. Subclasses handle theirs and pass the rest on.
  virtual bool ReadProperty(const std::string& name, FormStreamReader& reader);

  platform::Locale& Locale() const;
  platform::Resources& Resources() const;
  ComponentRecord Record() const;
  void SetContextKind(int kind) { context_kind_ = kind; }

 private:
  void SelectLanguageIndex(int index);
  void ChooseSubLanguage();
  void ChooseLanguageFromLocale();
  void ApplyLocaleIdChange();
  bool PassesCheckLevel(const TIvLanguage& language) const;
  void CheckLanguage() const;
  void CheckLocale() const;
  std::uint32_t ResolveDefaultLocale(std::uint32_t locale_id) const;
  void TellTranslators(bool language_changed, bool locale_changed);
  bool IsRegistered(const TIvTranslatorLink* translator) const;

  std::string component_name_;
  std::string owner_class_;
  platform::Locale* locale_ = nullptr;
  platform::Resources* resources_ = nullptr;

  std::string dictionary_name_;
  int primary_language_ = 0;
  int sub_language_ = 1;
  int language_ = -1;
  TIvBinding binding_ = TIvBinding::ivbiLocaleToLanguage;
  TIvDictionaryOptions options_ = kAllDictionaryOptions;
  TIvMissingTranslation missing_translation_ = TIvMissingTranslation::ivmtUseNative;
  TIvCheckLevel check_level_ = TIvCheckLevel::ivclCodePage;
  Notification on_language_change_;
  Notification on_locale_change_;

  bool active_ = false;
  int current_language_index_ = 0;
  int fallback_language_index_ = 0;
  int open_language_ = -1;
  TIvLanguage current_language_;
  std::uint32_t language_locale_id_ = 0;
  std::uint32_t current_locale_id_ = 0;
  TIvLocale current_locale_;
  int context_kind_ = 0;
  std::vector<TIvTranslatorLink*> translators_;
  std::vector<TIvTranslatorLink*> free_notifications_;
};

}  // namespace i18n
