#pragma once
// Windows' per-user set-up at logon (Active Setup): a key under the local
// machine names a command that Windows runs once for every user who logs on,
// as that user, without administrator rights. An installation registers the
// CAD configuration there, so that every user's profiles are configured, not
// only the installing account's; the uninstall puts the restore of each
// user's profiles, from that user's own record, in its place.
//
// Both commands are the logon program's, in the program-files group folder,
// where no standard user can replace what every user's logon will run. It is
// not the uninstaller: Windows starts these commands without the elevation
// that the installer's and the uninstaller's manifest requires, and refuses
// such a program (740) while still counting the set-up as done.
#include <string>

#include "platform/platform.h"
#include "platform/registry.h"

namespace uninstall {

// Under HKEY_LOCAL_MACHINE.
constexpr char kCadSetupKey[] = "Software\\Microsoft\\Active Setup\\Installed Components\\Geolume.ConfigurarCAD";
constexpr char kCadRestoreKey[] = "Software\\Microsoft\\Active Setup\\Installed Components\\Geolume.RestaurarCAD";

// Under HKEY_CURRENT_USER: Windows' set-up counts a failed run as done, so
// the logon program arranges its own next run there.
constexpr char kRunOnceKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
constexpr char kCadSetupRetry[] = "Geolume.ConfigurarCAD";
constexpr char kCadRestoreRetry[] = "Geolume.RestaurarCAD";

// Writes the logon program from the running program's resource into the
// group folder, with the access list only administrators may change. False
// when there is no such resource, or it could not be written or protected.
bool PlaceLogonProgram(platform::Platform& windows);

// "/configurecad /quiet" at every user's next logon; a restore registered by
// an earlier uninstall goes. False when a value could not be written.
bool RegisterCadSetupAtLogon(platform::Registry& registry, const std::string& logon_program,
                             const std::string& display_name);

// At the uninstall: when the configuration at logon was registered (whatever
// program its command named), it gives way to "/uninstall /quiet" at every
// user's next logon, which gives back what that user's configurations
// changed. True when it was registered: the program must then stay for the
// logons to come.
bool ReplaceCadSetupWithRestore(platform::Registry& registry, const std::string& logon_program);

// The user's next logon runs the command again under that value's name; the
// other run's value goes, so that a configuration and a restore never both
// wait. False when it could not be written.
bool RetryAtNextLogon(platform::Registry& registry, const std::string& value_name, const std::string& command);

// A run at logon finished: nothing is left to run again, neither itself nor
// the other run, which the finished one supersedes.
void ForgetRetries(platform::Registry& registry);

}  // namespace uninstall
