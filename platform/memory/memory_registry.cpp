#include "platform/memory/memory_registry.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>
#include <stdexcept>

#include "platform/memory/folded_name.h"

namespace platform {

struct MemoryRegistry::Key {
  struct NamedValue {
    std::string name;
    RegistryValue value;
  };

  std::string name;
  bool unwritable = false;
  std::map<std::u32string, std::unique_ptr<Key>> subkeys;
  std::map<std::u32string, NamedValue> values;

  Key* Child(std::string_view child_name) const {
    const auto found = subkeys.find(FoldedName(child_name));
    return found == subkeys.end() ? nullptr : found->second.get();
  }

  bool HoldsUnwritable() const {
    if (unwritable) return true;
    for (const auto& [folded, subkey] : subkeys) {
      if (subkey->HoldsUnwritable()) return true;
    }
    return false;
  }
};

namespace {

// Windows takes "a\\b\", "\a\b" and "a\b" for the same key.
std::vector<std::string> KeyNames(const std::string& key) {
  std::vector<std::string> names;
  std::string name;
  for (const char c : key) {
    if (c != '\\') {
      name += c;
      continue;
    }
    if (!name.empty()) names.push_back(name);
    name.clear();
  }
  if (!name.empty()) names.push_back(name);
  return names;
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  std::string text;
  char digits[4];
  for (const auto byte : bytes) {
    std::snprintf(digits, sizeof digits, "%02x", byte);
    if (!text.empty()) text += ' ';
    text += digits;
  }
  return text;
}

std::string Describe(const RegistryValue& value) {
  switch (value.type) {
    case RegistryValueType::String:
      return "REG_SZ \"" + value.text + "\"";
    case RegistryValueType::ExpandString:
      return "REG_EXPAND_SZ \"" + value.text + "\"";
    case RegistryValueType::Dword:
      return "REG_DWORD " + std::to_string(value.number);
    case RegistryValueType::Binary:
      return "REG_BINARY " + Hex(value.bytes);
    case RegistryValueType::Other:
      return "OTHER " + Hex(value.bytes);
  }
  return "?";
}

}  // namespace

MemoryRegistry::MemoryRegistry()
    : classes_root_(std::make_unique<Key>()), local_machine_(std::make_unique<Key>()) {
  classes_root_->name = "HKEY_CLASSES_ROOT";
  local_machine_->name = "HKEY_LOCAL_MACHINE";
  RunAs(ElevatedAdministrator());
}

void MemoryRegistry::RunAs(const MemoryAccount& account) {
  account_ = account;
  auto& hive = hives_[account.sid];
  if (hive == nullptr) {
    hive = std::make_unique<Key>();
    hive->name = "HKEY_CURRENT_USER";
  }
  current_user_ = hive.get();
}

// HKEY_LOCAL_MACHINE's keys give users read access only.
bool MemoryRegistry::MayChange(RegistryRoot root) const {
  return root != RegistryRoot::LocalMachine || account_.Elevated();
}

MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::Key& MemoryRegistry::RootKey(RegistryRoot root) const {
  switch (root) {
    case RegistryRoot::ClassesRoot: return *classes_root_;
    case RegistryRoot::CurrentUser: return *current_user_;
    case RegistryRoot::LocalMachine: break;
  }
  return *local_machine_;
}

// Walked name by name in place: deep trees are looked up often.
MemoryRegistry::Key* MemoryRegistry::Find(RegistryRoot root, const std::string& key) const {
  Key* current = &RootKey(root);
  const std::string_view path = key;
  std::size_t start = 0;
  while (current != nullptr && start < path.size()) {
    const std::size_t end = std::min(path.find('\\', start), path.size());
    if (end > start) current = current->Child(path.substr(start, end - start));
    start = end + 1;
  }
  return current;
}

// The key when it exists and neither it nor any key above it is unwritable.
MemoryRegistry::Key* MemoryRegistry::FindWritable(RegistryRoot root,
                                                  const std::string& key) const {
  Key* current = &RootKey(root);
  for (const auto& name : KeyNames(key)) {
    current = current->Child(name);
    if (current == nullptr || current->unwritable) return nullptr;
  }
  return current;
}

MemoryRegistry::Key& MemoryRegistry::Make(RegistryRoot root, const std::string& key,
                                          bool respect_unwritable, bool& refused) {
  refused = false;
  Key* current = &RootKey(root);
  for (const auto& name : KeyNames(key)) {
    Key* child = current->Child(name);
    if (child == nullptr) {
      if (respect_unwritable && current->unwritable) {
        refused = true;
        return *current;
      }
      auto made = std::make_unique<Key>();
      made->name = name;
      child = made.get();
      current->subkeys.emplace(FoldedName(name), std::move(made));
    }
    current = child;
  }
  if (respect_unwritable && current->unwritable) refused = true;
  return *current;
}

bool MemoryRegistry::KeyExists(RegistryRoot root, const std::string& key) {
  return Find(root, key) != nullptr;
}

bool MemoryRegistry::CreateKey(RegistryRoot root, const std::string& key) {
  if (!MayChange(root)) return false;
  bool refused = false;
  Make(root, key, true, refused);
  return !refused;
}

std::optional<std::vector<std::string>> MemoryRegistry::SubKeys(RegistryRoot root,
                                                                const std::string& key) {
  const Key* found = Find(root, key);
  if (found == nullptr) return std::nullopt;
  std::vector<std::string> names;
  for (const auto& [folded, subkey] : found->subkeys) names.push_back(subkey->name);
  return names;
}

std::optional<std::vector<std::string>> MemoryRegistry::ValueNames(RegistryRoot root,
                                                                   const std::string& key) {
  const Key* found = Find(root, key);
  if (found == nullptr) return std::nullopt;
  std::vector<std::string> names;
  for (const auto& [folded, value] : found->values) names.push_back(value.name);
  return names;
}

std::optional<RegistryValue> MemoryRegistry::ReadValue(RegistryRoot root, const std::string& key,
                                                       const std::string& name) {
  const Key* found = Find(root, key);
  if (found == nullptr) return std::nullopt;
  const auto value = found->values.find(FoldedName(name));
  if (value == found->values.end()) return std::nullopt;
  return value->second.value;
}

bool MemoryRegistry::Write(RegistryRoot root, const std::string& key, const std::string& name,
                           const RegistryValue& value) {
  if (!MayChange(root)) return false;
  Key* found = FindWritable(root, key);
  if (found == nullptr) return false;
  auto& slot = found->values[FoldedName(name)];
  if (slot.name.empty()) slot.name = name;
  slot.value = value;
  return true;
}

bool MemoryRegistry::WriteString(RegistryRoot root, const std::string& key,
                                 const std::string& name, const std::string& text) {
  RegistryValue value;
  value.type = RegistryValueType::String;
  value.text = text;
  return Write(root, key, name, value);
}

bool MemoryRegistry::WriteDword(RegistryRoot root, const std::string& key,
                                const std::string& name, std::uint32_t number) {
  RegistryValue value;
  value.type = RegistryValueType::Dword;
  value.number = number;
  return Write(root, key, name, value);
}

bool MemoryRegistry::WriteValue(RegistryRoot root, const std::string& key, const std::string& name,
                                const RegistryValue& value) {
  return Write(root, key, name, value);
}

bool MemoryRegistry::DeleteValue(RegistryRoot root, const std::string& key,
                                 const std::string& name) {
  if (!MayChange(root)) return false;
  Key* found = FindWritable(root, key);
  if (found == nullptr) return false;
  return found->values.erase(FoldedName(name)) == 1;
}

bool MemoryRegistry::DeleteKey(RegistryRoot root, const std::string& key) {
  const auto names = KeyNames(key);
  if (names.empty() || !MayChange(root)) return false;  // a root cannot be deleted
  Key* parent = &RootKey(root);
  for (size_t i = 0; i + 1 < names.size(); ++i) {
    parent = parent->Child(names[i]);
    if (parent == nullptr) return false;
  }
  const auto child = parent->subkeys.find(FoldedName(names.back()));
  if (child == parent->subkeys.end()) return false;
  if (FindWritable(root, key) == nullptr || child->second->HoldsUnwritable()) return false;
  parent->subkeys.erase(child);
  return true;
}

void MemoryRegistry::SetValue(RegistryRoot root, const std::string& key, const std::string& name,
                              const RegistryValue& value) {
  bool refused = false;
  Key& made = Make(root, key, false, refused);
  auto& slot = made.values[FoldedName(name)];
  if (slot.name.empty()) slot.name = name;
  slot.value = value;
}

void MemoryRegistry::SetString(RegistryRoot root, const std::string& key, const std::string& name,
                               const std::string& text) {
  RegistryValue value;
  value.type = RegistryValueType::String;
  value.text = text;
  SetValue(root, key, name, value);
}

void MemoryRegistry::SetExpandString(RegistryRoot root, const std::string& key,
                                     const std::string& name, const std::string& text) {
  RegistryValue value;
  value.type = RegistryValueType::ExpandString;
  value.text = text;
  SetValue(root, key, name, value);
}

void MemoryRegistry::SetDword(RegistryRoot root, const std::string& key, const std::string& name,
                              std::uint32_t number) {
  RegistryValue value;
  value.type = RegistryValueType::Dword;
  value.number = number;
  SetValue(root, key, name, value);
}

void MemoryRegistry::SetBinary(RegistryRoot root, const std::string& key, const std::string& name,
                               const std::vector<std::uint8_t>& bytes) {
  RegistryValue value;
  value.type = RegistryValueType::Binary;
  value.bytes = bytes;
  SetValue(root, key, name, value);
}

void MemoryRegistry::AddKey(RegistryRoot root, const std::string& key) {
  bool refused = false;
  Make(root, key, false, refused);
}

void MemoryRegistry::SetUnwritable(RegistryRoot root, const std::string& key, bool unwritable) {
  Key* found = Find(root, key);
  if (found == nullptr) throw std::invalid_argument("no such registry key: " + key);
  found->unwritable = unwritable;
}

std::string MemoryRegistry::Export() const {
  std::ostringstream out;
  const auto visit = [&out](const auto& self, const Key& key, const std::string& path) -> void {
    out << path << "\n";
    for (const auto& [folded, named] : key.values) {
      const std::string shown = named.name.empty() ? "@" : "\"" + named.name + "\"";
      out << "  " << shown << " = " << Describe(named.value) << "\n";
    }
    for (const auto& [folded, subkey] : key.subkeys) {
      self(self, *subkey, path + "\\" + subkey->name);
    }
  };
  visit(visit, *classes_root_, classes_root_->name);
  visit(visit, *current_user_, current_user_->name);
  visit(visit, *local_machine_, local_machine_->name);
  return out.str();
}

}  // namespace platform
