#pragma once
// What an installation can have written, whatever a record says: the
// uninstall touches nothing else.
#include <string>

namespace uninstall {

// Letter case ignored, separators and "." / ".." parts resolved, so that no
// spelling of a path can step out of where it seems to be.
std::string NormalPath(const std::string& path);

// A file or folder under c:\geolume (not the folder itself).
bool IsUnderInstallRoot(const std::string& path);
// The installation root itself.
bool IsInstallRoot(const std::string& path);
// A file directly in the system folder.
bool IsInSystemFolder(const std::string& path, const std::string& system_folder);
// The four tables the product's users fill in, which every run keeps.
bool IsUserTable(const std::string& path);

// HKEY_CLASSES_ROOT: ".ext" of one of the 34 associations, without the dot.
bool IsProductExtensionKey(const std::string& key);
// The viewer control's CLSID key or its ProgID key, or a key below them.
bool IsViewerControlKey(const std::string& key);

// The key without leading or doubled backslashes.
std::string NormalKey(const std::string& key);
bool SameKey(const std::string& left, const std::string& right);

}  // namespace uninstall
