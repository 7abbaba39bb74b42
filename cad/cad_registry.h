#pragma once
// The registry operations of the CAD configuration, all under
// HKEY_CURRENT_USER, each opening its key for the one call.
#include <cstdint>
#include <string>

#include "platform/registry.h"

namespace cad {

// The text of a REG_SZ or REG_EXPAND_SZ value; empty when the key or the
// value is missing. A value of any other type throws CadError.
std::string ReadRegString(platform::Registry& registry, const std::string& key,
                          const std::string& name);
// Never create the key: a missing key makes them return false.
bool WriteRegString(platform::Registry& registry, const std::string& key, const std::string& name,
                    const std::string& text);
bool WriteRegInteger(platform::Registry& registry, const std::string& key, const std::string& name,
                     std::uint32_t number);
// Creates the key with any missing parents; true when it exists afterwards.
bool CreateRegKey(platform::Registry& registry, const std::string& key);

// The writes that must succeed for the configuration to go on: a failure
// throws CadError naming the key and the value.
void RequireRegString(platform::Registry& registry, const std::string& key,
                      const std::string& name, const std::string& text);
void RequireRegInteger(platform::Registry& registry, const std::string& key,
                       const std::string& name, std::uint32_t number);

// "HKEY_CURRENT_USER\..." for messages.
std::string CurrentUserKeyName(const std::string& key);

}  // namespace cad
