#pragma once
// A dictionary whose data has a place of storage: a file, the owner form's
// description, or a resource of its own.
#include <string>

#include "i18n/iv_custom_dictionary.h"

namespace i18n {

class TIvCustomFileDictionary : public TIvCustomDictionary {
 public:
  using TIvCustomDictionary::TIvCustomDictionary;

  const std::string& FileName() const { return file_name_; }
  void SetFileName(const std::string& name) { file_name_ = name; }
  TIvStorage Storage() const { return storage_; }
  void SetStorage(TIvStorage storage) { storage_ = storage; }

  // This program carries its dictionary embedded and reads no dictionary
  // files, so a file dictionary never opens.
  bool CanOpen() override;

 protected:
  bool ReadProperty(const std::string& name, FormStreamReader& reader) override;
  // Throws EIvError unless the data is embedded in the owner form's description.
  void RequireEmbeddedStorage() const;

 private:
  std::string file_name_;
  TIvStorage storage_ = TIvStorage::ivsFile;
};

}  // namespace i18n
