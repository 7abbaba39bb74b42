#pragma once
// A translator's binding to a dictionary, its events, its opening and
// closing, and the rewrite of its window's system menu. TIvTranslator adds
// what is translated and how.
#include <functional>
#include <string>

#include "i18n/form_stream_reader.h"
#include "i18n/translator_link.h"
#include "ui/component.h"

namespace platform {
class Resources;
}

namespace ui {
class SystemMenu;
}

namespace i18n {

class TIvDictionary;

class TIvCustomTranslator : public TIvTranslatorLink {
 public:
  using TranslatorEvent = std::function<void(TIvCustomTranslator&)>;

  // The translator of the owner, a form, under the component's name.
  TIvCustomTranslator(std::string component_name, ui::Component& owner);
  ~TIvCustomTranslator() override;
  TIvCustomTranslator(const TIvCustomTranslator&) = delete;
  TIvCustomTranslator& operator=(const TIvCustomTranslator&) = delete;

  virtual std::string ClassName() const = 0;
  const std::string& Name() const { return component_name_; }
  ui::Component& Owner() const { return owner_; }

  // Reads the translator's record from the form description of that class
  // (a resource of the program); the resources need not outlive the call.
  void LoadFromForm(const std::string& form_class, platform::Resources& resources);

  // Assigning binds the dictionary of that name (or none) and keeps the name;
  // empty means the first dictionary, found when the translator opens.
  const std::string& DictionaryName() const { return dictionary_name_; }
  void SetDictionaryName(const std::string& name);
  TIvDictionary* Dictionary() const { return dictionary_; }
  // Binding copies the dictionary's name. An open translator bound to
  // another dictionary first returns its root to the native texts and closes.
  void SetDictionary(TIvDictionary* dictionary);
  bool Opened() const { return opened_; }

  // The system menu of the root's window, once that window exists (nullptr:
  // no window). It must outlive the translator or be set back to nullptr.
  ui::SystemMenu* RootSystemMenu() const { return system_menu_; }
  virtual void SetRootSystemMenu(ui::SystemMenu* menu) { system_menu_ = menu; }

  virtual void TranslateAll() = 0;
  void LanguageChanged(bool language_changed, bool locale_changed) override;
  // Binds (EIvMulti when there is no dictionary at all), opens the dictionary
  // when needed, translates and registers; when open already, translates.
  virtual void Open();
  // Unregisters, forgets the dictionary and what was translated.
  void Close() override;
  void DictionaryDestroyed(TIvDictionary& dictionary) override;

  // The standard items of the root's system menu, from their English texts.
  void TranslateSystemMenu();

  TranslatorEvent OnBeforeTranslate;
  TranslatorEvent OnAfterTranslate;
  TranslatorEvent OnLocaleChange;
  TranslatorEvent OnLanguageChange;

 protected:
  // One stored property of the translator's record; false when the class
  // does not know it. Subclasses handle theirs and pass the rest on.
  virtual bool ReadProperty(const std::string& name, FormStreamReader& reader);

  // The component translated.
  virtual ui::Component& Root() const { return owner_; }
  // Whether opening has anything to do; checked once a dictionary is bound.
  virtual bool ReadyToOpen() const { return true; }
  // Runs just before the first translation of an opening.
  virtual void PrepareOpen() {}
  virtual bool TranslatesOnChange() const { return true; }
  // What Close forgets besides the dictionary.
  virtual void ForgetTranslations() {}

 private:
  void BindForOpen();
  void Unbind();
  std::string NoDictionaryMessage() const;

  std::string component_name_;
  ui::Component& owner_;
  std::string dictionary_name_;
  TIvDictionary* dictionary_ = nullptr;
  bool opened_ = false;
  ui::SystemMenu* system_menu_ = nullptr;
};

}  // namespace i18n
