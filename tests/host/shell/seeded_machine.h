#pragma once
// What every Windows has, with the installation medium in D:\.
#include "platform/registry.h"
#include "tests/host/install/install_fixture.h"
#include "tests/host/shell/test_windows.h"

namespace testing_support {

inline void SeedMachine(TestWindows& windows) {
  using platform::RegistryRoot;
  windows.files.AddFolder(windows.system.system_folder);
  windows.files.AddFolder("C:\\Program Files (x86)");
  windows.files.AddFolder("C:\\Users\\Usuario\\Desktop");
  windows.files.AddFolder("C:\\Users\\Usuario\\AppData\\Local");
  windows.files.AddFolder("C:\\Logs");
  windows.registry.AddKey(RegistryRoot::ClassesRoot, "CLSID");
  windows.registry.AddKey(RegistryRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
  install_testing::AddInstallationMedium(windows.files);
}

}  // namespace testing_support
