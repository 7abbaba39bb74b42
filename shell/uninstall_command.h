#pragma once
// The uninstall as Windows' list of programs starts it: a question, the work,
// one closing box; quiet, no box at all. The main window is made for its
// dictionary but never shown.
#include "shell/exit_codes.h"
#include "shell/main_form.h"
#include "shell/run_log.h"

namespace shell {

// Returns the program's exit code. What a box says, or would say when quiet,
// goes into the log as well.
int RunUninstallCommand(MainForm& form, bool quiet, RunLog& log);
int RunUninstallCommand(MainForm& form, bool quiet);

// At a user's logon, by the logon program: only this user's CAD profiles are
// given back, from the user's own record, and nothing is shown. Returns the
// program's exit code.
int RunCadRestoreAtLogon(MainForm& form, RunLog& log);

}  // namespace shell
