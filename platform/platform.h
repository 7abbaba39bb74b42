#pragma once
// Everything the program asks of Windows, gathered so that the portable code
// receives one object: the real Windows in the program, an in-memory one in tests.
#include "platform/file_system.h"
#include "platform/locale.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/resources.h"
#include "platform/shell.h"
#include "platform/system.h"

namespace platform {

struct Platform {
  Registry& registry;
  FileSystem& files;
  Shell& shell;
  Processes& processes;
  System& system;
  Locale& locale;
  Resources& resources;
};

}  // namespace platform
