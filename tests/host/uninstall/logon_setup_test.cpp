// The entries of Windows' per-user set-up at logon: their commands, and
// versions that rise with every change whatever the machine held before.
#include <gtest/gtest.h>

#include "platform/memory/memory_registry.h"
#include "uninstall/logon_setup.h"

namespace {

using platform::RegistryRoot;
constexpr auto kMachine = RegistryRoot::LocalMachine;
constexpr char kUninstaller[] = "C:\\Program Files (x86)\\Sistema Topográfico Geolume\\Desinstalar.exe";

std::string Value(platform::MemoryRegistry& registry, const char* key, const char* name) {
  const auto value = registry.ReadValue(kMachine, key, name);
  return value ? value->text : "(missing)";
}

TEST(LogonSetup, WithoutAConfigurationAtLogonTheUninstallLeavesNoRestore) {
  platform::MemoryRegistry registry;
  EXPECT_FALSE(uninstall::ReplaceCadSetupWithRestore(registry, kUninstaller));
  EXPECT_FALSE(registry.KeyExists(kMachine, uninstall::kCadRestoreKey));
}

TEST(LogonSetup, AVersionThatIsNoNumberCountsAsNoneAndIsReplaced) {
  for (const char* forged : {"1,0,0,x7", "1,0,0,99999999999", "", "7"}) {
    platform::MemoryRegistry registry;
    registry.SetString(kMachine, uninstall::kCadRestoreKey, "Version", forged);
    ASSERT_TRUE(uninstall::RegisterCadSetupAtLogon(registry, kUninstaller, "Geolume"));
    const std::string expected = std::string(forged) == "7" ? "1,0,0,8" : "1,0,0,1";
    EXPECT_EQ(Value(registry, uninstall::kCadSetupKey, "Version"), expected) << forged;
    EXPECT_FALSE(registry.KeyExists(kMachine, uninstall::kCadRestoreKey)) << forged;
  }
}

TEST(LogonSetup, AValueOfAnotherTypeIsNoVersion) {
  platform::MemoryRegistry registry;
  registry.SetDword(kMachine, uninstall::kCadSetupKey, "Version", 40);
  ASSERT_TRUE(uninstall::RegisterCadSetupAtLogon(registry, kUninstaller, "Geolume"));
  EXPECT_EQ(Value(registry, uninstall::kCadSetupKey, "Version"), "1,0,0,1");
  EXPECT_EQ(Value(registry, uninstall::kCadSetupKey, ""), "Geolume");
}

}  // namespace
