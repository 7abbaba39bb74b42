#pragma once
// Windows' per-user set-up at logon (Active Setup): a key under the local
// machine names a command that Windows runs once for every user who logs on,
// as that user, without administrator rights. An installation registers the
// CAD configuration there, so that every user's profiles are configured, not
// only the installing account's; the uninstall puts the restore of each
// user's profiles, from that user's own record, in its place.
//
// Both commands are the uninstaller's, in the program-files group folder,
// where no standard user can replace what every user's logon will run.
#include <string>

#include "platform/registry.h"

namespace uninstall {

// Under HKEY_LOCAL_MACHINE.
constexpr char kCadSetupKey[] = "Software\\Microsoft\\Active Setup\\Installed Components\\Geolume.ConfigurarCAD";
constexpr char kCadRestoreKey[] = "Software\\Microsoft\\Active Setup\\Installed Components\\Geolume.RestaurarCAD";

// "/configurecad /quiet" at every user's next logon; a restore registered by
// an earlier uninstall goes. False when a value could not be written.
bool RegisterCadSetupAtLogon(platform::Registry& registry, const std::string& uninstaller,
                             const std::string& display_name);

// At the uninstall: when the configuration at logon was registered, it gives
// way to "/uninstall /quiet" at every user's next logon, which gives back
// what that user's configurations changed. True when it was registered: the
// uninstaller must then stay for the logons to come.
bool ReplaceCadSetupWithRestore(platform::Registry& registry, const std::string& uninstaller);

}  // namespace uninstall
