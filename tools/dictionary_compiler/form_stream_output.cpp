#include "tools/dictionary_compiler/form_stream_output.h"

#include <charconv>

#include "i18n/form_stream_writer.h"
#include "i18n/stored_dictionary_data.h"

namespace dictionary_compiler {

namespace {

bool IsNumber(const std::string& word, int& value) {
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  return error == std::errc() && end == word.data() + word.size();
}

void WriteProperty(i18n::FormStreamWriter& writer, const PropertyValue& property) {
  writer.WritePropertyName(property.name);
  int number = 0;
  if (property.value.quoted) {
    writer.WriteString(property.value.text);
  } else if (IsNumber(property.value.text, number)) {
    writer.WriteInteger(number);
  } else {
    writer.WriteIdentifier(property.value.text);
  }
}

void WriteDictionaryData(i18n::FormStreamWriter& writer, const DictionarySource& data) {
  writer.WritePropertyName("Languages");
  i18n::WriteLanguages(writer, data.languages);
  writer.WritePropertyName("Translations");
  i18n::WriteTranslations(writer, data.rows, data.context_kind);
  writer.WritePropertyName("Locales");
  i18n::WriteLocales(writer, {});
}

void WriteComponent(i18n::FormStreamWriter& writer, const ComponentDescription& component) {
  writer.WriteObjectHeader(component.class_name, component.name);
  for (const PropertyValue& property : component.properties) WriteProperty(writer, property);
  if (component.dictionary_data) WriteDictionaryData(writer, *component.dictionary_data);
  // Targets are stored only when there are some.
  if (!component.targets.empty()) {
    writer.WritePropertyName("TargetsData");
    i18n::WriteTargetsData(writer, component.targets);
  }
  writer.WriteEnd();  // properties
  writer.WriteEnd();  // children
}

}  // namespace

std::string FormStreamOf(const FormDescription& form) {
  i18n::FormStreamWriter writer;
  writer.WriteSignature();
  writer.WriteObjectHeader(form.class_name, form.name);
  writer.WriteEnd();  // the form's own properties live in code
  for (const ComponentDescription& component : form.components) WriteComponent(writer, component);
  writer.WriteEnd();
  return writer.Bytes();
}

}  // namespace dictionary_compiler
