#pragma once
// The registry as the installer uses it: HKEY_CLASSES_ROOT, HKEY_CURRENT_USER
// and HKEY_LOCAL_MACHINE, each call opening the key it needs and closing it
// again before returning.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };

enum class RegistryValueType { String, ExpandString, Dword, Binary, Other };

struct RegistryValue {
  RegistryValueType type = RegistryValueType::String;
  std::string text;             // String and ExpandString, UTF-8
  std::uint32_t number = 0;     // Dword
  std::vector<std::uint8_t> bytes;  // Binary and Other: the raw data
};

// Key paths are relative to the root, backslash-separated; a leading backslash
// and the empty path (the root itself) are accepted.
class Registry {
 public:
  virtual ~Registry() = default;

  virtual bool KeyExists(RegistryRoot root, const std::string& key) = 0;
  // Creates the key and any missing parents; true when it exists afterwards.
  virtual bool CreateKey(RegistryRoot root, const std::string& key) = 0;
  // Names of the direct subkeys in the registry's enumeration order;
  // nullopt when the key cannot be opened.
  virtual std::optional<std::vector<std::string>> SubKeys(RegistryRoot root,
                                                          const std::string& key) = 0;
  // Names of the key's values in no particular order ("" for a default value
  // that is set); nullopt when the key cannot be opened.
  virtual std::optional<std::vector<std::string>> ValueNames(RegistryRoot root,
                                                             const std::string& key) = 0;
  // nullopt when the key or the value is missing. The empty name is the default value.
  virtual std::optional<RegistryValue> ReadValue(RegistryRoot root, const std::string& key,
                                                 const std::string& name) = 0;
  // Writes never create keys: a missing key makes them fail.
  virtual bool WriteString(RegistryRoot root, const std::string& key, const std::string& name,
                           const std::string& text) = 0;
  virtual bool WriteDword(RegistryRoot root, const std::string& key, const std::string& name,
                          std::uint32_t number) = 0;
  // Any value as ReadValue gives it, of its own type; for giving a former
  // value back.
  virtual bool WriteValue(RegistryRoot root, const std::string& key, const std::string& name,
                          const RegistryValue& value) = 0;
  virtual bool DeleteValue(RegistryRoot root, const std::string& key,
                           const std::string& name) = 0;
  // Deletes the key with its whole subtree.
  virtual bool DeleteKey(RegistryRoot root, const std::string& key) = 0;
};

}  // namespace platform
