// The walk over a form: its components in creation order, each one's
// properties in declaration order, and the memo texts.
#include <vector>

#include "i18n/component_classes.h"
#include "i18n/iv_dictionary.h"
#include "i18n/iv_translator.h"
#include "text/case_folding.h"
#include "text/trim.h"
#include "ui/check_list_box.h"
#include "ui/form.h"

namespace i18n {

namespace {

// Keeps a list's update bracket closed whatever a lookup throws.
class UpdateBracket {
 public:
  explicit UpdateBracket(ui::StringList& list) : list_(list) { list_.BeginUpdate(); }
  ~UpdateBracket() { list_.EndUpdate(); }
  UpdateBracket(const UpdateBracket&) = delete;
  UpdateBracket& operator=(const UpdateBracket&) = delete;

 private:
  ui::StringList& list_;
};

// What a list box shows besides its lines: the ticks and the selected line.
struct ListState {
  std::vector<bool> checked;
  int item_index = -1;
};

ListState SaveListState(const ui::CheckListBox& box) {
  ListState state;
  for (int i = 0; i < box.Items().Count(); ++i) state.checked.push_back(box.Checked(i));
  state.item_index = box.ItemIndex();
  return state;
}

void RestoreListState(ui::CheckListBox& box, const ListState& state) {
  for (int i = 0; i < box.Items().Count() && i < int(state.checked.size()); ++i) {
    box.SetChecked(i, state.checked[i]);
  }
  if (state.item_index != -1) box.SetItemIndex(state.item_index);
}

bool ReadableAndWritable(const ui::Property& property) {
  switch (property.kind) {
    case ui::PropertyKind::String: return property.get_text && property.set_text;
    case ui::PropertyKind::StringList: return property.list != nullptr;
    case ui::PropertyKind::Integer:
    case ui::PropertyKind::Boolean: return property.get_number && property.set_number;
  }
  return false;
}

}  // namespace

void TIvTranslator::TranslateComponent(ui::Component& component, TIvRestrictions restrictions) {
  if (IsActiveXControl(component) && !(options_ & ivtoTranslateOCX)) return;
  if (OnRestrictComponent) OnRestrictComponent(*this, component, restrictions);
  const TIvRestrictions inherited = (restrictions & ivrsNotInherited) ? 0 : restrictions;
  // A copy: a handler may create components while the walk goes on.
  const std::vector<ui::Component*> owned = component.Components();
  for (ui::Component* child : owned) {
    if (dynamic_cast<ui::Form*>(child)) continue;
    TranslateComponent(*child, inherited);
  }
  if (!(restrictions & ivrsProperties)) TranslateObject(component, restrictions);
  if (!(restrictions & ivrsMemoText)) TranslateMemoText(component);
  if (!(restrictions & ivrsMirroring)) LayOutForReadingOrder(component);
  if (OnTranslate) OnTranslate(*this, component);
  if (auto* control = dynamic_cast<ui::Control*>(&component)) control->Repaint();
}

void TIvTranslator::TranslateObject(ui::Component& object, TIvRestrictions restrictions) {
  if (IsTranslationComponent(object) || !visited_.insert(&object).second) return;
  bool translate = true;
  if (OnRestrictObject) OnRestrictObject(*this, object, translate);
  if (!translate) return;
  const std::string context_name = &object == &Root() ? std::string() : object.Name();
  for (const ui::Property& property : object.Properties()) {
    if (!ReadableAndWritable(property) || !PropertyAllowed(object, property.name)) continue;
    switch (property.kind) {
      case ui::PropertyKind::String: TranslateStringProperty(object, context_name, property); break;
      case ui::PropertyKind::StringList: TranslateListProperty(object, context_name, property); break;
      case ui::PropertyKind::Integer: UpdateLocaleProperty(property); break;
      case ui::PropertyKind::Boolean: break;
    }
  }
  auto* form = dynamic_cast<ui::Form*>(&object);
  if (form && !(restrictions & ivrsCharset)) ApplyCharsetRule(*form);
}

bool TIvTranslator::PropertyAllowed(ui::Component& object, const std::string& property_name) {
  bool translate = true;
  if (OnRestrictProperty) OnRestrictProperty(*this, object, property_name, translate);
  return translate;
}

void TIvTranslator::TranslateStringProperty(ui::Component& object, const std::string& context_name,
                                            const ui::Property& property) {
  if (text::SameTextIgnoringAsciiCase(property.name, "Name")) return;
  // A memo's whole text is TranslateMemoText's, keyed without its final line break.
  if (IsMemo(object) && text::SameTextIgnoringAsciiCase(property.name, "Text")) return;
  if (!targets_.IsTarget(object.ClassName(), property.name)) return;
  const std::string value = property.get_text();
  if (value.empty()) return;
  const std::string result = TranslateValue(object, context_name, value, property.name);
  if (result != value) property.set_text(result);
}

void TIvTranslator::TranslateListProperty(ui::Component& object, const std::string& context_name,
                                          const ui::Property& property) {
  if (!targets_.IsTarget(object.ClassName(), property.name) || IsOutline(object)) return;
  auto* box = dynamic_cast<ui::CheckListBox*>(&object);
  const ListState state = box ? SaveListState(*box) : ListState();
  TranslateLines(object, context_name, *property.list, property.name);
  if (box) RestoreListState(*box, state);
}

void TIvTranslator::TranslateLines(const ui::Component& owner, const std::string& context_name,
                                   ui::StringList& list, const std::string& property_name) {
  UpdateBracket bracket(list);
  for (int i = 0; i < list.Count(); ++i) {
    list.Set(i, TranslateValue(owner, context_name, list[i], property_name));
  }
}

void TIvTranslator::UpdateLocaleProperty(const ui::Property& property) {
  const TIvDictionary* dictionary = Dictionary();
  if (!dictionary || !text::SameTextIgnoringAsciiCase(property.name, "Locale")) return;
  if (!(options_ & ivtoUpdateLocaleProperty) && mirrored_ == right_to_left_) return;
  property.set_number(int(dictionary->LanguageLocaleId()));
}

void TIvTranslator::TranslateMemoText(ui::Component& component) {
  if (!IsMemo(component) || !targets_.IsTarget(component.ClassName(), "Text")) return;
  const ui::Property* property = component.FindProperty("Text");
  if (!property || property->kind != ui::PropertyKind::String || !ReadableAndWritable(*property)) return;
  const std::string value(text::TrimEnd(property->get_text(), "\r\n"));
  const std::string result = TranslateValue(component, component.Name(), value, "Text");
  // Written back only when it differs: the shown text keeps its final line breaks.
  if (result != value) property->set_text(result);
}

}  // namespace i18n
