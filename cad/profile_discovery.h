#pragma once
// Finding the AutoCAD, BricsCAD and GstarCAD profiles of the current user.
#include <string>
#include <vector>

#include "cad/cad_profile.h"
#include "platform/registry.h"

namespace cad {

// The found key paths; AutoCAD's and GstarCAD's still end in the
// "\Editor Configuration" key (see ProfileKeyPath).
std::vector<std::string> FindAutoCadProfiles(platform::Registry& registry);
std::vector<std::string> FindBricsCadProfiles(platform::Registry& registry);
std::vector<std::string> FindGstarCadProfiles(platform::Registry& registry);

// A found "Editor Configuration" path less its last 21 characters (the
// backslash and the key's 20 letters), whatever the key is really called;
// empty for a shorter path.
std::string ProfileKeyPath(const std::string& found_path);

// The three discoveries in list order, with key paths and no display texts.
std::vector<CadProfile> FindCadProfiles(platform::Registry& registry);

}  // namespace cad
