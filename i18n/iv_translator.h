#pragma once
// The form translator: it rewrites the texts of the components its form owns
// whose class and property match its targets, the texts of memos, the form's
// caption and the system menu, in the language of its dictionary, and
// remembers every native value so that each translation starts from it.
#include <functional>
#include <set>
#include <string>

#include "i18n/bidirectional_layout.h"
#include "i18n/iv_custom_translator.h"
#include "i18n/iv_target_property.h"
#include "i18n/iv_translator_table.h"
#include "i18n/translator_types.h"
#include "ui/control.h"

namespace i18n {

class TIvTranslator : public TIvCustomTranslator {
 public:
  using ComponentEvent = std::function<void(TIvTranslator&, ui::Component&)>;
  using RestrictComponentEvent = std::function<void(TIvTranslator&, ui::Component&, TIvRestrictions&)>;
  using RestrictObjectEvent = std::function<void(TIvTranslator&, ui::Component&, bool& translate)>;
  using RestrictPropertyEvent =
      std::function<void(TIvTranslator&, ui::Component&, const std::string& property, bool& translate)>;

  using TIvCustomTranslator::TIvCustomTranslator;
  ~TIvTranslator() override;

  std::string ClassName() const override { return "TIvTranslator"; }

  // Published properties.
  TIvReadingOrder NativeLayout() const { return native_layout_; }
  void SetNativeLayout(TIvReadingOrder layout) { native_layout_ = layout; }
  TIvTargetProperties& Targets() { return targets_; }
  const TIvTargetProperties& Targets() const { return targets_; }
  TIvCharsetChange CharsetChange() const { return charset_change_; }
  void SetCharsetChange(TIvCharsetChange value) { charset_change_ = value; }
  TIvTranslatorOptions Options() const { return options_; }
  void SetOptions(TIvTranslatorOptions options) { options_ = options; }
  int MultiByteScale() const { return multi_byte_scale_; }
  void SetMultiByteScale(int percent) { multi_byte_scale_ = percent; }

  ComponentEvent OnTranslate;
  ComponentEvent OnScale;
  RestrictComponentEvent OnRestrictComponent;
  RestrictObjectEvent OnRestrictObject;
  RestrictPropertyEvent OnRestrictProperty;

  // The end of the form's construction: opens when ivtoAutoOpen is set and
  // there is a dictionary to open with (otherwise quietly nothing).
  void Loaded();

  // The component translated; unset means the owner.
  ui::Component* RootComponent() const { return root_; }
  void SetRootComponent(ui::Component* root) { root_ = root; }
  void OpenWithRoot(ui::Component& root);
  // Sets the dictionary to the native language for one pass over the root,
  // puts the dictionary's language back without translating, then closes.
  void TranslateToNativeAndClose();

  void TranslateAll() override;
  void TranslateComponent(ui::Component& component, TIvRestrictions restrictions);
  void TranslateObject(ui::Component& object, TIvRestrictions restrictions = 0);
  void TranslateMemoText(ui::Component& component);
  void ApplyLanguageFont();
  // A window attached to an open translator gets its system menu translated at once.
  void SetRootSystemMenu(ui::SystemMenu* menu) override;

  // The memory of native values, and one value through it.
  const TIvTranslatorTable& Table() const { return table_; }
  std::string TranslateValue(const ui::Component& object, const std::string& context_name,
                             const std::string& value, const std::string& property_name);
  std::string LookupForTranslator(const std::string& native, const std::string& native_key,
                                  const std::string& context_name);

  // State.
  const std::string& NativeFontName() const { return native_font_name_; }
  int NativeFontSize() const { return native_font_size_; }
  bool RightToLeft() const { return right_to_left_; }
  bool Mirrored() const { return mirrored_; }
  bool Scaled() const { return scaled_; }

 protected:
  bool ReadProperty(const std::string& name, FormStreamReader& reader) override;
  ui::Component& Root() const override { return root_ ? *root_ : Owner(); }
  bool ReadyToOpen() const override { return !targets_.Empty(); }
  void PrepareOpen() override;
  bool TranslatesOnChange() const override { return (options_ & ivtoAutoTranslate) != 0; }
  void ForgetTranslations() override;

 private:
  bool PropertyAllowed(ui::Component& object, const std::string& property_name);
  void TranslateStringProperty(ui::Component& object, const std::string& context_name,
                               const ui::Property& property);
  void TranslateListProperty(ui::Component& object, const std::string& context_name,
                             const ui::Property& property);
  void TranslateLines(const ui::Component& owner, const std::string& context_name, ui::StringList& list,
                      const std::string& property_name);
  void UpdateLocaleProperty(const ui::Property& property);
  void ApplyCharsetRule(ui::Control& control);
  void LayOutForReadingOrder(ui::Component& component);
  void ScaleForLanguage();
  void CheckScalable(const ui::Control& root) const;
  std::string KeyOf(const ui::Component& object, const std::string& value) const;

  TIvReadingOrder native_layout_ = TIvReadingOrder::ivroLeftToRight;
  TIvTargetProperties targets_;
  TIvCharsetChange charset_change_ = TIvCharsetChange::ivccNormal;
  TIvTranslatorOptions options_ = kDefaultTranslatorOptions;
  int multi_byte_scale_ = 100;

  ui::Component* root_ = nullptr;
  TIvTranslatorTable table_;
  std::set<const ui::Component*> visited_;
  std::string native_font_name_;
  int native_font_size_ = 0;
  bool right_to_left_ = false;
  bool mirrored_ = false;
  bool scaled_ = false;
  BidirectionalLayout bidirectional_;
};

}  // namespace i18n
