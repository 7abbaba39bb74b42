#pragma once
// What the translator needs to know of a component's kind, read from its
// class chain (own class first, then its ancestors).
#include <string_view>

#include "ui/component.h"

namespace i18n {

bool IsOfClass(const ui::Component& component, std::string_view class_name);

// Memos and rich-text editors, whose whole text is translated as well.
bool IsMemo(const ui::Component& component);
// Menu items, whose texts are keyed without their first "&".
bool IsMenuItem(const ui::Component& component);
bool IsActiveXControl(const ui::Component& component);
// Outlines keep their lists as they are.
bool IsOutline(const ui::Component& component);
// Dictionaries and translators are never translated themselves.
bool IsTranslationComponent(const ui::Component& component);

}  // namespace i18n
