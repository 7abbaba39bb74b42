#include "platform/memory/memory_registry.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

constexpr auto kUser = RegistryRoot::CurrentUser;
constexpr auto kClasses = RegistryRoot::ClassesRoot;

TEST(MemoryRegistry, NamesCompareWithoutCaseButKeepTheirSpelling) {
  MemoryRegistry registry;
  ASSERT_TRUE(registry.CreateKey(kUser, "Software\\Autodesk\\AutoCAD\\R19.1"));
  EXPECT_TRUE(registry.KeyExists(kUser, "SOFTWARE\\autodesk\\autocad\\r19.1"));
  ASSERT_TRUE(registry.CreateKey(kUser, "software\\AUTODESK\\Other"));
  EXPECT_EQ(registry.SubKeys(kUser, "software"), std::vector<std::string>{"Autodesk"});

  ASSERT_TRUE(registry.CreateKey(kClasses, "Sistema Topográfico Çedilha"));
  EXPECT_TRUE(registry.KeyExists(kClasses, "SISTEMA TOPOGRÁFICO çEDILHA"));
  EXPECT_FALSE(registry.KeyExists(kClasses, "Sistema Topografico Cedilha"));

  ASSERT_TRUE(registry.WriteDword(kUser, "Software\\Autodesk", "ACADLspAsDoc", 1));
  ASSERT_TRUE(registry.WriteDword(kUser, "Software\\Autodesk", "ACADLSPASDOC", 2));
  EXPECT_EQ(registry.ReadValue(kUser, "software\\autodesk", "acadlspasdoc")->number, 2u);
  EXPECT_NE(registry.Export().find("\"ACADLspAsDoc\" = REG_DWORD 2"), std::string::npos);
}

TEST(MemoryRegistry, KeyPathsAcceptLeadingTrailingAndDoubledBackslashes) {
  MemoryRegistry registry;
  ASSERT_TRUE(registry.CreateKey(kClasses, "\\Arquivo CAD\\Shell\\Open\\Command\\"));
  EXPECT_TRUE(registry.KeyExists(kClasses, "Arquivo CAD\\\\Shell\\Open\\Command"));
  EXPECT_TRUE(registry.KeyExists(kClasses, ""));
  EXPECT_TRUE(registry.KeyExists(kClasses, "\\"));
  EXPECT_EQ(registry.SubKeys(kClasses, "\\"), std::vector<std::string>{"Arquivo CAD"});
}

TEST(MemoryRegistry, WritesIntoMissingKeysFailAndCreateNothing) {
  MemoryRegistry registry;
  registry.AddKey(kUser, "Software\\Autodesk");
  const auto before = registry.Export();
  EXPECT_FALSE(registry.WriteString(kUser, "Software\\Autodesk\\General", "ACAD", "x"));
  EXPECT_FALSE(registry.WriteDword(kUser, "Software\\Autodesk\\Editor Configuration", "A", 1));
  EXPECT_FALSE(registry.DeleteValue(kUser, "Software\\Autodesk\\General", "ACAD"));
  EXPECT_FALSE(registry.DeleteValue(kUser, "Software\\Autodesk", "NoSuchValue"));
  EXPECT_EQ(registry.Export(), before);
}

TEST(MemoryRegistry, DeleteKeyRemovesTheWholeSubtree) {
  MemoryRegistry registry;
  registry.SetString(kClasses, "CLSID\\{X}\\InprocServer32", "ThreadingModel", "Apartment");
  registry.SetString(kClasses, "CLSID\\{Y}", "", "y");
  EXPECT_TRUE(registry.DeleteKey(kClasses, "clsid\\{x}"));
  EXPECT_FALSE(registry.KeyExists(kClasses, "CLSID\\{X}\\InprocServer32"));
  EXPECT_EQ(registry.SubKeys(kClasses, "CLSID"), std::vector<std::string>{"{Y}"});
  EXPECT_FALSE(registry.DeleteKey(kClasses, "CLSID\\{X}"));
  EXPECT_FALSE(registry.DeleteKey(kClasses, ""));
  EXPECT_TRUE(registry.KeyExists(kClasses, "CLSID\\{Y}"));
}

TEST(MemoryRegistry, UnwritableKeysReadButRefuseEveryChange) {
  MemoryRegistry registry;
  registry.SetString(kUser, "Locked\\Inner", "Value", "old");
  registry.SetUnwritable(kUser, "Locked");
  const auto before = registry.Export();

  EXPECT_FALSE(registry.WriteString(kUser, "Locked", "Value", "new"));
  EXPECT_FALSE(registry.WriteString(kUser, "Locked\\Inner", "Value", "new"));
  EXPECT_FALSE(registry.CreateKey(kUser, "Locked\\New"));
  EXPECT_FALSE(registry.CreateKey(kUser, "Locked"));
  EXPECT_FALSE(registry.DeleteValue(kUser, "Locked\\Inner", "Value"));
  EXPECT_FALSE(registry.DeleteKey(kUser, "Locked\\Inner"));
  EXPECT_FALSE(registry.DeleteKey(kUser, "Locked"));
  EXPECT_EQ(registry.Export(), before);
  EXPECT_EQ(registry.ReadValue(kUser, "Locked\\Inner", "Value")->text, "old");
  EXPECT_TRUE(registry.KeyExists(kUser, "Locked\\Inner"));

  registry.SetUnwritable(kUser, "Locked", false);
  EXPECT_TRUE(registry.WriteString(kUser, "Locked\\Inner", "Value", "new"));
  EXPECT_THROW(registry.SetUnwritable(kUser, "Missing"), std::invalid_argument);
}

TEST(MemoryRegistry, ExportListsEveryTreeInEnumerationOrder) {
  MemoryRegistry registry;
  registry.SetString(kClasses, ".cad", "", "Arquivo CAD");
  registry.SetDword(kUser, "Software\\b", "N", 1);
  registry.SetBinary(kUser, "Software\\A", "Raw", {0x0a, 0xff});
  registry.SetExpandString(kUser, "Software\\A", "", "%x%");
  EXPECT_EQ(registry.Export(),
            "HKEY_CLASSES_ROOT\n"
            "HKEY_CLASSES_ROOT\\.cad\n"
            "  @ = REG_SZ \"Arquivo CAD\"\n"
            "HKEY_CURRENT_USER\n"
            "HKEY_CURRENT_USER\\Software\n"
            "HKEY_CURRENT_USER\\Software\\A\n"
            "  @ = REG_EXPAND_SZ \"%x%\"\n"
            "  \"Raw\" = REG_BINARY 0a ff\n"
            "HKEY_CURRENT_USER\\Software\\b\n"
            "  \"N\" = REG_DWORD 1\n"
            "HKEY_LOCAL_MACHINE\n");
}

}  // namespace
}  // namespace platform

namespace platform {
namespace {

TEST(MemoryRegistryAccounts, OnlyElevatedRunsChangeTheMachinesKeys) {
  MemoryRegistry registry;
  registry.SetString(RegistryRoot::LocalMachine, "Software\\Geolume", "Pasta", "c:\\geolume");
  registry.RunAs(StandardUser());
  const auto before = registry.Export();
  EXPECT_FALSE(registry.WriteString(RegistryRoot::LocalMachine, "Software\\Geolume", "Pasta", "c:\\x"));
  EXPECT_FALSE(registry.CreateKey(RegistryRoot::LocalMachine, "Software\\Geolume\\Novo"));
  EXPECT_FALSE(registry.DeleteValue(RegistryRoot::LocalMachine, "Software\\Geolume", "Pasta"));
  EXPECT_FALSE(registry.DeleteKey(RegistryRoot::LocalMachine, "Software\\Geolume"));
  EXPECT_EQ(registry.Export(), before);
  EXPECT_EQ(registry.ReadValue(RegistryRoot::LocalMachine, "Software\\Geolume", "Pasta")->text, "c:\\geolume");
  registry.RunAs(SystemAccount());
  EXPECT_TRUE(registry.WriteString(RegistryRoot::LocalMachine, "Software\\Geolume", "Pasta", "c:\\y"));
}

TEST(MemoryRegistryAccounts, EachAccountHasItsOwnCurrentUserHive) {
  MemoryRegistry registry;
  registry.SetString(RegistryRoot::CurrentUser, "Software\\Geolume", "Idioma", "pt");
  registry.RunAs(StandardUser());
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::CurrentUser, "Software\\Geolume"));
  ASSERT_TRUE(registry.CreateKey(RegistryRoot::CurrentUser, "Software\\Geolume"));
  ASSERT_TRUE(registry.WriteString(RegistryRoot::CurrentUser, "Software\\Geolume", "Idioma", "es"));
  registry.RunAs(SecondStandardUser());
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::CurrentUser, "Software\\Geolume"));
  registry.RunAs(ElevatedAdministrator());
  EXPECT_EQ(registry.ReadValue(RegistryRoot::CurrentUser, "Software\\Geolume", "Idioma")->text, "pt");
  registry.RunAs(StandardUser());
  EXPECT_EQ(registry.ReadValue(RegistryRoot::CurrentUser, "Software\\Geolume", "Idioma")->text, "es");
}

}  // namespace
}  // namespace platform
