#pragma once
// Writing a string under HKEY_CLASSES_ROOT, creating its key when missing.
#include <string>

#include "platform/registry.h"

namespace install {

// The empty name is the key's default value. Throws InstallError when the
// key cannot be created or the value cannot be written.
void WriteClassString(platform::Registry& registry, const std::string& key, const std::string& name,
                      const std::string& text);

}  // namespace install
