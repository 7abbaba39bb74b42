#pragma once
// The registry of the in-memory Windows: HKEY_CLASSES_ROOT, HKEY_CURRENT_USER
// and HKEY_LOCAL_MACHINE as key trees whose key and value names keep their
// spelling but compare without regard to case, and whose subkeys enumerate
// sorted that way, as on Windows. HKEY_CURRENT_USER is the running account's
// own hive; HKEY_LOCAL_MACHINE only an elevated run (an administrator's or
// the system account's) changes. HKEY_CLASSES_ROOT is one machine-wide tree here.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/memory/memory_accounts.h"
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

  // Later calls run as the account (an elevated administrator at first):
  // HKEY_CURRENT_USER becomes its hive, empty until something writes it, as
  // at a logon of that account.
  void RunAs(const MemoryAccount& account);
  const MemoryAccount& RunningAs() const { return account_; }

  // Test helpers. They create the key (with parents) when missing and ignore
  // unwritable keys and the running account's rights, as a test's own setup
  // would; HKEY_CURRENT_USER is the running account's, so another account's
  // hive is seeded while running as him.
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
  // The trees as text (HKEY_CURRENT_USER the running account's), one line per key (full path) followed by its values,
  // everything sorted as the registry enumerates it; equal texts mean equal registries.
  std::string Export() const;

 private:
  struct Key;
  Key& RootKey(RegistryRoot root) const;
  Key* Find(RegistryRoot root, const std::string& key) const;
  Key* FindWritable(RegistryRoot root, const std::string& key) const;
  bool MayChange(RegistryRoot root) const;
  Key& Make(RegistryRoot root, const std::string& key, bool respect_unwritable, bool& refused);
  bool Write(RegistryRoot root, const std::string& key, const std::string& name,
             const RegistryValue& value);

  std::unique_ptr<Key> classes_root_;
  // Each account's HKEY_CURRENT_USER, by SID.
  std::map<std::string, std::unique_ptr<Key>> hives_;
  Key* current_user_ = nullptr;
  std::unique_ptr<Key> local_machine_;
  MemoryAccount account_;
};

}  // namespace platform
