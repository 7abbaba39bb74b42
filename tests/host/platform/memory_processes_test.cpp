#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_processes.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_registry.h"

namespace platform {
namespace {

TEST(MemoryProcesses, StartsAreRecordedInOrderAndCanPlayTheStartedProgram) {
  MemoryProcesses processes;
  MemoryRegistry registry;
  processes.OnStart([&registry](const std::string& command_line) {
    if (command_line == "c:\\geolume\\plotsum.exe /regserver") {
      registry.AddKey(RegistryRoot::ClassesRoot, "plotsum.plotsum");
    }
  });
  EXPECT_TRUE(processes.StartHidden("c:\\geolume\\drafter.exe /regserver"));
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::ClassesRoot, "plotsum.plotsum"));
  EXPECT_TRUE(processes.StartHidden("c:\\geolume\\plotsum.exe /regserver"));
  EXPECT_TRUE(registry.KeyExists(RegistryRoot::ClassesRoot, "plotsum.plotsum"));
  EXPECT_EQ(processes.Started(), (std::vector<std::string>{"c:\\geolume\\drafter.exe /regserver",
                                                           "c:\\geolume\\plotsum.exe /regserver"}));
}

TEST(MemoryProcesses, SnapshotListsTheRunningExecutablesUnlessUnavailable) {
  MemoryProcesses processes;
  EXPECT_EQ(processes.RunningExecutables(), std::vector<std::string>{});
  processes.SetRunning({"C:\\Windows\\explorer.exe"});
  processes.AddRunning("D:\\AutoCAD\\ACAD.EXE");
  EXPECT_EQ(processes.RunningExecutables(),
            (std::vector<std::string>{"C:\\Windows\\explorer.exe", "D:\\AutoCAD\\ACAD.EXE"}));
  processes.SetSnapshotAvailable(false);
  EXPECT_EQ(processes.RunningExecutables(), std::nullopt);
}

}  // namespace
}  // namespace platform

namespace platform {
namespace {

TEST(MemoryProcessesAccounts, AProgramAskingForElevationFailsForAStandardUserWith740) {
  MemoryFileSystem files;
  files.AddFile("c:\\geolume\\Instalar.exe",
                "MZ...<requestedExecutionLevel level=\"requireAdministrator\" uiAccess=\"false\"/>");
  files.AddFile("c:\\geolume\\geolume.exe", "MZ...<requestedExecutionLevel level=\"asInvoker\"/>");
  files.AddFile("c:\\geolume\\segredo.exe", "MZ");
  files.SetAccessForTest("c:\\geolume\\segredo.exe", "D:P(A;;FA;;;BA)");
  MemoryProcesses processes;
  processes.ReadProgramsFrom(files);
  processes.RunAs(StandardUser());
  EXPECT_FALSE(processes.StartHidden("\"c:\\geolume\\Instalar.exe\" /quiet"));
  EXPECT_EQ(processes.LastError(), 740u);
  EXPECT_FALSE(processes.RunHiddenAndWait("c:\\geolume\\segredo.exe", 1000));
  EXPECT_EQ(processes.LastError(), kErrorAccessDenied);
  EXPECT_TRUE(processes.StartHidden("c:\\geolume\\geolume.exe arquivo.dwg"));
  EXPECT_EQ(processes.LastError(), 0u);
  EXPECT_TRUE(processes.StartHidden("notepad.exe"));
  EXPECT_EQ(processes.Refused(),
            (std::vector<std::string>{"\"c:\\geolume\\Instalar.exe\" /quiet", "c:\\geolume\\segredo.exe"}));
  EXPECT_EQ(processes.Started(), (std::vector<std::string>{"c:\\geolume\\geolume.exe arquivo.dwg", "notepad.exe"}));
  // The system account counts as elevated.
  processes.RunAs(SystemAccount());
  EXPECT_TRUE(processes.StartHidden("\"c:\\geolume\\Instalar.exe\" /quiet"));
}

}  // namespace
}  // namespace platform
