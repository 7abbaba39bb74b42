// The Win32 registry against Wine's real one, in HKCU\Software\GeolumeTests
// and in a test-only class under HKEY_CLASSES_ROOT.
#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/wide_text.h"

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
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, Widen(kTestKey).c_str(), 0, KEY_SET_VALUE, &key),
              ERROR_SUCCESS);
    RegSetValueExW(key, Widen(name).c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }

  Win32Registry registry;
};

TEST_F(Win32RegistryTest, CurrentUserValuesRoundTripWithTheirTypes) {
  ASSERT_TRUE(registry.CreateKey(kUser, "\\Software\\GeolumeTests\\Profiles\\<<Geolume>>\\General\\"));
  const std::string general = "Software\\GeolumeTests\\Profiles\\<<Geolume>>\\General";
  EXPECT_TRUE(registry.KeyExists(kUser, "SOFTWARE\\geolumetests\\PROFILES\\<<geolume>>\\general"));
  ASSERT_TRUE(registry.WriteString(kUser, general, "ACAD", "C:\\Sistema Topográfico;c:\\geolume"));
  ASSERT_TRUE(registry.WriteDword(kUser, general, "ACADLspAsDoc", 1));
  ASSERT_TRUE(registry.WriteString(kUser, general, "", "default"));

  const auto text = registry.ReadValue(kUser, general, "acad");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->type, RegistryValueType::String);
  EXPECT_EQ(text->text, "C:\\Sistema Topográfico;c:\\geolume");
  const auto number = registry.ReadValue(kUser, general, "ACADLspAsDoc");
  ASSERT_TRUE(number);
  EXPECT_EQ(number->type, RegistryValueType::Dword);
  EXPECT_EQ(number->number, 1u);
  EXPECT_EQ(registry.ReadValue(kUser, general, "")->text, "default");
  EXPECT_EQ(registry.ReadValue(kUser, general, "Missing"), std::nullopt);
  EXPECT_EQ(registry.ReadValue(kUser, general + "\\Missing", "ACAD"), std::nullopt);

  EXPECT_TRUE(registry.DeleteValue(kUser, general, "ACAD"));
  EXPECT_FALSE(registry.DeleteValue(kUser, general, "ACAD"));
  EXPECT_EQ(registry.ReadValue(kUser, general, "ACAD"), std::nullopt);
}

TEST_F(Win32RegistryTest, WritesIntoMissingKeysFailWithoutCreatingThem) {
  ASSERT_TRUE(registry.CreateKey(kUser, kTestKey));
  EXPECT_FALSE(registry.WriteString(kUser, "Software\\GeolumeTests\\Variables", "LISPSYS", "0"));
  EXPECT_FALSE(registry.WriteDword(kUser, "Software\\GeolumeTests\\Editor", "ACADLspAsDoc", 1));
  EXPECT_FALSE(registry.KeyExists(kUser, "Software\\GeolumeTests\\Variables"));
  EXPECT_FALSE(registry.KeyExists(kUser, "Software\\GeolumeTests\\Editor"));
}

TEST_F(Win32RegistryTest, SubkeysEnumerateSortedWithoutRegardToCase) {
  for (const char* name : {"b", "ACAD-8001:409", "Az", "a", "R19", "r18", "<<Perfil>>", "1"}) {
    ASSERT_TRUE(registry.CreateKey(kUser, std::string(kTestKey) + "\\Order\\" + name));
  }
  // The in-memory registry gives the same order. (Names holding one of
  // "[\\]^_`" are left out: Wine sorts them by their lower-case form, Windows
  // by the upper-case one, as the in-memory registry does.)
  const std::vector<std::string> expected{"1", "<<Perfil>>", "a", "ACAD-8001:409",
                                          "Az", "b", "r18", "R19"};
  EXPECT_EQ(registry.SubKeys(kUser, "Software\\GeolumeTests\\Order"), expected);
  EXPECT_EQ(registry.SubKeys(kUser, "Software\\GeolumeTests\\Order\\a"), std::vector<std::string>{});
  EXPECT_EQ(registry.SubKeys(kUser, "Software\\GeolumeTests\\None"), std::nullopt);
}

TEST_F(Win32RegistryTest, ValuesOfOtherTypesAreReportedAsTheyAre) {
  ASSERT_TRUE(registry.CreateKey(kUser, kTestKey));
  const std::wstring expand = L"%SystemRoot%\\geolume";
  SetRaw("Expand", REG_EXPAND_SZ, expand.c_str(), static_cast<DWORD>((expand.size() + 1) * 2));
  const BYTE blob[] = {1, 2, 0xff};
  SetRaw("Blob", REG_BINARY, blob, sizeof blob);
  const wchar_t multi[] = L"a\0b\0";
  SetRaw("Multi", REG_MULTI_SZ, multi, sizeof multi);

  const auto expanded = registry.ReadValue(kUser, kTestKey, "Expand");
  ASSERT_TRUE(expanded);
  EXPECT_EQ(expanded->type, RegistryValueType::ExpandString);
  EXPECT_EQ(expanded->text, "%SystemRoot%\\geolume");
  const auto binary = registry.ReadValue(kUser, kTestKey, "Blob");
  ASSERT_TRUE(binary);
  EXPECT_EQ(binary->type, RegistryValueType::Binary);
  EXPECT_EQ(binary->bytes, (std::vector<std::uint8_t>{1, 2, 0xff}));
  EXPECT_EQ(registry.ReadValue(kUser, kTestKey, "Multi")->type, RegistryValueType::Other);

  ASSERT_TRUE(registry.WriteDword(kUser, kTestKey, "NumStartup", 3));
  EXPECT_NE(registry.ReadValue(kUser, kTestKey, "NumStartup")->type, RegistryValueType::String);
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
