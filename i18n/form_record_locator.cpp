#include "i18n/form_record_locator.h"

#include "i18n/dictionary_errors.h"
#include "platform/resources.h"

namespace i18n {

namespace {

constexpr const char* kPropertyNotFound = "Could not find the property";

}  // namespace

FormStreamReader OpenComponentRecord(platform::Resources& resources, const ComponentRecord& record) {
  auto bytes = resources.RcData(record.form_class);
  if (!bytes) throw EIvResourceNotFound("Resource " + record.form_class + " not found");
  FormStreamReader reader(std::move(*bytes));
  reader.ReadSignature();
  reader.ReadObjectHeader();
  reader.SkipProperties();
  while (!reader.EndOfList()) {
    const ObjectHeader child = reader.ReadObjectHeader();
    if (child.class_name == record.component_class && child.object_name == record.component_name) {
      return reader;
    }
    reader.SkipObjectBody();
  }
  throw EIvResourceNotFound(kPropertyNotFound);
}

FormStreamReader LocateStoredValue(platform::Resources& resources, const ComponentRecord& record,
                                   const std::string& property) {
  FormStreamReader reader = OpenComponentRecord(resources, record);
  while (!reader.EndOfList()) {
    if (reader.ReadPropertyName() == property) return reader;
    reader.SkipValue();
  }
  throw EIvResourceNotFound(kPropertyNotFound);
}

}  // namespace i18n
