#include "install/file_associations.h"

#include "install/class_registry_writes.h"

namespace install {

std::optional<std::string> OpenCommandOf(const FileAssociation& row, const std::string& windows_folder) {
  switch (row.open) {
    case OpenCommand::None: return std::nullopt;
    case OpenCommand::Program: return std::string(row.program_command);
    case OpenCommand::Notepad: return windows_folder + kNotepadCommand;
  }
  return std::nullopt;
}

void RegisterFileType(platform::Registry& registry, const std::string& extension,
                      const std::string& class_key, const std::string& description,
                      const std::string& icon_file, const std::optional<std::string>& open_command) {
  const std::string class_path = "\\" + class_key;
  WriteClassString(registry, "\\." + extension, "", class_key);
  WriteClassString(registry, class_path, "", description);
  WriteClassString(registry, class_path + "\\DefaultIcon", "", "c:\\geolume\\" + icon_file + ",0");
  if (!open_command) return;
  // Unquoted, with the bare %1, as the product's programs expect it.
  WriteClassString(registry, class_path + "\\Shell\\Open\\Command", "", *open_command);
}

}  // namespace install
