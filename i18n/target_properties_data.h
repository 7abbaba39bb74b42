#pragma once
// The stored form of a translator's targets, the value "TargetsData": a list
// of the version, the number of targets and one list per target.
#include <string>
#include <vector>

#include "i18n/form_stream_reader.h"
#include "i18n/form_stream_writer.h"

namespace i18n {

inline constexpr int kTargetsDataVersion = 1;

struct StoredTargetProperty {
  std::string ClassName;     // empty = any class
  std::string PropertyName;  // empty = every string property of the class
  int Excluded = 0;          // 1 = never translate the matching properties
  friend bool operator==(const StoredTargetProperty&, const StoredTargetProperty&) = default;
};

// Drops a target equal in all three fields to one read before; a version
// above 1 raises EIvMulti "Unknown target properties data version: n".
std::vector<StoredTargetProperty> ReadTargetsData(FormStreamReader& reader);
void WriteTargetsData(FormStreamWriter& writer, const std::vector<StoredTargetProperty>& targets);

}  // namespace i18n
