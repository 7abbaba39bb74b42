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
