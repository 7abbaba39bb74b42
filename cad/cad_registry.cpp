#include "cad/cad_registry.h"

#include "cad/cad_error.h"
#include "cad/cad_messages.h"

namespace cad {

namespace {

constexpr auto kCurrentUser = platform::RegistryRoot::CurrentUser;

std::string ValueName(const std::string& key, const std::string& name) {
  return "'" + name + "' in " + CurrentUserKeyName(key);
}

}  // namespace

std::string CurrentUserKeyName(const std::string& key) {
  if (!key.empty() && key.front() == '\\') return "HKEY_CURRENT_USER" + key;
  return "HKEY_CURRENT_USER\\" + key;
}

std::string ReadRegString(platform::Registry& registry, const std::string& key,
                          const std::string& name) {
  const auto value = registry.ReadValue(kCurrentUser, key, name);
  if (!value) return {};
  if (value->type != platform::RegistryValueType::String &&
      value->type != platform::RegistryValueType::ExpandString) {
    throw CadError(messages::kInvalidValueType, {name, CurrentUserKeyName(key)});
  }
  return value->text;
}

bool WriteRegString(platform::Registry& registry, const std::string& key, const std::string& name,
                    const std::string& text) {
  return registry.WriteString(kCurrentUser, key, name, text);
}

bool WriteRegInteger(platform::Registry& registry, const std::string& key, const std::string& name,
                     std::uint32_t number) {
  return registry.WriteDword(kCurrentUser, key, name, number);
}

bool CreateRegKey(platform::Registry& registry, const std::string& key) {
  return registry.CreateKey(kCurrentUser, key);
}

void RequireRegString(platform::Registry& registry, const std::string& key,
                      const std::string& name, const std::string& text) {
  if (!WriteRegString(registry, key, name, text)) {
    throw CadError("Failed to set data for " + ValueName(key, name));
  }
}

void RequireRegInteger(platform::Registry& registry, const std::string& key,
                       const std::string& name, std::uint32_t number) {
  if (!WriteRegInteger(registry, key, name, number)) {
    throw CadError("Failed to set data for " + ValueName(key, name));
  }
}

}  // namespace cad
