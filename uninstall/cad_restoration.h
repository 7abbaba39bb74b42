#pragma once
// Giving back what the CAD configurations of a user's record changed.
#include <vector>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "record/change_record.h"
#include "uninstall/left_in_place.h"

namespace uninstall {

void RestoreCadProfiles(platform::Registry& registry, platform::FileSystem& files,
                        const std::vector<record::Entry>& cad_record, LeftList& left);

}  // namespace uninstall
