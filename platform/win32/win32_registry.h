#pragma once
// The real registry through advapi32's wide-character calls. A 32-bit program
// reads and writes the 32-bit view, where its components register.
#include "platform/registry.h"

namespace platform {

class Win32Registry : public Registry {
 public:
  bool KeyExists(RegistryRoot root, const std::string& key) override;
  bool CreateKey(RegistryRoot root, const std::string& key) override;
  std::optional<std::vector<std::string>> SubKeys(RegistryRoot root,
                                                  const std::string& key) override;
  std::optional<std::vector<std::string>> ValueNames(RegistryRoot root,
                                                     const std::string& key) override;
  // REG_EXPAND_SZ values come back as their text, unexpanded.
  std::optional<RegistryValue> ReadValue(RegistryRoot root, const std::string& key,
                                         const std::string& name) override;
  bool WriteString(RegistryRoot root, const std::string& key, const std::string& name,
                   const std::string& text) override;
  bool WriteDword(RegistryRoot root, const std::string& key, const std::string& name,
                  std::uint32_t number) override;
  bool WriteValue(RegistryRoot root, const std::string& key, const std::string& name,
                  const RegistryValue& value) override;
  bool DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) override;
  bool DeleteKey(RegistryRoot root, const std::string& key) override;
};

}  // namespace platform
