#pragma once
// Where the uninstall's own pieces live. The machine's record and the
// uninstaller go into the product's group folder under the program-files
// folder, where a standard user cannot change them; each user's CAD record
// goes into that user's own local application data.
#include <string>

#include "platform/shell.h"

namespace uninstall {

// Under HKEY_LOCAL_MACHINE.
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Geolume";
constexpr char kSharedDllsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

std::string GroupFolder(platform::Shell& shell);
std::string MachineRecordPath(platform::Shell& shell);
std::string UninstallerPath(platform::Shell& shell);
// The program every user's logon runs (it asks for no elevation, which Windows'
// per-user set-up cannot give), beside the uninstaller. The installer carries
// it as an RCDATA resource of that name.
constexpr char kLogonProgramResource[] = "CONFIGURARCAD";
std::string LogonProgramPath(platform::Shell& shell);
// Empty when Windows names no local application data folder for the user:
// the user's configurations then go unrecorded rather than into a folder
// every user shares.
std::string UserCadRecordPath(platform::Shell& shell);

}  // namespace uninstall
