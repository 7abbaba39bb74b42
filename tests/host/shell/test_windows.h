#pragma once
// An in-memory Windows for the shell's tests: a Brazilian system, the program
// on a medium in D:\, and the program's embedded data as the build made it
// (the logon program it carries stands in as a few bytes).
#include <optional>
#include <string>

#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_locale.h"
#include "platform/memory/memory_processes.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/memory_resources.h"
#include "platform/memory/memory_shell.h"
#include "platform/memory/memory_system.h"
#include "platform/platform.h"

namespace testing_support {

// The programs' bytes as the build makes them, as far as Windows reads them
// when it starts one: each carries its manifest's execution level.
constexpr char kInstallerImage[] =
    "MZ Instalar <requestedExecutionLevel level=\"requireAdministrator\" uiAccess=\"false\"/>";
constexpr char kLogonProgramImage[] = "MZ ConfigurarCAD <requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>";

struct TestWindows {
  platform::MemoryRegistry registry;
  platform::MemoryFileSystem files;
  platform::MemoryShell shell{files};
  platform::MemoryProcesses processes;
  platform::MemorySystem system;
  platform::MemoryLocale locale;
  platform::MemoryResources resources;
  platform::Platform platform{registry, files, shell, processes, system, locale, resources};

  TestWindows() {
    processes.ReadProgramsFrom(files);
    system.program_path = "D:\\Instalar.exe";
    files.AddFile(system.program_path, kInstallerImage);
    system.versions["D:\\Instalar.exe"] = {(4u << 16) | 0u, (4u << 16) | 25u};
    locale.SetSystem(0x0416);
    resources.LoadFile("TForm1", std::string(GEOLUME_FORM_STREAMS_DIR) + "/TForm1.bin");
    resources.LoadFile("Tcontrato", std::string(GEOLUME_FORM_STREAMS_DIR) + "/Tcontrato.bin");
    resources.LoadFile("CONTRATO", std::string(GEOLUME_SOURCE_DIR) + "/resources/agreement/contrato.txt");
    // The logon program the installer carries.
    resources.Add("CONFIGURARCAD", kLogonProgramImage);
  }

  // The whole machine runs as the account from now on, as after its logon.
  void RunAs(const platform::MemoryAccount& account) {
    files.RunAs(account);
    registry.RunAs(account);
    processes.RunAs(account);
    system.RunAs(account);
  }
};

}  // namespace testing_support
