#pragma once
// The readable description of the forms whose streams the program embeds.
#include <optional>
#include <string>
#include <vector>

#include "i18n/target_properties_data.h"
#include "tools/dictionary_compiler/dictionary_source.h"
#include "tools/dictionary_compiler/source_lines.h"

namespace dictionary_compiler {

struct PropertyValue {
  std::string name;
  Field value;  // quoted: a string; a number: an integer; else an identifier
};

struct ComponentDescription {
  std::string class_name;
  std::string name;
  std::vector<PropertyValue> properties;
  std::optional<DictionarySource> dictionary_data;
  std::vector<i18n::StoredTargetProperty> targets;
};

struct FormDescription {
  std::string class_name;
  std::string name;
  std::vector<ComponentDescription> components;
};

// Files named by dictionary-data are read from the folder of the description.
std::vector<FormDescription> ReadFormDescriptions(const std::string& path);

}  // namespace dictionary_compiler
