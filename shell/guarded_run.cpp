#include "shell/guarded_run.h"

#include <exception>

#include "install/install_messages.h"
#include "shell/exit_codes.h"
#include "shell/shell_messages.h"
#include "ui/application.h"

namespace shell {

int GuardedRun(MainForm& form, RunLog& log, bool shown, const std::function<int()>& work) {
  try {
    return work();
  } catch (const std::exception& error) {
    log.Failure(form.Translate(install::messages::kErrorCaption), form.App().ErrorText(error));
    if (shown) form.App().HandleError(error);
    return log.Exit(form.Translate(messages::kExitCode), kExitFailure);
  }
}

}  // namespace shell
