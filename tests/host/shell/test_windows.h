#pragma once
// An in-memory Windows for the shell's tests, with the main window's medium.
#include <optional>
#include <string>

#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_processes.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/memory_shell.h"
#include "platform/memory/memory_system.h"
#include "platform/platform.h"

namespace testing_support {

class NoLocale : public platform::Locale {
 public:
  std::uint32_t SystemDefaultLocale() override { return 0x0416; }
  std::uint32_t UserDefaultLocale() override { return 0x0416; }
  std::uint32_t AnsiCodePage() override { return 1252; }
  bool IsCodePageInstalled(std::uint32_t) override { return true; }
  std::optional<std::string> LocaleInfo(std::uint32_t, std::uint32_t) override { return std::nullopt; }
  std::optional<std::uint32_t> FontSignatureCodePages(std::uint32_t) override { return std::nullopt; }
  void SetThreadLocale(std::uint32_t) override {}
  bool IsDoubleByteSystem() override { return false; }
};

class NoResources : public platform::Resources {
 public:
  std::optional<std::string> RcData(const std::string&) override { return std::nullopt; }
};

struct TestWindows {
  platform::MemoryRegistry registry;
  platform::MemoryFileSystem files;
  platform::MemoryShell shell{files};
  platform::MemoryProcesses processes;
  platform::MemorySystem system;
  NoLocale locale;
  NoResources resources;
  platform::Platform platform{registry, files, shell, processes, system, locale, resources};

  TestWindows() {
    system.program_path = "D:\\Instalar.exe";
    system.versions["D:\\Instalar.exe"] = {(4u << 16) | 0u, (4u << 16) | 25u};
  }
};

}  // namespace testing_support
