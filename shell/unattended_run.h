#pragma once
// The runs with nobody at the screen, for IT departments: the installation,
// quiet (no window) or passive (the main window shows the progress), and the
// CAD configuration alone. No box is shown: every text a box would show goes
// to the log and decides the exit code. The main window is made for its
// dictionary; only a passive installation shows it.
#include "shell/command_line.h"
#include "shell/main_form.h"
#include "shell/run_log.h"

namespace shell {

// Returns the program's exit code.
int RunUnattendedInstallation(MainForm& form, const CommandLine& command, RunLog& log);

// /configurecad: every profile of the user who runs it. Without /quiet the
// boxes of the CAD panel are shown as well. Returns the program's exit code.
int RunCadConfigurationCommand(MainForm& form, const CommandLine& command, RunLog& log);

// The same at a user's logon, by the logon program: nothing is shown and
// nothing in c:\geolume changes; anything short of a complete configuration
// fails, so that it runs again. Returns the program's exit code.
int RunCadConfigurationAtLogon(MainForm& form, RunLog& log);

}  // namespace shell
