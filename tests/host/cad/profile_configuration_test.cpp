// Whole configuration runs over the in-memory registry, files and processes.
#include <gtest/gtest.h>

#include "cad/cad_error.h"
#include "cad/cad_messages.h"
#include "cad/own_startup_files.h"
#include "cad/profile_configuration.h"
#include "cad/profile_display_text.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_processes.h"
#include "platform/memory/memory_registry.h"
#include "tests/host/cad/cad_profiles.h"

namespace {

using cad::ConfigurationOutcome;
using cad_testing::kUser;
using cad_testing::StringAt;

constexpr char kMerged[] = ";C:\\geolume;C:\\geolume\\simbolos";

class Configuration : public ::testing::Test {
 protected:
  void SetUp() override { files.AddFolder("c:\\geolume"); }

  // The lines the panel would show now, ticked as given (all when none given).
  std::vector<cad::CadListLine> Lines(const std::vector<bool>& ticks = {}) {
    std::vector<cad::CadListLine> lines;
    for (const auto& profile : cad::ListedCadProfiles(registry)) {
      const bool ticked = ticks.empty() || ticks.at(lines.size());
      lines.push_back({profile.displayText, ticked});
    }
    return lines;
  }
  ConfigurationOutcome Run(const std::vector<cad::CadListLine>& lines) {
    return cad::ConfigureCadProfiles(context, lines);
  }
  std::uint32_t NumberAt(const std::string& key, const std::string& name) {
    const auto value = registry.ReadValue(kUser, key, name);
    EXPECT_TRUE(value && value->type == platform::RegistryValueType::Dword) << key << " " << name;
    return value ? value->number : 0;
  }

  platform::MemoryRegistry registry;
  platform::MemoryFileSystem files;
  platform::MemoryProcesses processes;
  std::vector<std::string> shown;
  std::vector<std::string> information;
  cad::CadConfigurationContext context{
      registry,
      files,
      processes,
      [this](const std::string& text) { shown.push_back(text); },
      [this](const std::string& text) { information.push_back(text); },
      [](const std::string& text) { return "[es] " + text; },
  };
};

TEST_F(Configuration, AutoCadProfileFromRelease19Point1GetsEverySetting) {
  const auto p = cad_testing::AddAutoCadProfile(registry, "R19.1\\ACAD-D001:409", "<<Unnamed Profile>>",
                                                "c:\\geolume;d:\\suporte");
  registry.SetString(kUser, p + "\\Variables", "TRUSTEDPATHS", "d:\\addin\\...");
  files.AddFile("c:\\geolume\\acad.lsp", "(load \"old\")");
  files.AddFile("c:\\geolume\\geolume.cuix", "menu");
  EXPECT_EQ(Run(Lines()), ConfigurationOutcome::Configured);

  EXPECT_EQ(StringAt(registry, p + "\\General", "ACAD"), "c:\\geolume;d:\\suporte;C:\\geolume\\simbolos");
  EXPECT_EQ(NumberAt(p + "\\Editor Configuration", "ACADLspAsDoc"), 1u);
  EXPECT_EQ(StringAt(registry, p + "\\Variables", "TRUSTEDPATHS"), "d:\\addin\\...;C:\\geolume");
  EXPECT_EQ(StringAt(registry, p + "\\Variables", "LISPSYS"), "0");
  EXPECT_FALSE(registry.KeyExists(kUser, p + "\\Dialogs"));
  // The product's own file on the search path went, and was written anew.
  EXPECT_EQ(files.ReadFile("c:\\geolume\\acad.lsp"), cad::kAcadStartupText);
  EXPECT_EQ(files.ReadFile("c:\\geolume\\on_start.lsp"), cad::kOnStartStartupText);
  EXPECT_FALSE(files.FileExists("c:\\geolume\\geolume.cuix"));
  EXPECT_FALSE(files.FileExists("c:\\geolume\\acad-Renomeado-pelo-Geolume-1.lsp"));
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(information, std::vector<std::string>{std::string("[es] ") + cad::messages::kConfigured});
}

TEST_F(Configuration, OlderOrUnreadableReleasesGetNoTrustedSettings) {
  std::vector<std::string> profiles;
  for (const char* release : {"R19.0\\ACAD-B001:409", "R18.2\\ACAD-A001:416", "Rx\\ACAD-1"}) {
    profiles.push_back(cad_testing::AddAutoCadProfile(registry, release, "p", ""));
  }
  EXPECT_EQ(Run(Lines()), ConfigurationOutcome::Configured);
  for (const auto& p : profiles) {
    EXPECT_EQ(StringAt(registry, p + "\\General", "ACAD"), kMerged) << p;
    EXPECT_EQ(NumberAt(p + "\\Editor Configuration", "ACADLspAsDoc"), 1u);
    EXPECT_FALSE(registry.ReadValue(kUser, p + "\\Variables", "TRUSTEDPATHS")) << p;
    EXPECT_FALSE(registry.ReadValue(kUser, p + "\\Variables", "LISPSYS")) << p;
  }
}

TEST_F(Configuration, BricsCadAndGstarCadGetTheirOwnSettings) {
  const auto config = cad_testing::AddBricsCadProfile(registry, "V23x64\\pt_BR", "Default", "d:\\b;");
  const auto gstar = cad_testing::AddGstarCadProfile(registry, "R23\\pt-BR", "Default", "d:\\g");
  files.AddFile("d:\\b\\on_start.lsp", "(princ)");
  files.AddFile("d:\\g\\acad.lsp", "(princ)");
  EXPECT_EQ(Run(Lines()), ConfigurationOutcome::Configured);

  EXPECT_EQ(StringAt(registry, config, "SRCHPATH"), std::string("d:\\b;") + kMerged);
  EXPECT_EQ(NumberAt(config, "ACADLSPASDOC"), 1u);
  EXPECT_EQ(NumberAt(config, "ImportCuiFileExists"), 1u);
  EXPECT_FALSE(registry.KeyExists(kUser, config + "\\Editor Configuration"));
  EXPECT_TRUE(files.FileExists("d:\\b\\on_start-Renomeado-pelo-Geolume-1.lsp"));

  EXPECT_EQ(StringAt(registry, gstar + "\\General", "GCAD"), std::string("d:\\g") + kMerged);
  EXPECT_EQ(NumberAt(gstar + "\\Editor Configuration", "ACADLspAsDoc"), 1u);
  EXPECT_EQ(StringAt(registry, gstar + "\\Dialogs\\Appload\\Startup", "1Startup"),
            "c:\\geolume\\geolume15.vlx");
  EXPECT_TRUE(files.FileExists("d:\\g\\acad-Renomeado-pelo-Geolume-1.lsp"));
}

TEST_F(Configuration, UntickedLinesLeaveTheirProfilesButTheRunStillEndsItsWork) {
  cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-1", "p", "d:\\s");
  cad_testing::AddBricsCadProfile(registry, "V23x64", "Default", "d:\\s");
  files.AddFile("d:\\s\\acad.lsp", "(princ)");
  files.AddFile("c:\\geolume\\geolumeeng.mnr", "menu");
  const std::string before = registry.Export();
  EXPECT_EQ(Run(Lines({false, false})), ConfigurationOutcome::Configured);
  EXPECT_EQ(registry.Export(), before);
  EXPECT_TRUE(files.FileExists("d:\\s\\acad.lsp"));
  EXPECT_FALSE(files.FileExists("c:\\geolume\\geolumeeng.mnr"));
  EXPECT_TRUE(files.FileExists("c:\\geolume\\acad.lsp"));
  EXPECT_TRUE(files.FileExists("c:\\geolume\\on_start.lsp"));
  EXPECT_EQ(information.size(), 1u);
}

TEST_F(Configuration, IdenticalLinesEachConfigureTheProfileAtTheirPosition) {
  const auto a = cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-1", "a", "c:\\p\\AutoCAD 2021\\s");
  const auto b = cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-1", "b", "c:\\p\\AutoCAD 2021\\s");
  const auto lines = Lines({false, true});
  ASSERT_EQ(lines[0].text, lines[1].text);
  Run(lines);
  EXPECT_EQ(StringAt(registry, a + "\\General", "ACAD"), "c:\\p\\AutoCAD 2021\\s");
  EXPECT_EQ(StringAt(registry, b + "\\General", "ACAD"), std::string("c:\\p\\AutoCAD 2021\\s") + kMerged);
}

TEST_F(Configuration, ProfilesFoundSinceTheListWasFilledShiftThePairing) {
  const auto old_profile = cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-1", "a", "d:\\a");
  const auto config = cad_testing::AddBricsCadProfile(registry, "V23x64", "Default", "d:\\b");
  const auto lines = Lines({true, false});
  const auto new_profile = cad_testing::AddAutoCadProfile(registry, "R18.2\\ACAD-1", "z", "d:\\z");
  EXPECT_EQ(Run(lines), ConfigurationOutcome::Configured);
  EXPECT_EQ(StringAt(registry, new_profile + "\\General", "ACAD"), std::string("d:\\z") + kMerged);
  EXPECT_EQ(StringAt(registry, old_profile + "\\General", "ACAD"), "d:\\a");
  // BricsCAD now stands beyond the last line: nobody ticked it.
  EXPECT_EQ(StringAt(registry, config, "SRCHPATH"), "d:\\b");
  EXPECT_EQ(information.size(), 1u);
}

TEST_F(Configuration, OpenHostRefusesAndChangesNothing) {
  cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-1", "p", "d:\\s");
  files.AddFile("d:\\s\\acad.lsp", "(princ)");
  files.AddFile("c:\\geolume\\geolume.mns", "menu");
  processes.SetRunning({"C:\\Program Files\\Gstarsoft\\GstarCAD2023\\GCAD.EXE"});
  const std::string registry_before = registry.Export();
  const std::string files_before = files.Export();
  EXPECT_EQ(Run(Lines()), ConfigurationOutcome::RefusedHostOpen);
  EXPECT_EQ(shown, std::vector<std::string>{cad::messages::kGstarCadOpen});
  EXPECT_TRUE(information.empty());
  EXPECT_EQ(registry.Export(), registry_before);
  EXPECT_EQ(files.Export(), files_before);
}

TEST_F(Configuration, FailedGuardedWritesAreReportedAndTheClosingTextSaysSo) {
  const auto p = cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-1", "<<Unnamed Profile>>",
                                                "c:\\p\\AutoCAD 2021\\s");
  registry.SetUnwritable(kUser, p + "\\General");
  registry.DeleteKey(kUser, p + "\\Variables");
  const auto gstar = cad_testing::AddGstarCadProfile(registry, "R23", "Default", "c:\\p\\GstarCAD\\R23\\s");
  registry.SetUnwritable(kUser, gstar + "\\General");
  EXPECT_EQ(Run(Lines()), ConfigurationOutcome::ConfiguredPartly);

  const std::vector<std::string> expected = {
      "Não foi possível gravar o caminho de busca no AUTOCAD 2021 <<Unnamed Profile>>. Esta "
      "configuração terá que ser realizada manualmente!",
      "Não foi possível gravar o caminho confiável no AUTOCAD 2021 <<Unnamed Profile>>. Esta "
      "configuração terá que ser realizada manualmente!",
      cad::messages::kLispSysNotWritten,
      "Não foi possível gravar o caminho de busca no GSTARCAD R23. Esta configuração terá que ser "
      "realizada manualmente!",
  };
  EXPECT_EQ(shown, expected);
  EXPECT_FALSE(registry.KeyExists(kUser, p + "\\Variables"));
  EXPECT_EQ(NumberAt(p + "\\Editor Configuration", "ACADLspAsDoc"), 1u);
  EXPECT_EQ(StringAt(registry, gstar + "\\Dialogs\\Appload\\Startup", "NumStartup"), "1");
  EXPECT_EQ(information,
            std::vector<std::string>{std::string("[es] ") + cad::messages::kConfiguredPartly});
}

TEST_F(Configuration, StartupFileLeftInPlaceMakesThePartialClosingText) {
  cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-1", "p", "d:\\s");
  files.AddFile("d:\\s\\acad.lsp", "(princ)");
  files.SetFolderReadOnly("d:\\s");
  EXPECT_EQ(Run(Lines()), ConfigurationOutcome::ConfiguredPartly);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].rfind(cad::messages::kStartupFileNotMoved, 0), 0u);
  EXPECT_EQ(information,
            std::vector<std::string>{std::string("[es] ") + cad::messages::kConfiguredPartly});
}

TEST_F(Configuration, OtherFailuresStopTheRunAndKeepWhatWasWritten) {
  const auto p = cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-1", "p", "d:\\s");
  const auto config = cad_testing::AddBricsCadProfile(registry, "V23x64", "Default", "d:\\b");
  registry.SetUnwritable(kUser, config);
  EXPECT_THROW(Run(Lines()), cad::CadError);
  EXPECT_EQ(StringAt(registry, p + "\\General", "ACAD"), std::string("d:\\s") + kMerged);
  EXPECT_FALSE(files.FileExists("c:\\geolume\\acad.lsp"));
  EXPECT_TRUE(information.empty());
}

TEST_F(Configuration, SuiteCountThatIsNoCountStopsTheRunBeforeTheSuiteIsTouched) {
  const auto gstar = cad_testing::AddGstarCadProfile(registry, "R23", "Default", "d:\\g");
  const std::string suite = gstar + "\\Dialogs\\Appload\\Startup";
  registry.SetString(kUser, suite, "NumStartup", "999999999");
  EXPECT_THROW(Run(Lines()), cad::CadError);
  EXPECT_EQ(StringAt(registry, gstar + "\\General", "GCAD"), std::string("d:\\g") + kMerged);
  EXPECT_EQ(StringAt(registry, suite, "NumStartup"), "999999999");
  EXPECT_FALSE(registry.ReadValue(kUser, suite, "1000000000Startup"));
  EXPECT_TRUE(information.empty());
}

}  // namespace
