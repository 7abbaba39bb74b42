#include "i18n/iv_target_property.h"

#include <algorithm>

#include "text/case_folding.h"

namespace i18n {

namespace {

bool Matches(const TIvTargetProperty& target, const std::string& class_name,
             const std::string& property_name) {
  const bool class_matches = text::SameTextIgnoringAsciiCase(target.ClassName, class_name);
  if (text::SameTextIgnoringAsciiCase(target.PropertyName, property_name)) return target.ClassName.empty() || class_matches;
  return class_matches && target.PropertyName.empty();
}

}  // namespace

void TIvTargetProperties::Add(const TIvTargetProperty& target) {
  if (std::find(items_.begin(), items_.end(), target) == items_.end()) items_.push_back(target);
}

void TIvTargetProperties::Assign(const std::vector<TIvTargetProperty>& targets) {
  items_.clear();
  for (const TIvTargetProperty& target : targets) Add(target);
}

bool TIvTargetProperties::IsTarget(const std::string& class_name, const std::string& property_name) const {
  bool included = false;
  for (const TIvTargetProperty& target : items_) {
    if (!Matches(target, class_name, property_name)) continue;
    if (target.Excluded != 0) return false;
    included = true;
  }
  return included;
}

}  // namespace i18n
