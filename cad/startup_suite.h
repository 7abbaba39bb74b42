#pragma once
// GstarCAD's startup suite: "NumStartup" counts the entries "1Startup",
// "2Startup", ... of the profile's "Dialogs\Appload\Startup" key.
#include <string>

#include "platform/registry.h"

namespace cad {

constexpr char kProductApplication[] = "c:\\geolume\\geolume15.vlx";

// Appends the product's application unless an entry up to the count already
// is it (letter case ignored); creates the key when it has no count yet. A
// count that is not a decimal number of at most 4 digits throws CadError
// before anything is written.
void AddToStartupSuite(platform::Registry& registry, const std::string& profile_key);

}  // namespace cad
