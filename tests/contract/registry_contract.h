#pragma once
// What every Registry promises, written once and run against each Windows.
// The tests keep under one key of HKEY_CURRENT_USER. The environment type offers:
//   Registry& registry();
//   std::string root();  // that key's path, missing when the test starts
//   // Values of types the interface does not write, as another program would set them:
//   void SetExpandString(const std::string& key, const std::string& name, const std::string& text);
//   void SetBinary(const std::string& key, const std::string& name, const std::vector<std::uint8_t>& bytes);
//   bool UnderWine();
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "tests/contract/environment.h"

namespace platform::contract {

inline constexpr auto kUser = RegistryRoot::CurrentUser;

template <typename Environment>
class RegistryContract : public ::testing::Test {
 protected:
  std::string Key(const std::string& relative) { return environment.root() + "\\" + relative; }

  Environment environment;
  Registry& registry = environment.registry();
};

TYPED_TEST_SUITE_P(RegistryContract);

TYPED_TEST_P(RegistryContract, KeyAndValueNamesIgnoreCaseAndKeepTheirSpelling) {
  auto& registry = this->registry;
  ASSERT_TRUE(registry.CreateKey(kUser, this->Key("Autodesk\\AutoCAD\\R19.1")));
  EXPECT_TRUE(registry.KeyExists(kUser, this->Key("AUTODESK\\autocad\\r19.1")));
  ASSERT_TRUE(registry.CreateKey(kUser, this->Key("autodesk\\AUTOCAD\\Other")));
  EXPECT_EQ(registry.SubKeys(kUser, this->environment.root()),
            std::vector<std::string>{"Autodesk"});
  EXPECT_EQ(registry.SubKeys(kUser, this->Key("AUTODESK\\AUTOCAD")),
            (std::vector<std::string>{"Other", "R19.1"}));

  ASSERT_TRUE(registry.CreateKey(kUser, this->Key("Sistema Topográfico Çedilha")));
  EXPECT_TRUE(registry.KeyExists(kUser, this->Key("SISTEMA TOPOGRÁFICO çEDILHA")));
  EXPECT_FALSE(registry.KeyExists(kUser, this->Key("Sistema Topografico Cedilha")));

  const auto key = this->Key("Autodesk");
  ASSERT_TRUE(registry.WriteDword(kUser, key, "ACADLspAsDoc", 1));
  ASSERT_TRUE(registry.WriteDword(kUser, key, "ACADLSPASDOC", 2));
  EXPECT_EQ(registry.ReadValue(kUser, this->Key("AUTODESK"), "acadlspasdoc")->number, 2u);
  ASSERT_TRUE(registry.WriteString(kUser, key, "Caminho Topográfico", "c:\\geolume"));
  EXPECT_EQ(registry.ReadValue(kUser, key, "CAMINHO TOPOGRÁFICO")->text, "c:\\geolume");
  EXPECT_TRUE(registry.DeleteValue(kUser, key, "acadLSPasDOC"));
  EXPECT_EQ(registry.ReadValue(kUser, key, "ACADLspAsDoc"), std::nullopt);
  EXPECT_EQ(registry.ValueNames(kUser, this->Key("AUTODESK")), std::vector<std::string>{"Caminho Topográfico"});
}

TYPED_TEST_P(RegistryContract, SubkeysEnumerateSortedWithoutRegardToCase) {
  auto& registry = this->registry;
  for (const char* name : {"b", "ACAD-8001:409", "Az", "a", "R19", "r18", "<<Perfil>>", "1", "A_",
                           "[x]", "Çedilha", "Zeta"}) {
    ASSERT_TRUE(registry.CreateKey(kUser, this->Key(std::string("Order\\") + name))) << name;
  }
  // Windows compares the upper-case forms, so "_" and "[" (which stand
  // between the upper- and the lower-case letters) come after the letters.
  std::vector<std::string> expected{"1", "<<Perfil>>", "a", "ACAD-8001:409", "Az", "A_",
                                    "b", "r18", "R19", "Zeta", "[x]", "Çedilha"};
  if (this->environment.UnderWine()) {
    // Wine compares the lower-case forms, which puts them before the letters.
    expected = {"1", "<<Perfil>>", "[x]", "a", "A_", "ACAD-8001:409",
                "Az", "b", "r18", "R19", "Zeta", "Çedilha"};
  }
  EXPECT_EQ(registry.SubKeys(kUser, this->Key("ORDER")), expected);
  EXPECT_EQ(registry.SubKeys(kUser, this->Key("Order\\a")), std::vector<std::string>{});
}

TYPED_TEST_P(RegistryContract, ValuesKeepTheTypeTheyWereWrittenWith) {
  auto& registry = this->registry;
  const auto key = this->Key("Profiles\\<<Geolume>>\\General");
  ASSERT_TRUE(registry.CreateKey(kUser, key));
  ASSERT_TRUE(registry.WriteString(kUser, key, "ACAD", "C:\\Sistema Topográfico;c:\\geolume"));
  ASSERT_TRUE(registry.WriteDword(kUser, key, "ACADLspAsDoc", 1));
  ASSERT_TRUE(registry.WriteDword(kUser, key, "Largest", 0xFFFFFFFFu));
  ASSERT_TRUE(registry.WriteString(kUser, key, "", "default"));
  ASSERT_TRUE(registry.WriteString(kUser, key, "Empty", ""));

  const auto text = registry.ReadValue(kUser, key, "ACAD");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->type, RegistryValueType::String);
  EXPECT_EQ(text->text, "C:\\Sistema Topográfico;c:\\geolume");
  const auto number = registry.ReadValue(kUser, key, "ACADLspAsDoc");
  ASSERT_TRUE(number);
  EXPECT_EQ(number->type, RegistryValueType::Dword);
  EXPECT_EQ(number->number, 1u);
  EXPECT_EQ(number->text, "");
  EXPECT_EQ(registry.ReadValue(kUser, key, "Largest")->number, 0xFFFFFFFFu);
  EXPECT_EQ(registry.ReadValue(kUser, key, "")->text, "default");
  const auto empty = registry.ReadValue(kUser, key, "Empty");
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->type, RegistryValueType::String);
  EXPECT_EQ(empty->text, "");

  // Writing a name again with the other type replaces the type: the reader
  // that expects a string must see a number.
  ASSERT_TRUE(registry.WriteString(kUser, key, "ACADLspAsDoc", "1"));
  EXPECT_EQ(registry.ReadValue(kUser, key, "ACADLspAsDoc")->type, RegistryValueType::String);
  ASSERT_TRUE(registry.WriteDword(kUser, key, "ACAD", 7));
  const auto replaced = registry.ReadValue(kUser, key, "ACAD");
  EXPECT_EQ(replaced->type, RegistryValueType::Dword);
  EXPECT_EQ(replaced->number, 7u);

  // Types the installer never writes come back as they are, unexpanded.
  this->environment.SetExpandString(key, "Expand", "%SystemRoot%\\geolume");
  this->environment.SetBinary(key, "Blob", {1, 2, 0xff});
  const auto expand = registry.ReadValue(kUser, key, "expand");
  ASSERT_TRUE(expand);
  EXPECT_EQ(expand->type, RegistryValueType::ExpandString);
  EXPECT_EQ(expand->text, "%SystemRoot%\\geolume");
  const auto binary = registry.ReadValue(kUser, key, "BLOB");
  ASSERT_TRUE(binary);
  EXPECT_EQ(binary->type, RegistryValueType::Binary);
  EXPECT_EQ(binary->bytes, (std::vector<std::uint8_t>{1, 2, 0xff}));

  // Every value is listed, the default one as "", whatever its type.
  auto names = registry.ValueNames(kUser, key);
  ASSERT_TRUE(names);
  std::sort(names->begin(), names->end());
  EXPECT_EQ(*names, (std::vector<std::string>{"", "ACAD", "ACADLspAsDoc", "Blob", "Empty", "Expand", "Largest"}));
}

TYPED_TEST_P(RegistryContract, MissingKeysAndValuesReadAsAbsentAndAreNotCreatedByWrites) {
  auto& registry = this->registry;
  const auto root = this->environment.root();
  EXPECT_FALSE(registry.KeyExists(kUser, root));
  ASSERT_TRUE(registry.CreateKey(kUser, root));
  EXPECT_EQ(registry.SubKeys(kUser, root), std::vector<std::string>{});
  EXPECT_EQ(registry.SubKeys(kUser, this->Key("None")), std::nullopt);
  EXPECT_EQ(registry.ValueNames(kUser, root), std::vector<std::string>{});
  EXPECT_EQ(registry.ValueNames(kUser, this->Key("None")), std::nullopt);
  EXPECT_EQ(registry.ReadValue(kUser, this->Key("None"), "ACAD"), std::nullopt);
  EXPECT_EQ(registry.ReadValue(kUser, root, "Missing"), std::nullopt);
  EXPECT_EQ(registry.ReadValue(kUser, root, ""), std::nullopt);  // no default value set

  EXPECT_FALSE(registry.WriteString(kUser, this->Key("Variables"), "LISPSYS", "0"));
  EXPECT_FALSE(registry.WriteDword(kUser, this->Key("Editor"), "ACADLspAsDoc", 1));
  EXPECT_FALSE(registry.KeyExists(kUser, this->Key("Variables")));
  EXPECT_FALSE(registry.KeyExists(kUser, this->Key("Editor")));
  EXPECT_FALSE(registry.DeleteValue(kUser, root, "Missing"));
  EXPECT_FALSE(registry.DeleteValue(kUser, this->Key("None"), "ACAD"));
  EXPECT_FALSE(registry.DeleteKey(kUser, this->Key("None")));
  EXPECT_EQ(registry.SubKeys(kUser, root), std::vector<std::string>{});
}

TYPED_TEST_P(RegistryContract, KeysAreMadeWithTheirParentsAndDeletedWithTheirSubtree) {
  auto& registry = this->registry;
  const auto root = this->environment.root();
  // A leading, a trailing and a doubled backslash change nothing.
  ASSERT_TRUE(registry.CreateKey(kUser, "\\" + root + "\\Profiles\\<<Geolume>>\\General\\"));
  EXPECT_TRUE(registry.KeyExists(kUser, root + "\\Profiles\\\\<<Geolume>>\\General"));
  EXPECT_TRUE(registry.CreateKey(kUser, root + "\\Profiles\\<<Geolume>>"));
  ASSERT_TRUE(registry.WriteString(kUser, this->Key("Profiles\\<<Geolume>>\\General"), "ACAD",
                                   "c:\\geolume"));
  ASSERT_TRUE(registry.CreateKey(kUser, this->Key("Kept")));

  EXPECT_TRUE(registry.DeleteKey(kUser, this->Key("PROFILES")));
  EXPECT_FALSE(registry.KeyExists(kUser, this->Key("Profiles\\<<Geolume>>\\General")));
  EXPECT_FALSE(registry.KeyExists(kUser, this->Key("Profiles")));
  EXPECT_EQ(registry.SubKeys(kUser, root), std::vector<std::string>{"Kept"});
  EXPECT_FALSE(registry.DeleteKey(kUser, this->Key("Profiles")));
  // A whole root is never deleted.
  EXPECT_FALSE(registry.DeleteKey(kUser, ""));
  EXPECT_FALSE(registry.DeleteKey(kUser, "\\"));
  EXPECT_TRUE(registry.KeyExists(kUser, this->Key("Kept")));
}

REGISTER_TYPED_TEST_SUITE_P(RegistryContract,
                            KeyAndValueNamesIgnoreCaseAndKeepTheirSpelling,
                            SubkeysEnumerateSortedWithoutRegardToCase,
                            ValuesKeepTheTypeTheyWereWrittenWith,
                            MissingKeysAndValuesReadAsAbsentAndAreNotCreatedByWrites,
                            KeysAreMadeWithTheirParentsAndDeletedWithTheirSubtree);

}  // namespace platform::contract
