// Entry of the logon program, ConfigurarCAD.exe: restrict where DLLs come
// from, then run at logon with no screen at all.
#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_resources.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system.h"
#include "shell/logon_program.h"
#include "shell/no_screen_backend.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  platform::RestrictDllSearchToSystemFolder();

  platform::Win32Registry registry;
  platform::Win32FileSystem files;
  platform::Win32Shell shell_api;
  platform::Win32Processes processes;
  platform::Win32System system;
  platform::Win32Locale locale;
  platform::Win32Resources resources;
  platform::Platform windows{registry, files, shell_api, processes, system, locale, resources};

  shell::NoScreenBackend backend;
  return shell::RunLogonProgram(backend, windows, platform::CommandLineArguments());
}
