// Feeds arbitrary bytes to the form-stream reader: as a whole form
// description, as each stored value of a dictionary, and as the embedded
// data of a dictionary that is then loaded, opened and switched. Any error
// must be one of the engine's own exceptions; anything else is a finding.
//
// fuzz-sources: text/*.cpp i18n/*.cpp ui/*.cpp platform/memory/memory_locale.cpp platform/memory/memory_resources.cpp
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "i18n/form_stream_reader.h"
#include "i18n/iv_binary_dictionary.h"
#include "i18n/stored_dictionary_data.h"
#include "i18n/target_properties_data.h"
#include "platform/memory/memory_locale.h"
#include "platform/memory/memory_resources.h"

namespace {

template <typename Read>
void Refused(const std::string& bytes, Read read) {
  try {
    i18n::FormStreamReader reader(bytes);
    read(reader);
  } catch (const std::runtime_error&) {
  }
}

void WalkForm(i18n::FormStreamReader& reader) {
  reader.ReadSignature();
  reader.ReadObjectHeader();
  reader.SkipObjectBody();
}

void LoadAndSwitch(const std::string& bytes) {
  platform::MemoryLocale locale;
  platform::MemoryResources resources;
  resources.Add("TForm1", bytes);
  try {
    i18n::TIvBinaryDictionary dictionary("Dictionary1");
    dictionary.LoadFromForm("TForm1", locale, resources);
    dictionary.SetStorage(i18n::TIvStorage::ivsEmbedded);
    dictionary.Open();
    for (int language = 0; language < dictionary.LanguageCount() && language < 4; ++language) {
      dictionary.SetLanguage(language);
      dictionary.Translate("Sair");
      dictionary.TranslateInContext("Sair", "TForm1", "Label16");
    }
  } catch (const std::runtime_error&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  Refused(bytes, WalkForm);
  Refused(bytes, [](auto& reader) { i18n::CountLanguages(reader); });
  Refused(bytes, [](auto& reader) { i18n::CountTranslations(reader, 4); });
  Refused(bytes, [](auto& reader) { i18n::CountLocales(reader); });
  Refused(bytes, [](auto& reader) { i18n::ReadTargetsData(reader); });
  LoadAndSwitch(bytes);
  return 0;
}
