#pragma once
// Giving back what CAD configurations changed in the current user's host
// profiles and startup files, from their record.
#include <vector>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "record/change_record.h"
#include "uninstall/left_in_place.h"

namespace uninstall {

// Search paths lose the product's folders, TRUSTEDPATHS the product's entry
// and GstarCAD's startup suite the product's application; every other value
// the configurations wrote gets its former value (or absence) back where it
// still holds what they wrote. Keys the configurations made go when empty,
// the product's startup files go, and set-aside startup files get their
// names back. Profiles that are gone are passed over, and no key is made.
// What the record names beyond what a configuration can change is not
// touched. Whatever stays, and why, is added to `left`.
void RestoreCadProfiles(platform::Registry& registry, platform::FileSystem& files,
                        const std::vector<record::Entry>& cad_record, LeftList& left);

}  // namespace uninstall
