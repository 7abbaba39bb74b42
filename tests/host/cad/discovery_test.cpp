// Finding the host profiles and the lines they show in the CAD list.
#include <gtest/gtest.h>

#include "cad/cad_error.h"
#include "cad/profile_discovery.h"
#include "cad/profile_display_text.h"
#include "platform/memory/memory_registry.h"
#include "tests/host/cad/cad_profiles.h"

namespace {

using cad_testing::kUser;
using Paths = std::vector<std::string>;

constexpr char kAutoCad[] = "\\Software\\Autodesk\\AutoCAD\\";

TEST(AutoCadDiscovery, KeepsUserProfilesOnlyWhileOthersRemain) {
  platform::MemoryRegistry registry;
  const std::string base = std::string(kAutoCad) + "R18.2\\ACAD-A001:416\\";
  registry.AddKey(kUser, base + "FixedProfile\\Editor Configuration");
  registry.AddKey(kUser, base + "Profiles\\<<Unnamed Profile>>\\Editor Configuration");
  registry.AddKey(kUser, base + "Profiles\\aecProfile Arq\\Editor Configuration");
  registry.AddKey(kUser, std::string(kAutoCad) + "R14.0\\ACAD-1\\Profiles\\p\\Editor Configuration");
  registry.AddKey(kUser, std::string(kAutoCad) + "R24.0\\ACAD-2\\Editor Configuration");
  EXPECT_EQ(cad::FindAutoCadProfiles(registry),
            Paths{base + "Profiles\\<<Unnamed Profile>>\\Editor Configuration"});
}

TEST(AutoCadDiscovery, NeverFiltersDownToNothing) {
  platform::MemoryRegistry registry;
  const std::string lone = std::string(kAutoCad) + "R24.0\\ACAD-1\\FixedProfile\\Editor Configuration";
  registry.AddKey(kUser, lone);
  EXPECT_EQ(cad::FindAutoCadProfiles(registry), Paths{lone});

  // Examined from the last: of two unsuitable entries the first stays.
  const std::string later = std::string(kAutoCad) + "R24.0\\ACAD-1\\R14 Editor Configuration";
  registry.AddKey(kUser, later);
  EXPECT_EQ(cad::FindAutoCadProfiles(registry), Paths{lone});
}

TEST(AutoCadDiscovery, FindsTheKeyInAnyLetterCaseAndInsideLongerNames) {
  platform::MemoryRegistry registry;
  const std::string profiles = std::string(kAutoCad) + "R19.1\\ACAD-D001:409\\Profiles\\";
  registry.AddKey(kUser, profiles + "a\\EDITOR configuration");
  registry.AddKey(kUser, profiles + "b\\Old Editor Configuration");
  const auto found = cad::FindAutoCadProfiles(registry);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(cad::ProfileKeyPath(found[0]), profiles + "a");
  EXPECT_EQ(cad::ProfileKeyPath(found[1]), profiles + "b\\Old");
}

TEST(ProfileKeyPath, CutsTwentyOneCharactersNotBytes) {
  EXPECT_EQ(cad::ProfileKeyPath("\\P\\Editor Configuration"), "\\P");
  EXPECT_EQ(cad::ProfileKeyPath("\\Perfil Técnico\\Editor Configuraçãoo"), "\\Perfil Técnico");
  EXPECT_EQ(cad::ProfileKeyPath("Editor Configuration"), "");
  EXPECT_EQ(cad::ProfileKeyPath(""), "");
}

TEST(OtherHostsDiscovery, BricsCadTakesConfigKeysAndGstarCadDropsFixedProfiles) {
  platform::MemoryRegistry registry;
  const auto brics = cad_testing::AddBricsCadProfile(registry, "V23x64\\pt_BR", "Default", "");
  const std::string gstar = "\\SOFTWARE\\Gstarsoft\\GstarCAD\\R23\\pt-BR\\";
  registry.AddKey(kUser, gstar + "FixedProfile\\Editor Configuration");
  registry.AddKey(kUser, gstar + "Profiles\\fixedprofile\\Editor Configuration");
  EXPECT_EQ(cad::FindBricsCadProfiles(registry), Paths{brics});
  EXPECT_EQ(cad::FindGstarCadProfiles(registry),
            Paths{gstar + "Profiles\\fixedprofile\\Editor Configuration"});
}

TEST(CadProfiles, ComeInListOrderWithTheirProfileKeys) {
  platform::MemoryRegistry registry;
  const auto gstar = cad_testing::AddGstarCadProfile(registry, "R23", "Default", "");
  const auto brics = cad_testing::AddBricsCadProfile(registry, "V23x64", "Default", "");
  const auto first = cad_testing::AddAutoCadProfile(registry, "R18.2\\ACAD-1", "a");
  const auto second = cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-2", "b");
  const auto profiles = cad::FindCadProfiles(registry);
  ASSERT_EQ(profiles.size(), 4u);
  EXPECT_EQ(profiles[0].host, cad::CadHost::AutoCad);
  EXPECT_EQ(profiles[0].keyPath, first);
  EXPECT_EQ(profiles[1].keyPath, second);
  EXPECT_EQ(profiles[2].host, cad::CadHost::BricsCad);
  EXPECT_EQ(profiles[2].keyPath, brics);
  EXPECT_EQ(profiles[3].host, cad::CadHost::GstarCad);
  EXPECT_EQ(profiles[3].keyPath, gstar);
}

TEST(AutoCadLine, NamesTheReleaseFolderAndTheBracketedProfile) {
  EXPECT_EQ(cad::AutoCadDisplayText("\\x\\Profiles\\<<B>>", "c:\\p\\AutoCAD A\\support;d:\\s"),
            "AUTOCAD A <<B>>");
  EXPECT_EQ(cad::AutoCadDisplayText("\\x\\Profiles\\Topo", "c:\\p\\AutoCAD A\\support"), "AUTOCAD A");
  EXPECT_EQ(cad::AutoCadDisplayText("\\x\\<<Unnamed Profile>>", ""), " <<Unnamed Profile>>");
  EXPECT_EQ(cad::AutoCadDisplayText("\\x\\Topo", ""), "");
  EXPECT_EQ(cad::AutoCadDisplayText("\\x\\Topo", "c:\\suporte;d:\\lisp"), "C:\\SUPORTE;D:\\LISP");
  // Only a-z become capitals.
  EXPECT_EQ(cad::AutoCadDisplayText("\\x", "c:\\autocad ção\\s"), "AUTOCAD çãO");
}

TEST(AutoCadLine, LengthsTakenFromPositionsStayInRange) {
  const std::string long_name(150, 'x');
  EXPECT_EQ(cad::AutoCadDisplayText("\\x", "c:\\autocad" + long_name),
            "AUTOCAD" + std::string(93, 'X'));
  // ">>" before "<<": a length of nothing, or of less than the rest.
  EXPECT_EQ(cad::AutoCadDisplayText(">>\\<<B", "c:\\autocad a"), "AUTOCAD A ");
  EXPECT_EQ(cad::AutoCadDisplayText("\\x>>yz<<abcdef", "c:\\autocad a"), "AUTOCAD A <");
  // Positions count characters: "é" is one.
  EXPECT_EQ(cad::AutoCadDisplayText("\\éé>>x<<abcdef", "c:\\autocad a"), "AUTOCAD A <<");
}

TEST(BricsCadLine, NamesTheTwoFoldersAfterBricsCadAndTheProfile) {
  EXPECT_EQ(cad::BricsCadDisplayText("\\Software\\Bricsys\\BricsCAD\\a\\b\\Profiles\\c\\Config"),
            "BRICSCAD A - c");
  EXPECT_EQ(cad::BricsCadDisplayText("\\Software\\Bricsys\\BricsCAD\\V23x64\\pt_BR\\Config"),
            "BRICSCAD V23X64");
  EXPECT_EQ(cad::BricsCadDisplayText("\\Software\\Bricsys\\BricsCAD\\v\\Profiles\\Perfil"),
            "BRICSCAD V - ");
  EXPECT_EQ(cad::BricsCadDisplayText("\\Software\\Bricsys\\BricsCAD\\Config"), "CONFIG");
  EXPECT_EQ(cad::BricsCadDisplayText("\\Software\\Bricsys\\Config"), "\\SOFTWARE\\BRICSYS\\CONFIG");
}

TEST(GstarCadLine, JoinsTheFolderAfterGstarCadToIt) {
  EXPECT_EQ(cad::GstarCadDisplayText("c:\\x\\GstarCAD\\a\\b\\c;d:\\e"), "GSTARCAD A");
  EXPECT_EQ(cad::GstarCadDisplayText("c:\\x\\GstarCAD\\R23"), "GSTARCAD R23");
  const std::string rest(150, 'r');
  EXPECT_EQ(cad::GstarCadDisplayText("c:\\x\\gstarcad" + rest), "GSTARCAD" + std::string(92, 'R'));
  EXPECT_EQ(cad::GstarCadDisplayText("c:\\suporte"), "C:\\SUPORTE");
  EXPECT_EQ(cad::GstarCadDisplayText(""), "");
}

TEST(ListedProfiles, ReadTheSearchPathsAndStopOnOneThatIsNoText) {
  platform::MemoryRegistry registry;
  cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-1", "<<Unnamed Profile>>");
  cad_testing::AddGstarCadProfile(registry, "R23", "Default", "c:\\p\\GstarCAD\\R23\\pt-BR\\s");
  const auto listed = cad::ListedCadProfiles(registry);
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(listed[0].displayText, " <<Unnamed Profile>>");
  EXPECT_EQ(listed[1].displayText, "GSTARCAD R23");

  registry.SetDword(kUser, listed[1].keyPath + "\\General", "GCAD", 1);
  EXPECT_THROW(cad::ListedCadProfiles(registry), cad::CadError);
}

}  // namespace
