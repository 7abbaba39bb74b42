#include "i18n/iv_translator_table.h"

namespace i18n {

TIvTranslatorTableItem* TIvTranslatorTable::Find(const ui::Component& object,
                                                 const std::string& property_name,
                                                 const std::string& current_key) {
  for (TIvTranslatorTableItem& item : items_) {
    if (item.Object == &object && item.PropertyName == property_name && item.CurrentKey == current_key) {
      return &item;
    }
  }
  return nullptr;
}

}  // namespace i18n
