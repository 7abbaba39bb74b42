// The Win32 registry against Wine's real one, in HKCU\Software\GeolumeTests
// and in a test-only class under HKEY_CLASSES_ROOT.
#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/windows/platform/raw_registry_value.h"

namespace platform {
namespace {

constexpr auto kUser = RegistryRoot::CurrentUser;
constexpr auto kClasses = RegistryRoot::ClassesRoot;
constexpr char kTestKey[] = "Software\\GeolumeTests";

class Win32RegistryTest : public ::testing::Test {
 protected:
  ~Win32RegistryTest() override {
    registry.DeleteKey(kUser, kTestKey);
    registry.DeleteKey(kClasses, ".geolumetest");
    registry.DeleteKey(kClasses, "Arquivo GEOLUMETEST");
  }

  void SetRaw(const std::string& name, DWORD type, const void* data, DWORD size) {
    ASSERT_TRUE(SetRawValue(kTestKey, name, type, data, size)) << name;
  }

  Win32Registry registry;
};

// Strings, numbers, expandable strings and binary values are the contract's
// (tests/contract/registry_contract.h); a type with no name of its own stays raw.
TEST_F(Win32RegistryTest, ValuesOfOtherTypesAreReportedAsTheyAre) {
  ASSERT_TRUE(registry.CreateKey(kUser, kTestKey));
  const wchar_t multi[] = L"a\0b\0";
  SetRaw("Multi", REG_MULTI_SZ, multi, sizeof multi);
  const auto value = registry.ReadValue(kUser, kTestKey, "Multi");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, RegistryValueType::Other);
  EXPECT_EQ(value->bytes.size(), sizeof multi);
}

TEST_F(Win32RegistryTest, ClassesRootKeysRoundTripAndDeleteAsATree) {
  ASSERT_TRUE(registry.CreateKey(kClasses, "\\.geolumetest"));
  ASSERT_TRUE(registry.WriteString(kClasses, "\\.geolumetest", "", "Arquivo GEOLUMETEST"));
  ASSERT_TRUE(registry.CreateKey(kClasses, "\\Arquivo GEOLUMETEST\\Shell\\Open\\Command\\"));
  ASSERT_TRUE(registry.WriteString(kClasses, "\\Arquivo GEOLUMETEST\\Shell\\Open\\Command\\", "",
                                   "c:\\geolume\\geolume.exe %1"));
  EXPECT_EQ(registry.ReadValue(kClasses, ".GEOLUMETEST", "")->text, "Arquivo GEOLUMETEST");
  EXPECT_EQ(registry.ReadValue(kClasses, "arquivo geolumetest\\shell\\open\\command", "")->text,
            "c:\\geolume\\geolume.exe %1");

  EXPECT_FALSE(registry.DeleteKey(kClasses, ""));
  EXPECT_TRUE(registry.KeyExists(kClasses, ".geolumetest"));
  EXPECT_TRUE(registry.DeleteKey(kClasses, "Arquivo GEOLUMETEST"));
  EXPECT_FALSE(registry.KeyExists(kClasses, "Arquivo GEOLUMETEST\\Shell"));
  EXPECT_FALSE(registry.DeleteKey(kClasses, "Arquivo GEOLUMETEST"));
}

}  // namespace
}  // namespace platform
