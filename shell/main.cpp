// Program entry: restrict where DLLs come from, build the windows, run.
#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_resources.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system.h"
#include "shell/installer.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_system_menu.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // First of all: nothing loaded from here on may come from the medium's folder.
  platform::RestrictDllSearchToSystemFolder();
  // A long copy must not turn the window into Windows' "not responding" ghost.
  DisableProcessWindowsGhosting();

  platform::Win32Registry registry;
  platform::Win32FileSystem files;
  platform::Win32Shell shell_api;
  platform::Win32Processes processes;
  platform::Win32System system;
  platform::Win32Locale locale;
  platform::Win32Resources resources;
  platform::Platform windows{registry, files, shell_api, processes, system, locale, resources};

  ui::win32::Win32Backend backend(instance);
  return shell::RunInstaller(
      backend, windows,
      [&backend](ui::Form& form) { return std::make_unique<ui::win32::Win32SystemMenu>(backend.WindowOf(form)); },
      platform::CommandLineArguments());
}
