#include "i18n/target_properties_data.h"

#include <algorithm>

#include "i18n/dictionary_errors.h"
#include "i18n/form_stream_error.h"

namespace i18n {

std::vector<StoredTargetProperty> ReadTargetsData(FormStreamReader& reader) {
  reader.ReadListBegin();
  const int version = reader.ReadInteger();
  if (version > kTargetsDataVersion) {
    throw EIvMulti("Unknown target properties data version: " + std::to_string(version));
  }
  const int count = reader.ReadInteger();
  if (count < 0) throw FormStreamError("Stored target count is negative: " + std::to_string(count));
  std::vector<StoredTargetProperty> targets;
  for (int i = 0; i < count; ++i) {
    reader.ReadListBegin();
    StoredTargetProperty target;
    target.ClassName = reader.ReadString();
    target.PropertyName = reader.ReadString();
    target.Excluded = reader.ReadInteger();
    reader.ReadListEnd();
    if (std::find(targets.begin(), targets.end(), target) == targets.end()) targets.push_back(target);
  }
  reader.ReadListEnd();
  return targets;
}

void WriteTargetsData(FormStreamWriter& writer, const std::vector<StoredTargetProperty>& targets) {
  writer.WriteListBegin();
  writer.WriteInteger(kTargetsDataVersion);
  writer.WriteInteger(int(targets.size()));
  for (const StoredTargetProperty& target : targets) {
    writer.WriteListBegin();
    writer.WriteString(target.ClassName);
    writer.WriteString(target.PropertyName);
    writer.WriteInteger(target.Excluded);
    writer.WriteEnd();
  }
  writer.WriteEnd();
}

}  // namespace i18n
