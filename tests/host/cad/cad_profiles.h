#pragma once
// Host profiles seeded into the in-memory registry the way the CAD hosts lay them out.
#include <optional>
#include <string>

#include "platform/memory/memory_registry.h"

namespace cad_testing {

constexpr auto kUser = platform::RegistryRoot::CurrentUser;

// "\Software\Autodesk\AutoCAD\<release>\Profiles\<profile>" with its
// "Editor Configuration", "General" (holding "ACAD" when given) and "Variables".
inline std::string AddAutoCadProfile(platform::MemoryRegistry& registry, const std::string& release,
                                     const std::string& profile,
                                     const std::optional<std::string>& acad = std::nullopt) {
  const std::string key = "\\Software\\Autodesk\\AutoCAD\\" + release + "\\Profiles\\" + profile;
  registry.AddKey(kUser, key + "\\Editor Configuration");
  registry.AddKey(kUser, key + "\\General");
  registry.AddKey(kUser, key + "\\Variables");
  if (acad) registry.SetString(kUser, key + "\\General", "ACAD", *acad);
  return key;
}

// "\Software\Bricsys\BricsCAD\<version>\Profiles\<profile>\Config" holding "SRCHPATH".
inline std::string AddBricsCadProfile(platform::MemoryRegistry& registry, const std::string& version,
                                      const std::string& profile, const std::string& search_path) {
  const std::string key =
      "\\Software\\Bricsys\\BricsCAD\\" + version + "\\Profiles\\" + profile + "\\Config";
  registry.SetString(kUser, key, "SRCHPATH", search_path);
  return key;
}

// "\SOFTWARE\Gstarsoft\GstarCAD\<release>\Profiles\<profile>" with its
// "Editor Configuration" and "General" holding "GCAD".
inline std::string AddGstarCadProfile(platform::MemoryRegistry& registry, const std::string& release,
                                      const std::string& profile, const std::string& search_path) {
  const std::string key = "\\SOFTWARE\\Gstarsoft\\GstarCAD\\" + release + "\\Profiles\\" + profile;
  registry.AddKey(kUser, key + "\\Editor Configuration");
  registry.SetString(kUser, key + "\\General", "GCAD", search_path);
  return key;
}

inline std::string StringAt(platform::MemoryRegistry& registry, const std::string& key,
                            const std::string& name) {
  const auto value = registry.ReadValue(kUser, key, name);
  return value ? value->text : "<missing>";
}

}  // namespace cad_testing
