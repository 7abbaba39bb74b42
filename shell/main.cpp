// Program entry: restrict where DLLs come from, build the windows, run.
#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_system.h"
#include "shell/installer.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_system_menu.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // First of all: nothing loaded from here on may come from the medium's folder.
  platform::RestrictDllSearchToSystemFolder();
  // A long copy must not turn the window into Windows' "not responding" ghost.
  DisableProcessWindowsGhosting();

  platform::Win32Platform real;
  platform::Platform& windows = real.windows;

  ui::win32::Win32Backend backend(instance);
  return shell::RunInstaller(
      backend, windows,
      [&backend](ui::Form& form) { return std::make_unique<ui::win32::Win32SystemMenu>(backend.WindowOf(form)); },
      platform::CommandLineArguments());
}
