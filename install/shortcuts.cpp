#include "install/shortcuts.h"

#include <array>

#include "install/install_error.h"
#include "text/case_folding.h"
#include "text/trim.h"

namespace install {

namespace {

constexpr std::array<const char*, 4> kOldShortcuts = {
    "Geolume 1.0.lnk", "Geolume 1.1.lnk", "Geolume 2000.lnk", "Geolume 2004.lnk"};

// Without a path from the shell, a folder would land at the drive's root.
std::string RequireSpecialFolder(platform::Shell& shell, int csidl) {
  std::string folder = GetSpecialFolder(shell, csidl);
  if (folder.empty()) throw InstallError("The shell gives no folder for CSIDL " + std::to_string(csidl));
  return folder;
}

void RequireFolder(platform::FileSystem& files, const std::string& folder) {
  if (files.FolderExists(folder) || files.CreateFolders(folder)) return;
  throw InstallError("Cannot create the folder " + folder);
}

std::string GroupFolder(platform::Shell& shell) {
  return RequireSpecialFolder(shell, platform::kFolderProgramFiles) + "\\" + kProgramGroup;
}

void DeleteOldShortcuts(platform::FileSystem& files, const std::string& folder) {
  for (const char* name : kOldShortcuts) {
    std::string path = folder + "\\" + name;
    if (files.FileExists(path)) files.DeleteFile(path);
  }
}

std::string FolderPart(const std::string& path) {
  std::size_t slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

std::string ShortcutDescription(Language language) {
  return language == Language::Spanish ? "Sistema de Automación Topográfica Geolume"
                                       : "Sistema de Automação Topográfica Geolume";
}

std::string GetSpecialFolder(platform::Shell& shell, int csidl) { return shell.SpecialFolder(csidl); }

void RemoveOldShortcuts(platform::FileSystem& files, platform::Shell& shell) {
  std::string group = GroupFolder(shell);
  RequireFolder(files, group);
  DeleteOldShortcuts(files, group);
  // Fails while the group holds anything else, which then stays.
  files.RemoveFolder(group);
  std::string desktop = RequireSpecialFolder(shell, platform::kFolderDesktop);
  RequireFolder(files, desktop);
  DeleteOldShortcuts(files, desktop);
}

void CreateShortcut(platform::FileSystem& files, platform::Shell& shell, const std::string& target,
                    const std::optional<std::string>& group, const std::string& description,
                    const std::string& link_name) {
  platform::ShellLink link;
  link.target = text::LowerAscii(text::Trim(target, text::kSpaceAndControls));
  link.working_folder = text::LowerAscii(text::Trim(FolderPart(target), text::kSpaceAndControls));
  link.description = description;
  link.icon_path = link.target;
  link.icon_index = 0;
  std::string base = group ? RequireSpecialFolder(shell, platform::kFolderProgramFiles) + "\\" + *group
                           : RequireSpecialFolder(shell, platform::kFolderDesktop);
  RequireFolder(files, base);
  // A link that cannot be saved stays missing without a report.
  shell.SaveLink(link, base + "\\" + link_name + ".lnk");
}

}  // namespace install
