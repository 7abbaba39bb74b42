#include "i18n/component_classes.h"

#include <algorithm>

namespace i18n {

bool IsOfClass(const ui::Component& component, std::string_view class_name) {
  const auto& chain = component.ClassChain();
  return std::find(chain.begin(), chain.end(), class_name) != chain.end();
}

bool IsMemo(const ui::Component& component) {
  return IsOfClass(component, "TCustomMemo") || IsOfClass(component, "TMemo") ||
         IsOfClass(component, "TCustomRichEdit") || IsOfClass(component, "TRichEdit");
}

bool IsMenuItem(const ui::Component& component) { return IsOfClass(component, "TMenuItem"); }

bool IsActiveXControl(const ui::Component& component) { return IsOfClass(component, "TOleControl"); }

bool IsOutline(const ui::Component& component) {
  return IsOfClass(component, "TOutline") || IsOfClass(component, "TCustomOutline");
}

bool IsTranslationComponent(const ui::Component& component) {
  return IsOfClass(component, "TIvDictionary") || IsOfClass(component, "TIvCustomTranslator");
}

}  // namespace i18n
