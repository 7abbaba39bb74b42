#pragma once
// The copy of one medium folder into one target folder, shown through the
// run's progress. Subfolders are not copied.
#include <string>

#include "install/copy_rule.h"
#include "install/installation_context.h"

namespace install {

// source_folder ends in a backslash, target_folder does not. Failed files are
// reported in message boxes and the copy goes on. Returns how many files were
// actually copied (files found equal are not counted).
int CopyFolder(const InstallationContext& context, const std::string& source_folder,
               const std::string& target_folder, CopyRule rule);

}  // namespace install
