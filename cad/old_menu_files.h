#pragma once
// The menu files earlier versions of the product left in the installation root.
#include <string>

#include "platform/file_system.h"

namespace cad {

// Deletes each old menu file present in the folder; failures are ignored.
void DeleteOldMenuFiles(platform::FileSystem& files, const std::string& folder);

}  // namespace cad
