// Program entry: restrict where DLLs come from, build the windows, run.
#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/win32_file_system.h"
#if __has_include("platform/win32/win32_locale.h")
#include "platform/win32/win32_locale.h"
#define GEOLUME_HAVE_LOCALE 1
#endif
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_registry.h"
#if __has_include("platform/win32/win32_resources.h")
#include "platform/win32/win32_resources.h"
#endif
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system.h"
#include "shell/installer.h"
#include "ui/win32/win32_backend.h"

#ifndef GEOLUME_HAVE_LOCALE
namespace platform {
struct Win32Locale : Locale {
  std::uint32_t SystemDefaultLocale() override { return GetSystemDefaultLCID(); }
  std::uint32_t UserDefaultLocale() override { return GetUserDefaultLCID(); }
  std::uint32_t AnsiCodePage() override { return GetACP(); }
  bool IsCodePageInstalled(std::uint32_t) override { return true; }
  std::optional<std::string> LocaleInfo(std::uint32_t, std::uint32_t) override { return {}; }
  std::optional<std::uint32_t> FontSignatureCodePages(std::uint32_t) override { return {}; }
  void SetThreadLocale(std::uint32_t) override {}
  bool IsDoubleByteSystem() override { return false; }
};
struct Win32Resources : Resources {
  std::optional<std::string> RcData(const std::string&) override { return {}; }
};
}  // namespace platform
#endif

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
  return shell::RunInstaller(backend, windows);
}
