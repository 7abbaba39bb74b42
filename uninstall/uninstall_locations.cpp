#include "uninstall/uninstall_locations.h"

#include "install/shortcuts.h"

namespace uninstall {

std::string GroupFolder(platform::Shell& shell) {
  return shell.SpecialFolder(platform::kFolderProgramFiles) + "\\" + install::kProgramGroup;
}

std::string MachineRecordPath(platform::Shell& shell) { return GroupFolder(shell) + "\\Desinstalar.txt"; }

std::string UninstallerPath(platform::Shell& shell) { return GroupFolder(shell) + "\\Desinstalar.exe"; }

std::string LogonProgramPath(platform::Shell& shell) { return GroupFolder(shell) + "\\ConfigurarCAD.exe"; }

std::string UserCadRecordPath(platform::Shell& shell) {
  const std::string folder = shell.SpecialFolder(platform::kFolderLocalAppData);
  // Without it the name would start at the drive's root, in the product's
  // own c:\Geolume, where every user's record would mix.
  if (folder.empty()) return {};
  return folder + "\\Geolume\\Configuracao-CAD.txt";
}

}  // namespace uninstall
