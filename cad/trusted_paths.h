#pragma once
// AutoCAD's trusted folders (the TRUSTEDPATHS variable) with the product's added.
#include <string>

namespace cad {

// The former list with ";C:\geolume" appended, unless one of its entries
// already is that folder; an empty list, or "." (none), becomes "C:\geolume".
// The other add-ins' trusted folders stay.
std::string MergeTrustedPath(const std::string& trusted_paths);

// Whether a TRUSTEDPATHS entry names C:\geolume: surrounding spaces and
// quotes, a trailing "\..." (with its subfolders) or backslash, and letter
// case do not matter.
bool IsProductTrustedEntry(const std::string& entry);

}  // namespace cad
