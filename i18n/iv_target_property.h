#pragma once
// A translator's targets: which properties of which classes it translates.
#include <string>
#include <vector>

#include "i18n/target_properties_data.h"

namespace i18n {

// ClassName (empty = any class), PropertyName (empty = every string
// property of that class), Excluded (1 = never translate the matches).
using TIvTargetProperty = StoredTargetProperty;

class TIvTargetProperties {
 public:
  const std::vector<TIvTargetProperty>& Items() const { return items_; }
  int Count() const { return int(items_.size()); }
  bool Empty() const { return items_.empty(); }
  // A target equal in all three fields to one already held is dropped.
  void Add(const TIvTargetProperty& target);
  void Assign(const std::vector<TIvTargetProperty>& targets);
  void Clear() { items_.clear(); }

  // The target test for an object of that class (its own, not an ancestor):
  // no excluded target matches and an included one does.
  bool IsTarget(const std::string& class_name, const std::string& property_name) const;

 private:
  std::vector<TIvTargetProperty> items_;
};

}  // namespace i18n
