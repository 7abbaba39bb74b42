#pragma once
// The logon program, ConfigurarCAD.exe: what Windows' per-user set-up runs as
// each user who logs on, without elevation. It configures that user's CAD
// profiles ("/configurecad /quiet") or gives them back after an uninstall
// ("/uninstall /quiet"). It never shows anything and never waits: a CAD host
// running in the session fails the run at once. It writes only the user's
// own places (HKEY_CURRENT_USER, the user's CAD support folders, the user's
// record); c:\geolume is only read. Windows counts a failed run as done, so a
// run that fails arranges its own at the user's next logon (RunOnce); one
// that finishes takes that away. A failed run leaves its log in the user's
// temporary folder.
#include <string>
#include <vector>

#include "platform/platform.h"
#include "ui/backend.h"

namespace shell {

// Returns the program's exit code. The arguments are the command line's,
// without the program's own name.
int RunLogonProgram(ui::Backend& backend, platform::Platform& platform, const std::vector<std::string>& arguments);

}  // namespace shell
