#pragma once
// The real Windows, whole, as a program's entry hands it to the portable code.
#include "platform/platform.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_resources.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system.h"

namespace platform {

struct Win32Platform {
  Win32Registry registry;
  Win32FileSystem files;
  Win32Shell shell;
  Win32Processes processes;
  Win32System system;
  Win32Locale locale;
  Win32Resources resources;
  Platform windows{registry, files, shell, processes, system, locale, resources};
};

}  // namespace platform
