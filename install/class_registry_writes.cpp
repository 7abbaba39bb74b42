#include "install/class_registry_writes.h"

#include "install/install_error.h"

namespace install {

void WriteClassString(platform::Registry& registry, const std::string& key, const std::string& name,
                      const std::string& text) {
  constexpr auto root = platform::RegistryRoot::ClassesRoot;
  if (!registry.KeyExists(root, key) && !registry.CreateKey(root, key)) {
    throw InstallError("Cannot create the registry key HKEY_CLASSES_ROOT" + key);
  }
  if (!registry.WriteString(root, key, name, text)) {
    throw InstallError("Cannot write the registry value " + (name.empty() ? "(default)" : name) +
                       " of HKEY_CLASSES_ROOT" + key);
  }
}

}  // namespace install
