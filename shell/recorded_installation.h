#pragma once
// The installation as every way of running it does it: each change into the
// machine's record as it is made and, once complete, the way back out in
// Windows' list of programs. The window and the unattended run differ only in
// how they show it.
#include <functional>

#include "install/installation_context.h"
#include "install/installation_run.h"
#include "shell/main_form.h"

namespace shell {

using ShowInstallationMessage = std::function<void(const install::InstallationMessage&)>;

// The run's context in the main window's language, on the given platform.
install::InstallationContext InstallationContextOf(MainForm& form, platform::Platform& windows,
                                                   install::InstallationProgress& progress,
                                                   ShowInstallationMessage show_message);

// A registration with Windows that fails is said through show_message; the
// installation stands.
install::InstallationOutcome InstallWithRecord(MainForm& form, install::InstallationProgress& progress,
                                               const ShowInstallationMessage& show_message);

}  // namespace shell
