#pragma once
// The lines of the CAD list: each host names its profiles after its support
// search path or its registry path.
#include <string>
#include <vector>

#include "cad/cad_profile.h"
#include "platform/registry.h"

namespace cad {

// From the profile key path and its "ACAD" search path.
std::string AutoCadDisplayText(const std::string& key_path, const std::string& search_path);
// From the "Config" key path alone.
std::string BricsCadDisplayText(const std::string& config_path);
// From the "GCAD" search path alone.
std::string GstarCadDisplayText(const std::string& search_path);

// The line of one profile, reading its search path where the host needs it.
std::string DisplayTextOf(platform::Registry& registry, const CadProfile& profile);

// The profiles in list order, each with its line.
std::vector<CadProfile> ListedCadProfiles(platform::Registry& registry);

}  // namespace cad
