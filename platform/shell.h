#pragma once
// The Windows shell: special folders and shell links.
#include <optional>
#include <string>

namespace platform {

enum : int {
  kFolderDesktop = 0x10,
  kFolderProgramFiles = 0x26,
  kFolderLocalAppData = 0x1C,
};

struct ShellLink {
  std::string target;
  std::string working_folder;
  std::string description;
  std::string icon_path;
  int icon_index = 0;
};

class Shell {
 public:
  virtual ~Shell() = default;
  // The folder's path without a trailing backslash; empty when the shell has none.
  virtual std::string SpecialFolder(int csidl) = 0;
  // Creates a shell link object, fills it and saves it at link_path. Throws
  // std::runtime_error when no shell link object can be created.
  virtual bool SaveLink(const ShellLink& link, const std::string& link_path) = 0;
  virtual std::optional<ShellLink> ReadLink(const std::string& link_path) = 0;
};

}  // namespace platform
