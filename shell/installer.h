#pragma once
// The program apart from its entry point: the application object, the main
// window and the dialogs, created in order, then the message loop.
#include "platform/platform.h"
#include "ui/backend.h"

namespace shell {

// Returns the program's exit code.
int RunInstaller(ui::Backend& backend, platform::Platform& platform);

}  // namespace shell
