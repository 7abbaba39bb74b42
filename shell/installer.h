#pragma once
// The program apart from its entry point: the application object, the main
// window and the dialogs, created in order, then the message loop.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/system_menu.h"
#include "platform/platform.h"
#include "ui/backend.h"
#include "ui/form.h"

namespace shell {

// The system menu of a form's window, once the backend has made the window.
using SystemMenuOf = std::function<std::unique_ptr<ui::SystemMenu>(ui::Form&)>;

// Returns the program's exit code. The arguments are the command line's,
// without the program's own name.
int RunInstaller(ui::Backend& backend, platform::Platform& platform, const SystemMenuOf& system_menu_of = {},
                 const std::vector<std::string>& arguments = {});

}  // namespace shell
