#pragma once
// The registry of the in-memory Windows: HKEY_CLASSES_ROOT and HKEY_CURRENT_USER
// as key trees whose key and value names keep their spelling but compare
// without regard to case, and whose subkeys enumerate sorted that way, as on Windows.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace platform {

class MemoryRegistry : public Registry {
 public:
  MemoryRegistry();
  ~MemoryRegistry() override;
  MemoryRegistry(const MemoryRegistry&) = delete;
  MemoryRegistry& operator=(const MemoryRegistry&) = delete;

  bool KeyExists(RegistryRoot root, const std::string& key) override;
  bool CreateKey(RegistryRoot root, const std::string& key) override;
  std::optional<std::vector<std::string>> SubKeys(RegistryRoot root,
                                                  const std::string& key) override;
  std::optional<std::vector<std::string>> ValueNames(RegistryRoot root,
                                                     const std::string& key) override;
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

  // Test helpers. They create the key (with parents) when missing and ignore
  // unwritable keys, as a test's own setup would.
  void SetValue(RegistryRoot root, const std::string& key, const std::string& name,
                const RegistryValue& value);
  void SetString(RegistryRoot root, const std::string& key, const std::string& name,
                 const std::string& text);
  void SetExpandString(RegistryRoot root, const std::string& key, const std::string& name,
                       const std::string& text);
  void SetDword(RegistryRoot root, const std::string& key, const std::string& name,
                std::uint32_t number);
  void SetBinary(RegistryRoot root, const std::string& key, const std::string& name,
                 const std::vector<std::uint8_t>& bytes);
  void AddKey(RegistryRoot root, const std::string& key);
  // An unwritable key still reads, but every change to it or inside its
  // subtree fails: values, new subkeys, deletion (as an access-denied ACL does).
  void SetUnwritable(RegistryRoot root, const std::string& key, bool unwritable = true);
  // Both trees as text, one line per key (full path) followed by its values,
  // everything sorted as the registry enumerates it; equal texts mean equal registries.
  std::string Export() const;

 private:
  struct Key;
  Key& RootKey(RegistryRoot root) const;
  Key* Find(RegistryRoot root, const std::string& key) const;
  Key* FindWritable(RegistryRoot root, const std::string& key) const;
  Key& Make(RegistryRoot root, const std::string& key, bool respect_unwritable, bool& refused);
  bool Write(RegistryRoot root, const std::string& key, const std::string& name,
             const RegistryValue& value);

  std::unique_ptr<Key> classes_root_;
  std::unique_ptr<Key> current_user_;
  std::unique_ptr<Key> local_machine_;
};

}  // namespace platform
