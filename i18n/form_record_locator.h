#pragma once
// Finding a component's record, and a stored value in it, in the form
// description that the program carries as an RCDATA resource named after
// the form's class.
#include <string>

#include "i18n/form_stream_reader.h"

namespace platform {
class Resources;
}

namespace i18n {

struct ComponentRecord {
  std::string form_class;      // the resource's name
  std::string component_class;
  std::string component_name;
};

// A reader just past the header of the component's record, which is one of
// the root's direct children (class and name compared exactly). Throws
// EIvResourceNotFound when there is no such resource or no such child.
FormStreamReader OpenComponentRecord(platform::Resources& resources, const ComponentRecord& record);

// A reader at the tagged value of the named property of the component's
// record; "Could not find the property" when it is not there.
FormStreamReader LocateStoredValue(platform::Resources& resources, const ComponentRecord& record,
                                   const std::string& property);

}  // namespace i18n
