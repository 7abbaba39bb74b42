#include "install/protected_files.h"

#include <array>
#include <string_view>

#include "install/file_associations.h"
#include "install/install_folders.h"
#include "install/shortcuts.h"
#include "text/case_folding.h"

namespace install {

namespace {

constexpr std::array<std::string_view, 5> kApplicationExtensions = {".VLX", ".FAS", ".DES", ".ARX", ".DLL"};
constexpr std::array<std::string_view, 2> kStartupFiles = {"ACAD.LSP", "ON_START.LSP"};

bool EndsWith(const std::string& text, std::string_view end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The program a command starts: the command less its arguments.
std::string ProgramOf(std::string_view command) { return std::string(command.substr(0, command.find(' '))); }

bool IsStartedProgram(const std::string& upper_path) {
  if (upper_path == text::UpperCase(kMainProgram)) return true;
  for (const FileAssociation& row : kFileAssociations) {
    if (row.open == OpenCommand::Program && upper_path == text::UpperCase(ProgramOf(row.program_command))) return true;
  }
  return false;
}

}  // namespace

bool IsProtectedProductFile(const std::string& path) {
  const std::string upper = text::UpperCase(path);
  if (IsStartedProgram(upper)) return true;
  const std::size_t name_start = upper.find_last_of('\\');
  if (name_start == std::string::npos) return false;
  const std::string folder = upper.substr(0, name_start);
  const std::string name = upper.substr(name_start + 1);
  const std::string root = text::UpperCase(kInstallRoot);
  if (folder != root && folder != root + "\\SIMBOLOS") return false;
  for (std::string_view startup : kStartupFiles) {
    if (name == startup) return true;
  }
  for (std::string_view extension : kApplicationExtensions) {
    if (EndsWith(name, extension)) return true;
  }
  return false;
}

}  // namespace install
