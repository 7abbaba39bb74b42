// GstarCAD's startup suite on the in-memory registry.
#include <gtest/gtest.h>

#include "cad/cad_error.h"
#include "cad/startup_suite.h"
#include "platform/memory/memory_registry.h"
#include "tests/host/cad/cad_profiles.h"

namespace {

using cad_testing::kUser;
using cad_testing::StringAt;

constexpr char kProfile[] = "\\SOFTWARE\\Gstarsoft\\GstarCAD\\R23\\pt-BR\\Profiles\\Default";
constexpr char kSuite[] = "\\SOFTWARE\\Gstarsoft\\GstarCAD\\R23\\pt-BR\\Profiles\\Default\\Dialogs\\Appload\\Startup";

class StartupSuite : public ::testing::Test {
 protected:
  void SetUp() override { registry.AddKey(kUser, kProfile); }
  platform::MemoryRegistry registry;
};

TEST_F(StartupSuite, MissingSuiteIsCreatedWithTheProductAsItsOnlyEntry) {
  cad::AddToStartupSuite(registry, kProfile);
  EXPECT_EQ(StringAt(registry, kSuite, "NumStartup"), "1");
  EXPECT_EQ(StringAt(registry, kSuite, "1Startup"), "c:\\geolume\\geolume15.vlx");
  const std::string once = registry.Export();
  cad::AddToStartupSuite(registry, kProfile);
  EXPECT_EQ(registry.Export(), once);
}

TEST_F(StartupSuite, ProductIsAppendedAfterTheEntriesTheCountHolds) {
  registry.SetString(kUser, kSuite, "NumStartup", "2");
  registry.SetString(kUser, kSuite, "1Startup", "d:\\a.vlx");
  registry.SetString(kUser, kSuite, "2Startup", "d:\\b.fas");
  registry.SetString(kUser, kSuite, "3Startup", "C:\\GEOLUME\\GEOLUME15.VLX");  // beyond the count
  cad::AddToStartupSuite(registry, kProfile);
  EXPECT_EQ(StringAt(registry, kSuite, "NumStartup"), "3");
  EXPECT_EQ(StringAt(registry, kSuite, "3Startup"), "c:\\geolume\\geolume15.vlx");
  EXPECT_EQ(StringAt(registry, kSuite, "2Startup"), "d:\\b.fas");
}

TEST_F(StartupSuite, ProductListedAtAnyPositionInAnyCaseAddsNothing) {
  registry.SetString(kUser, kSuite, "NumStartup", "3");
  registry.SetString(kUser, kSuite, "1Startup", "d:\\a.vlx");
  registry.SetString(kUser, kSuite, "2Startup", "C:\\Geolume\\GEOLUME15.vlx");
  registry.SetString(kUser, kSuite, "3Startup", "d:\\c.vlx");
  const std::string before = registry.Export();
  cad::AddToStartupSuite(registry, kProfile);
  EXPECT_EQ(registry.Export(), before);
}

TEST_F(StartupSuite, CountThatIsNoSmallDecimalStopsBeforeAnyWrite) {
  for (const std::string count : {"-3", "999999999", "12345", "abc", " 1", "1.0", "+2"}) {
    registry.SetString(kUser, kSuite, "NumStartup", count);
    const std::string before = registry.Export();
    try {
      cad::AddToStartupSuite(registry, kProfile);
      ADD_FAILURE() << "no error for " << count;
    } catch (const cad::CadError& error) {
      const std::string message = error.what();
      EXPECT_NE(message.find(std::string("HKEY_CURRENT_USER") + kProfile), std::string::npos) << message;
      EXPECT_NE(message.find("'" + count + "'"), std::string::npos) << message;
    }
    EXPECT_EQ(registry.Export(), before) << count;
  }
}

}  // namespace
