#include "i18n/iv_custom_file_dictionary.h"

#include "i18n/dictionary_errors.h"

namespace i18n {

bool TIvCustomFileDictionary::CanOpen() { return storage_ != TIvStorage::ivsFile; }

bool TIvCustomFileDictionary::ReadProperty(const std::string& name, FormStreamReader& reader) {
  if (name == "FileName") {
    file_name_ = reader.ReadString();
    return true;
  }
  if (name == "Storage") {
    storage_ = StorageFromIdentifier(reader.ReadIdentifier());
    return true;
  }
  return TIvCustomDictionary::ReadProperty(name, reader);
}

void TIvCustomFileDictionary::RequireEmbeddedStorage() const {
  if (storage_ == TIvStorage::ivsEmbedded) return;
  throw EIvError("Dictionary " + Name() + " keeps its data in " + ToIdentifier(storage_) +
                 " storage, which this program cannot read");
}

}  // namespace i18n
