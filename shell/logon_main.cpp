// Entry of the logon program, ConfigurarCAD.exe: restrict where DLLs come
// from, then run at logon with no screen at all.
#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_system.h"
#include "shell/logon_program.h"
#include "shell/no_screen_backend.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  platform::RestrictDllSearchToSystemFolder();

  platform::Win32Platform real;
  platform::Platform& windows = real.windows;

  shell::NoScreenBackend backend;
  return shell::RunLogonProgram(backend, windows, platform::CommandLineArguments());
}
