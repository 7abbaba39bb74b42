// Discovery, configuration and the running-host check over the real Win32
// registry, file system and process snapshot, with HKEY_CURRENT_USER seeded
// as AutoCAD, BricsCAD and GstarCAD leave it.
#include <windows.h>
// The platform's methods, not Windows' macros of the same names.
#undef CopyFile
#undef DeleteFile

#include <gtest/gtest.h>

#include "cad/cad_messages.h"
#include "cad/profile_configuration.h"
#include "cad/profile_display_text.h"
#include "cad/running_host_check.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_registry.h"
#include "testing/windows_support/driver.h"
#include "tests/windows/cad/seeded_cad_machine.h"

namespace {

using namespace cad_machine;

constexpr char kMerged[] = ";C:\\geolume;C:\\geolume\\simbolos";

class CadOnWindows : public ::testing::Test {
 protected:
  void SetUp() override { SeedCadMachine(registry, files); }

  std::string StringAt(const std::string& key, const std::string& name) {
    const auto value = registry.ReadValue(kUser, key, name);
    if (!value) return "<missing>";
    EXPECT_EQ(value->type, platform::RegistryValueType::String) << key << " " << name;
    return value->text;
  }
  std::uint32_t NumberAt(const std::string& key, const std::string& name) {
    const auto value = registry.ReadValue(kUser, key, name);
    EXPECT_TRUE(value && value->type == platform::RegistryValueType::Dword) << key << " " << name;
    return value ? value->number : 0xFFFFFFFF;
  }

  std::vector<cad::CadListLine> ListedLines() {
    std::vector<cad::CadListLine> lines;
    for (const auto& profile : cad::ListedCadProfiles(registry)) {
      lines.push_back({profile.displayText, true});
    }
    return lines;
  }

  cad::ConfigurationOutcome Configure(const std::vector<cad::CadListLine>& lines) {
    const cad::CadConfigurationContext context{
        registry,
        files,
        processes,
        [this](const std::string& text) { shown.push_back(text); },
        [this](const std::string& text) { information.push_back(text); },
        {},
    };
    return cad::ConfigureCadProfiles(context, lines);
  }

  platform::Win32Registry registry;
  platform::Win32FileSystem files;
  platform::Win32Processes processes;
  std::vector<std::string> shown;
  std::vector<std::string> information;
};

TEST_F(CadOnWindows, DiscoveryListsEveryUserProfileInHostOrder) {
  std::vector<std::string> lines;
  for (const auto& line : ListedLines()) lines.push_back(line.text);
  EXPECT_EQ(lines, kListLines);
}

TEST_F(CadOnWindows, ConfiguringWritesTheTickedProfilesAndTheStartupFiles) {
  auto lines = ListedLines();
  ASSERT_EQ(lines.size(), 5u);
  lines[2].ticked = false;
  EXPECT_EQ(Configure(lines), cad::ConfigurationOutcome::Configured);
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(information, std::vector<std::string>{cad::messages::kConfigured});

  const std::string a2012 = kAutoCad2012;
  EXPECT_EQ(StringAt(a2012 + "\\General", "ACAD"), std::string(kAcad2012) + kMerged);
  EXPECT_EQ(NumberAt(a2012 + "\\Editor Configuration", "ACADLspAsDoc"), 1u);
  EXPECT_FALSE(registry.ReadValue(kUser, a2012 + "\\Variables", "TRUSTEDPATHS"));
  EXPECT_FALSE(registry.ReadValue(kUser, a2012 + "\\Variables", "LISPSYS"));
  EXPECT_FALSE(registry.ReadValue(kUser, std::string(kAutoCad2012Fixed) + "\\Editor Configuration",
                                  "ACADLspAsDoc"));

  const std::string a2021 = kAutoCad2021;
  EXPECT_EQ(StringAt(a2021 + "\\General", "ACAD"), kAcad2021);
  EXPECT_EQ(NumberAt(a2021 + "\\Editor Configuration", "ACADLspAsDoc"), 1u);
  EXPECT_EQ(StringAt(a2021 + "\\Variables", "TRUSTEDPATHS"), std::string(kTrusted2021) + ";C:\\geolume");
  EXPECT_EQ(StringAt(a2021 + "\\Variables", "LISPSYS"), "0");

  const std::string topo = kAutoCad2021Topo;
  EXPECT_EQ(StringAt(topo + "\\General", "ACAD"), kAcad2021Topo);
  EXPECT_FALSE(registry.ReadValue(kUser, topo + "\\Editor Configuration", "ACADLspAsDoc"));
  EXPECT_EQ(StringAt(topo + "\\Variables", "TRUSTEDPATHS"), "");
  EXPECT_FALSE(registry.ReadValue(kUser, topo + "\\Variables", "LISPSYS"));
  EXPECT_EQ(files.ReadFile("C:\\Topografia\\acad.lsp"), kForeignStartup);

  EXPECT_EQ(StringAt(kBricsCad, "SRCHPATH"), std::string(kSrchPath) + kMerged);
  EXPECT_EQ(NumberAt(kBricsCad, "ACADLSPASDOC"), 1u);
  EXPECT_EQ(NumberAt(kBricsCad, "ImportCuiFileExists"), 1u);

  const std::string gstar = kGstarCad;
  const std::string suite = gstar + "\\Dialogs\\Appload\\Startup";
  EXPECT_EQ(StringAt(gstar + "\\General", "GCAD"), std::string(kGcad) + kMerged);
  EXPECT_EQ(NumberAt(gstar + "\\Editor Configuration", "ACADLspAsDoc"), 1u);
  EXPECT_EQ(StringAt(suite, "NumStartup"), "2");
  EXPECT_EQ(StringAt(suite, "1Startup"), "C:\\Suporte\\Gstar\\cotas.vlx");
  EXPECT_EQ(StringAt(suite, "2Startup"), "c:\\geolume\\geolume15.vlx");

  // Foreign startup files were set aside, the product's own deleted.
  EXPECT_FALSE(files.FileExists("C:\\Suporte\\R18\\acad.lsp"));
  EXPECT_EQ(files.ReadFile("C:\\Suporte\\R18\\acad-Renomeado-pelo-Geolume-2.lsp"), kForeignStartup);
  EXPECT_EQ(files.ReadFile("C:\\Suporte\\Brics\\on_start-Renomeado-pelo-Geolume-1.lsp"), kForeignStartup);
  EXPECT_FALSE(files.FileExists("C:\\Suporte\\Brics\\on_start.lsp"));
  EXPECT_FALSE(files.FileExists("C:\\Suporte\\Gstar\\acad.lsp"));
  EXPECT_FALSE(files.FileExists("C:\\Suporte\\Gstar\\acad-Renomeado-pelo-Geolume-1.lsp"));
  EXPECT_FALSE(files.FileExists("C:\\geolume\\acad-Renomeado-pelo-Geolume-1.lsp"));

  EXPECT_EQ(files.ReadFile("C:\\geolume\\acad.lsp"),
            "(DEFUN S::STARTUP()(LOAD \"GEOLUME15.VLX\" \"\")(PRINC))\r\n");
  EXPECT_EQ(files.ReadFile("C:\\geolume\\on_start.lsp"),
            "(DEFUN S::STARTUP()(LOAD \"C:\\\\GEOLUME\\\\GEOLUME15.DES\" \"\")(PRINC))\r\n");
  for (const char* menu : {"geolume.mns", "geolumeesp.cuix", "geolume.cui"}) {
    EXPECT_FALSE(files.FileExists(std::string("C:\\geolume\\") + menu)) << menu;
  }
  EXPECT_TRUE(files.FileExists("C:\\geolume\\geolume15.vlx"));
}

TEST_F(CadOnWindows, RunningAcadExeRefusesTheConfiguration) {
  const std::string folder = "C:\\Program Files\\Autodesk\\AutoCAD 2021";
  ASSERT_TRUE(files.CreateFolders(folder));
  const std::string acad = folder + "\\ACAD.EXE";
  ASSERT_TRUE(files.CopyFile(wintest::BuildFolder() + "\\testing\\cad_host_stand_in.exe", acad));
  EXPECT_FALSE(cad::IsProcessRunning(processes, "acad.exe"));
  {
    auto host = wintest::Process::Start(acad);
    ASSERT_TRUE(wintest::WaitUntil([this] { return cad::IsProcessRunning(processes, "acad.exe"); }));
    EXPECT_FALSE(cad::IsProcessRunning(processes, "bricscad.exe"));

    EXPECT_EQ(Configure(ListedLines()), cad::ConfigurationOutcome::RefusedHostOpen);
    EXPECT_EQ(shown, std::vector<std::string>{cad::messages::kAutoCadOpen});
    EXPECT_TRUE(information.empty());
    EXPECT_EQ(StringAt(std::string(kAutoCad2012) + "\\General", "ACAD"), kAcad2012);
    EXPECT_TRUE(files.FileExists("C:\\Suporte\\R18\\acad.lsp"));
    EXPECT_TRUE(files.FileExists("C:\\geolume\\geolume.mns"));
    EXPECT_EQ(files.ReadFile("C:\\geolume\\acad.lsp"), kOldRootStartup);
    EXPECT_FALSE(files.FileExists("C:\\geolume\\on_start.lsp"));
  }
  EXPECT_TRUE(wintest::WaitUntil([this] { return !cad::IsProcessRunning(processes, "acad.exe"); }));
}

}  // namespace
