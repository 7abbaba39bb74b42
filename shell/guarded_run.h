#pragma once
// A run the command line asks for, kept from ending unexplained: an error
// nothing else handled is logged, shown when someone is at the screen, and
// ends the run as a failure with its exit code in the log.
#include <functional>

#include "shell/main_form.h"
#include "shell/run_log.h"

namespace shell {

// work returns the run's exit code, already logged.
int GuardedRun(MainForm& form, RunLog& log, bool shown, const std::function<int()>& work);

}  // namespace shell
