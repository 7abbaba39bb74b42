#pragma once
// The shell of the in-memory Windows: settable special folders, and shell links
// saved as real files in a file system, holding their fields so that they can
// be read back from wherever the file is.
#include <map>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/shell.h"

namespace platform {

class MemoryShell : public Shell {
 public:
  // Desktop "C:\Users\Usuario\Desktop", program files "C:\Program Files (x86)"
  // (what a 32-bit program sees); the folders themselves are not created.
  explicit MemoryShell(FileSystem& files);

  std::string SpecialFolder(int csidl) override;
  bool SaveLink(const ShellLink& link, const std::string& link_path) override;
  std::optional<ShellLink> ReadLink(const std::string& link_path) override;

  // Test helpers. An empty path makes the shell give no folder for that number.
  void SetSpecialFolder(int csidl, const std::string& path);
  // While set, SaveLink and ReadLink throw as when no link object can be created.
  void SetLinkCreationFails(bool fails);
  // The paths of the links saved so far, in order.
  const std::vector<std::string>& SavedLinks() const;

 private:
  FileSystem& files_;
  std::map<int, std::string> special_folders_;
  bool link_creation_fails_ = false;
  std::vector<std::string> saved_links_;
};

}  // namespace platform
