#pragma once
// The product's shortcuts: the earlier versions' removed, and one to the main
// program in the program group folder and one on the desktop.
#include <optional>
#include <string>

#include "install/install_folders.h"
#include "platform/file_system.h"
#include "platform/shell.h"

namespace install {

constexpr char kProgramGroup[] = "Sistema Topográfico Geolume";
constexpr char kMainProgram[] = "c:\\geolume\\geolume.exe";
constexpr char kShortcutName[] = "Geolume";

// The shortcut's comment; fixed per language, not looked up.
std::string ShortcutDescription(Language language);

// The special folder's path without a trailing backslash; empty when the
// shell has none.
std::string GetSpecialFolder(platform::Shell& shell, int csidl);

// Deletes the earlier versions' links from the group folder, which goes when
// nothing else is left in it, and from the desktop. Throws InstallError when
// a folder cannot be found or made.
void RemoveOldShortcuts(platform::FileSystem& files, platform::Shell& shell);

// Saves base folder\link_name.lnk, the base folder being the program-files
// folder's group or, without a group, the desktop. Throws InstallError when
// the base folder cannot be found or made, and passes on the shell's error
// when no link object can be had.
void CreateShortcut(platform::FileSystem& files, platform::Shell& shell, const std::string& target,
                    const std::optional<std::string>& group, const std::string& description,
                    const std::string& link_name);

}  // namespace install
