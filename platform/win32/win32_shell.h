#pragma once
// The real shell: special folders and shell links (CLSID_ShellLink through
// IShellLinkW and IPersistFile), with COM initialised for each call as needed.
#include "platform/shell.h"

namespace platform {

class Win32Shell : public Shell {
 public:
  std::string SpecialFolder(int csidl) override;
  bool SaveLink(const ShellLink& link, const std::string& link_path) override;
  // Also throws std::runtime_error when no shell link object can be created.
  std::optional<ShellLink> ReadLink(const std::string& link_path) override;
};

}  // namespace platform
