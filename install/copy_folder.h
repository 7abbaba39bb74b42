#pragma once
// The copy of one medium folder into one target folder, shown on the main
// window's progress panel. Subfolders are not copied.
#include <string>

#include "install/copy_rule.h"
#include "shell/main_form.h"

namespace install {

// source_folder ends in a backslash, target_folder does not. Failed files are
// reported in message boxes and the copy goes on. Returns how many files were
// actually copied (files found equal are not counted).
int CopyFolder(shell::MainForm& form, const std::string& source_folder,
               const std::string& target_folder, CopyRule rule);

}  // namespace install
