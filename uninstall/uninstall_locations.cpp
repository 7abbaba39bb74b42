#include "uninstall/uninstall_locations.h"

#include "install/shortcuts.h"

namespace uninstall {

std::string GroupFolder(platform::Shell& shell) {
  return shell.SpecialFolder(platform::kFolderProgramFiles) + "\\" + install::kProgramGroup;
}

std::string MachineRecordPath(platform::Shell& shell) { return GroupFolder(shell) + "\\Desinstalar.txt"; }

std::string UninstallerPath(platform::Shell& shell) { return GroupFolder(shell) + "\\Desinstalar.exe"; }

std::string UserCadRecordPath(platform::Shell& shell) {
  return shell.SpecialFolder(platform::kFolderLocalAppData) + "\\Geolume\\Configuracao-CAD.txt";
}

}  // namespace uninstall
