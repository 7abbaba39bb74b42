// The registry operations and the key search, on the in-memory registry.
#include <gtest/gtest.h>

#include "cad/cad_error.h"
#include "cad/cad_registry.h"
#include "cad/key_search.h"
#include "platform/memory/memory_registry.h"
#include "tests/host/cad/cad_profiles.h"

namespace {

using cad_testing::kUser;

TEST(CadRegistry, ReadsTextOfBothStringKindsAndEmptyForWhatIsMissing) {
  platform::MemoryRegistry registry;
  registry.SetString(kUser, "Software\\Host", "Plain", "C:\\a;C:\\b");
  registry.SetExpandString(kUser, "Software\\Host", "Expand", "%APPDATA%\\x");
  EXPECT_EQ(cad::ReadRegString(registry, "\\Software\\Host", "plain"), "C:\\a;C:\\b");
  EXPECT_EQ(cad::ReadRegString(registry, "Software\\Host", "Expand"), "%APPDATA%\\x");
  EXPECT_EQ(cad::ReadRegString(registry, "Software\\Host", "Absent"), "");
  EXPECT_EQ(cad::ReadRegString(registry, "Software\\NoSuchKey", "Plain"), "");
}

TEST(CadRegistry, ValueThatIsNoTextIsAnErrorNamingKeyAndValue) {
  platform::MemoryRegistry registry;
  registry.SetDword(kUser, "Software\\Host\\General", "ACAD", 7);
  registry.SetBinary(kUser, "Software\\Host\\General", "GCAD", {1, 2});
  try {
    cad::ReadRegString(registry, "\\Software\\Host\\General", "ACAD");
    FAIL() << "no error";
  } catch (const cad::CadError& error) {
    EXPECT_NE(std::string(error.what()).find("'ACAD'"), std::string::npos) << error.what();
    EXPECT_NE(std::string(error.what()).find("HKEY_CURRENT_USER\\Software\\Host\\General"),
              std::string::npos)
        << error.what();
  }
  EXPECT_THROW(cad::ReadRegString(registry, "Software\\Host\\General", "GCAD"), cad::CadError);
}

TEST(CadRegistry, WritesNeverCreateKeysAndSayWhenTheyFail) {
  platform::MemoryRegistry registry;
  registry.AddKey(kUser, "Software\\Host");
  EXPECT_FALSE(cad::WriteRegString(registry, "Software\\Host\\Variables", "LISPSYS", "0"));
  EXPECT_FALSE(cad::WriteRegInteger(registry, "Software\\Host\\Variables", "ACADLspAsDoc", 1));
  EXPECT_FALSE(registry.KeyExists(kUser, "Software\\Host\\Variables"));
  EXPECT_THROW(cad::RequireRegInteger(registry, "Software\\Host\\Variables", "ACADLspAsDoc", 1),
               cad::CadError);

  EXPECT_TRUE(cad::CreateRegKey(registry, "\\Software\\Host\\Dialogs\\Appload\\Startup"));
  EXPECT_TRUE(cad::WriteRegString(registry, "Software\\Host\\Dialogs\\Appload\\Startup", "NumStartup", "1"));
  EXPECT_EQ(cad_testing::StringAt(registry, "Software\\Host\\Dialogs\\Appload\\Startup", "NumStartup"), "1");
}

class KeySearch : public ::testing::Test {
 protected:
  void SetUp() override {
    registry.AddKey(kUser, "S\\a\\match1\\MATCH2");
    registry.AddKey(kUser, "S\\a\\other\\deep match");
    registry.AddKey(kUser, "S\\b MATCH3");
  }
  std::vector<std::string> Find(const std::string& start, const std::string& text) {
    return cad::FindKeys(registry, kUser, start, text);
  }
  platform::MemoryRegistry registry;
};

TEST_F(KeySearch, MatchesComeInPreOrderFromEveryBranch) {
  const std::vector<std::string> expected = {"\\S\\a\\match1", "\\S\\a\\match1\\MATCH2",
                                             "\\S\\a\\other\\deep match", "\\S\\b MATCH3"};
  EXPECT_EQ(Find("S", "Match"), expected);
}

TEST_F(KeySearch, StartKeyIsNormalisedAndAnEmptyTextMatchesEveryKey) {
  EXPECT_EQ(Find("S\\", "match"), Find("\\S", "match"));
  const std::vector<std::string> every = {"\\S\\a",       "\\S\\a\\match1", "\\S\\a\\match1\\MATCH2",
                                          "\\S\\a\\other", "\\S\\a\\other\\deep match",
                                          "\\S\\b MATCH3"};
  EXPECT_EQ(Find("\\S\\", ""), every);
  EXPECT_EQ(Find("\\", "match2"), std::vector<std::string>{"\\S\\a\\match1\\MATCH2"});
  EXPECT_EQ(Find("", "b match"), std::vector<std::string>{"\\S\\b MATCH3"});
  EXPECT_TRUE(Find("Software\\Nothing", "").empty());
}

}  // namespace
