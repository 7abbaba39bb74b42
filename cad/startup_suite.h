#pragma once
// GstarCAD's startup suite: "NumStartup" counts the entries "1Startup",
// "2Startup", ... of the profile's "Dialogs\Appload\Startup" key.
#include <optional>
#include <string>

#include "platform/registry.h"

namespace cad {

constexpr char kProductApplication[] = "c:\\geolume\\geolume15.vlx";

// Appends the product's application unless an entry up to the count already
// is it (letter case ignored); creates the key when it has no count yet. A
// count that is not a decimal number of at most 4 digits throws CadError
// before anything is written.
void AddToStartupSuite(platform::Registry& registry, const std::string& profile_key);

// The profile's suite key, "<profile>\Dialogs\Appload\Startup".
std::string StartupSuiteKey(const std::string& profile_key);
// The count that "NumStartup" holds; nullopt unless it is a decimal number of
// at most 4 digits.
std::optional<int> StartupSuiteCount(const std::string& text);
// Whether a suite entry is the product's application, in any letter case.
bool IsProductApplication(const std::string& entry);

}  // namespace cad
