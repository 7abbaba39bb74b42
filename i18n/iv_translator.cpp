#include "i18n/iv_translator.h"

#include <cmath>

#include "i18n/code_pages.h"
#include "i18n/dictionary_errors.h"
#include "i18n/iv_dictionaries.h"
#include "i18n/iv_dictionary.h"
#include "i18n/multibyte_scaling.h"
#include "ui/form.h"
#include "util/scope_exit.h"

namespace i18n {

namespace {

// A language's font size is in points; the toolkit's fonts are in pixels.
constexpr int kPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;

int PixelsOfPoints(int points) { return int(std::lround(double(points) * kPixelsPerInch / kPointsPerInch)); }

bool IsMultiByteLanguage(const TIvDictionary* dictionary) {
  return dictionary && ClassOfLanguage(dictionary->CurrentLanguage().LanguageId) == LanguageClass::MultiByte;
}

}  // namespace

TIvTranslator::~TIvTranslator() { Close(); }

bool TIvTranslator::ReadProperty(const std::string& name, FormStreamReader& reader) {
  if (name == "TargetsData") {
    targets_.Assign(ReadTargetsData(reader));
  } else if (name == "NativeLayout") {
    native_layout_ = ReadingOrderFromIdentifier(reader.ReadIdentifier());
  } else if (name == "CharsetChange") {
    charset_change_ = CharsetChangeFromIdentifier(reader.ReadIdentifier());
  } else if (name == "Options") {
    options_ = TranslatorOptionsFromMembers(reader.ReadSet());
  } else if (name == "MultiByteScale") {
    multi_byte_scale_ = reader.ReadInteger();
  } else if (name == "OnTranslate" || name == "OnScale" || name == "OnRestrictComponent" ||
             name == "OnRestrictObject" || name == "OnRestrictProperty") {
    reader.SkipValue();  // handlers are attached in code
  } else {
    return TIvCustomTranslator::ReadProperty(name, reader);
  }
  return true;
}

void TIvTranslator::Loaded() {
  if (!(options_ & ivtoAutoOpen)) return;
  if (!Dictionary() && TIvDictionaries::Count() == 0) return;
  Open();
}

void TIvTranslator::OpenWithRoot(ui::Component& root) {
  root_ = &root;
  Open();
}

void TIvTranslator::PrepareOpen() {
  native_font_name_.clear();
  native_font_size_ = 0;
  if (const auto* form = dynamic_cast<const ui::Form*>(&Root())) {
    native_font_name_ = form->GetFont().name;
    native_font_size_ = form->GetFont().height;
  }
  if (!root_) root_ = &Owner();
}

void TIvTranslator::ForgetTranslations() {
  table_.Clear();
  visited_.clear();
  root_ = nullptr;
}

void TIvTranslator::TranslateToNativeAndClose() {
  TIvDictionary* dictionary = Dictionary();
  if (!dictionary) {
    Close();
    return;
  }
  const TIvDictionaryOptions options = dictionary->Options();
  const int language = dictionary->Language();
  dictionary->SetOptions(options & ~TIvDictionaryOptions(ivdoAutoTranslate));
  {
    util::ScopeExit restore_options([&] { dictionary->SetOptions(options); });
    dictionary->SetLanguage(0);
    TranslateAll();
    dictionary->SetLanguage(language);
  }
  Close();
}

void TIvTranslator::TranslateAll() {
  visited_.clear();
  TIvDictionary* dictionary = Dictionary();
  right_to_left_ = dictionary && dictionary->CurrentLanguageIsRightToLeft();
  // Decided before the pass, so that the controls move with this language
  // rather than with the one before it.
  const bool was_mirrored = mirrored_;
  if (options_ & ivtoMirrorBiDirectional) {
    mirrored_ = right_to_left_ != (native_layout_ == TIvReadingOrder::ivroRightToLeft);
  }
  if (OnBeforeTranslate) OnBeforeTranslate(*this);
  if ((options_ & ivtoCheckFont) && dictionary) ApplyLanguageFont();
  // The program has no menus, so no accelerator keys are held back and reassigned around the pass.
  TranslateComponent(Root(), 0);
  if (options_ & ivtoTranslateSystemMenu) TranslateSystemMenu();
  ScaleForLanguage();
  if (mirrored_ != was_mirrored) {
    if (auto* control = dynamic_cast<ui::Control*>(&Root())) control->Repaint();
  }
  if (OnAfterTranslate) OnAfterTranslate(*this);
}

void TIvTranslator::SetRootSystemMenu(ui::SystemMenu* menu) {
  TIvCustomTranslator::SetRootSystemMenu(menu);
  if (menu && Opened() && (options_ & ivtoTranslateSystemMenu)) TranslateSystemMenu();
}

void TIvTranslator::ApplyLanguageFont() {
  auto* form = dynamic_cast<ui::Form*>(&Root());
  const TIvDictionary* dictionary = Dictionary();
  if (!form || !form->Peer() || !dictionary) return;
  const TIvLanguage& language = dictionary->CurrentLanguage();
  ui::Font font = form->GetFont();
  // A translator that never opened has no native font: the form keeps its own.
  if (!language.FontName.empty()) {
    font.name = language.FontName;
  } else if (!native_font_name_.empty()) {
    font.name = native_font_name_;
  }
  if (language.FontSize != 0) {
    font.height = PixelsOfPoints(language.FontSize);
  } else if (native_font_size_ != 0) {
    font.height = native_font_size_;
  }
  font.charset = language.Charset;
  form->SetFont(font);  // a font equal to the one shown changes nothing
}

// Only the forms' fonts are the translator's: the program sets its controls' fonts itself.
void TIvTranslator::ApplyCharsetRule(ui::Control& control) {
  const TIvDictionary* dictionary = Dictionary();
  if (!dictionary || charset_change_ == TIvCharsetChange::ivccDisabled) return;
  if (control.ClassName() == "TColumnTitle") return;
  const bool has_window = control.Peer() || (control.Parent() && control.Parent()->Peer());
  if (charset_change_ == TIvCharsetChange::ivccNormal && !has_window) return;
  ui::Font font = control.GetFont();
  font.charset = dictionary->CurrentLanguage().Charset;
  control.SetFont(font);
}

void TIvTranslator::ScaleForLanguage() {
  if (!(options_ & ivtoScaleMultiByte) || multi_byte_scale_ == 100 || multi_byte_scale_ <= 0) return;
  auto* root = dynamic_cast<ui::Control*>(&Root());
  if (!root) return;
  const bool multibyte = IsMultiByteLanguage(Dictionary());
  if (multibyte == scaled_) return;
  CheckScalable(*root);
  if (multibyte) {
    ScaleControl(*root, multi_byte_scale_, 100);
  } else {
    ScaleControl(*root, 100, multi_byte_scale_);
  }
  scaled_ = multibyte;
  if (OnScale) OnScale(*this, *root);
}

void TIvTranslator::CheckScalable(const ui::Control& root) const {
  const ui::Property* auto_scroll = root.FindProperty("AutoScroll");
  if (!auto_scroll || auto_scroll->kind != ui::PropertyKind::Boolean || !auto_scroll->get_number) return;
  if (auto_scroll->get_number() == 0) return;
  throw EIvError("Cannot scale a form (" + root.Name() + ") that has AutoScroll property set True");
}

void TIvTranslator::LayOutForReadingOrder(ui::Component& component) {
  if (!(options_ & ivtoMirrorBiDirectional) || &component == &Root()) return;
  auto* control = dynamic_cast<ui::Control*>(&component);
  if (!control) return;
  if (mirrored_) {
    bidirectional_.Mirror(*control);
  } else {
    bidirectional_.Restore(*control);
  }
}

}  // namespace i18n
