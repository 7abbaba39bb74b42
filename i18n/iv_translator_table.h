#pragma once
// The translator's memory of native values: one item per translated value,
// so that every translation starts again from the text the form was made with.
#include <string>
#include <vector>

#include "ui/component.h"

namespace i18n {

struct TIvTranslatorTableItem {
  // The object whose property was translated (for a string list, its owner);
  // compared, never used.
  const ui::Component* Object = nullptr;
  std::string ContextComponent;
  std::string PropertyName;
  std::string NativeValue;
  std::string NativeKey;   // NativeValue, for menu items without its first "&"
  std::string CurrentKey;  // the value now shown, keyed alike
};

class TIvTranslatorTable {
 public:
  const std::vector<TIvTranslatorTableItem>& Items() const { return items_; }
  int Count() const { return int(items_.size()); }
  void Clear() { items_.clear(); }

  // The first item of that object and property whose value now shown has
  // that key; nullptr when there is none. Searched in order.
  TIvTranslatorTableItem* Find(const ui::Component& object, const std::string& property_name,
                               const std::string& current_key);
  void Add(TIvTranslatorTableItem item) { items_.push_back(std::move(item)); }

 private:
  std::vector<TIvTranslatorTableItem> items_;
};

}  // namespace i18n
