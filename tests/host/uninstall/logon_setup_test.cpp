// The entries of Windows' per-user set-up at logon: their commands, and
// versions that rise with every change whatever the machine held before; the
// logon program they name, and the retries it arranges for itself.
#include <gtest/gtest.h>

#include "platform/memory/memory_registry.h"
#include "tests/host/shell/test_windows.h"
#include "uninstall/logon_setup.h"
#include "uninstall/uninstall_locations.h"

namespace {

using platform::RegistryRoot;
constexpr auto kMachine = RegistryRoot::LocalMachine;
constexpr auto kUser = RegistryRoot::CurrentUser;
constexpr char kUninstaller[] = "C:\\Program Files (x86)\\Sistema Topográfico Geolume\\Desinstalar.exe";
constexpr char kLogonProgram[] = "C:\\Program Files (x86)\\Sistema Topográfico Geolume\\ConfigurarCAD.exe";

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

TEST(LogonSetup, BothEntriesNameTheLogonProgram) {
  platform::MemoryRegistry registry;
  ASSERT_TRUE(uninstall::RegisterCadSetupAtLogon(registry, kLogonProgram, "Geolume"));
  EXPECT_EQ(Value(registry, uninstall::kCadSetupKey, "StubPath"),
            "\"" + std::string(kLogonProgram) + "\" /configurecad /quiet");
  ASSERT_TRUE(uninstall::ReplaceCadSetupWithRestore(registry, kLogonProgram));
  EXPECT_EQ(Value(registry, uninstall::kCadRestoreKey, "StubPath"),
            "\"" + std::string(kLogonProgram) + "\" /uninstall /quiet");
  EXPECT_EQ(Value(registry, uninstall::kCadRestoreKey, ""), "Geolume");
}

// An installation made before the logon program existed named the
// uninstaller; its entry is still found by its key and replaced.
TEST(LogonSetup, AnOlderEntryNamingTheUninstallerIsReplacedToo) {
  platform::MemoryRegistry registry;
  ASSERT_TRUE(uninstall::RegisterCadSetupAtLogon(registry, kUninstaller, "Geolume"));
  ASSERT_TRUE(uninstall::ReplaceCadSetupWithRestore(registry, kLogonProgram));
  EXPECT_FALSE(registry.KeyExists(kMachine, uninstall::kCadSetupKey));
  EXPECT_EQ(Value(registry, uninstall::kCadRestoreKey, "StubPath"),
            "\"" + std::string(kLogonProgram) + "\" /uninstall /quiet");
}

TEST(LogonSetup, TheLogonProgramIsWrittenFromTheResourceForAdministratorsOnly) {
  testing_support::TestWindows windows;
  windows.files.AddFolder(uninstall::GroupFolder(windows.shell));
  ASSERT_TRUE(uninstall::PlaceLogonProgram(windows.platform));
  const auto written = windows.files.Inspect(uninstall::LogonProgramPath(windows.shell));
  ASSERT_TRUE(written);
  EXPECT_EQ(written->content, testing_support::kLogonProgramImage);
  EXPECT_TRUE(written->protected_access);
  EXPECT_EQ(uninstall::LogonProgramPath(windows.shell), kLogonProgram);

  // A user's logon running it does not stop a reinstallation that brings the
  // same bytes.
  windows.files.HoldOpen(kLogonProgram, platform::FileSharing::Read);
  EXPECT_TRUE(uninstall::PlaceLogonProgram(windows.platform));
  windows.files.Release(kLogonProgram);

  windows.resources.Remove("CONFIGURARCAD");
  EXPECT_FALSE(uninstall::PlaceLogonProgram(windows.platform));
}

TEST(LogonSetup, AProgramThatCannotBeProtectedIsNotPlaced) {
  testing_support::TestWindows windows;
  windows.files.AddFolder(uninstall::GroupFolder(windows.shell));
  windows.files.SetStandardUser(true);
  EXPECT_FALSE(uninstall::PlaceLogonProgram(windows.platform));
}

TEST(LogonSetup, ARetryWaitsAloneAndAFinishedRunTakesBothAway) {
  platform::MemoryRegistry registry;
  const std::string setup = "\"" + std::string(kLogonProgram) + "\" /configurecad /quiet";
  const std::string restore = "\"" + std::string(kLogonProgram) + "\" /uninstall /quiet";
  ASSERT_TRUE(uninstall::RetryAtNextLogon(registry, uninstall::kCadSetupRetry, setup));
  EXPECT_EQ(registry.ReadValue(kUser, uninstall::kRunOnceKey, uninstall::kCadSetupRetry)->text, setup);
  // A restore that must come again supersedes a configuration still waiting,
  // and the other way round.
  ASSERT_TRUE(uninstall::RetryAtNextLogon(registry, uninstall::kCadRestoreRetry, restore));
  EXPECT_FALSE(registry.ReadValue(kUser, uninstall::kRunOnceKey, uninstall::kCadSetupRetry));
  EXPECT_EQ(registry.ReadValue(kUser, uninstall::kRunOnceKey, uninstall::kCadRestoreRetry)->text, restore);
  ASSERT_TRUE(uninstall::RetryAtNextLogon(registry, uninstall::kCadSetupRetry, setup));
  EXPECT_FALSE(registry.ReadValue(kUser, uninstall::kRunOnceKey, uninstall::kCadRestoreRetry));

  registry.SetString(kUser, uninstall::kRunOnceKey, "OtherProgram", "other.exe");
  uninstall::ForgetRetries(registry);
  EXPECT_FALSE(registry.ReadValue(kUser, uninstall::kRunOnceKey, uninstall::kCadSetupRetry));
  EXPECT_FALSE(registry.ReadValue(kUser, uninstall::kRunOnceKey, uninstall::kCadRestoreRetry));
  EXPECT_TRUE(registry.ReadValue(kUser, uninstall::kRunOnceKey, "OtherProgram"));
}

}  // namespace
