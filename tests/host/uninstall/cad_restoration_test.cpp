// The real CAD configuration runs recorded over an in-memory surveyor's
// machine; its record then gives the machine back.
#include <gtest/gtest.h>

#include "cad/cad_error.h"
#include "cad/profile_configuration.h"
#include "cad/profile_display_text.h"
#include "i18n/supplementary_texts.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_locale.h"
#include "platform/memory/memory_processes.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/memory_resources.h"
#include "platform/memory/memory_shell.h"
#include "platform/memory/memory_system.h"
#include "record/recording_platform.h"
#include "tests/host/cad/cad_profiles.h"
#include "uninstall/cad_restoration.h"
#include "uninstall/uninstall_messages.h"

namespace {

using cad_testing::kUser;
using cad_testing::StringAt;
namespace messages = uninstall::messages;

constexpr char kRecordPath[] = "c:\\geolume\\desinstalar\\cad.txt";
constexpr char kAutoCad[] = "\\Software\\Autodesk\\AutoCAD\\R24.0\\ACAD-4101:416\\Profiles\\<<Unnamed Profile>>";
constexpr char kOldAutoCad[] = "\\Software\\Autodesk\\AutoCAD\\R18.2\\ACAD-A001:416\\Profiles\\Topografia";
constexpr char kBricsCad[] = "\\Software\\Bricsys\\BricsCAD\\V23x64\\pt_BR\\Profiles\\Default\\Config";
constexpr char kGstarCad[] = "\\SOFTWARE\\Gstarsoft\\GstarCAD\\R23\\pt-BR\\Profiles\\Default";
constexpr char kSuite[] = "\\SOFTWARE\\Gstarsoft\\GstarCAD\\R23\\pt-BR\\Profiles\\Default\\Dialogs\\Appload\\Startup";
constexpr char kForeignAcad[] = "d:\\suporte\\acad.lsp";
constexpr char kForeignAcadAside[] = "d:\\suporte\\acad-Renomeado-pelo-Geolume-1.lsp";
constexpr char kOldMenu[] = "c:\\geolume\\geolume.mnc";

// A surveyor's machine: every host with its own search paths and settings,
// a foreign startup file on two of them, another add-in in GstarCAD's suite.
void SeedMachine(platform::MemoryRegistry& registry, platform::MemoryFileSystem& files) {
  cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-4101:416", "<<Unnamed Profile>>",
                                 "d:\\suporte;C:\\Program Files\\Autodesk\\AutoCAD 2021\\Support");
  registry.SetString(kUser, std::string(kAutoCad) + "\\Variables", "TRUSTEDPATHS", "d:\\addin\\...");
  registry.SetString(kUser, std::string(kAutoCad) + "\\Variables", "LISPSYS", "1");
  // No TRUSTEDPATHS, no LISPSYS, no search path at all.
  cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-4101:416", "Topografia");
  cad_testing::AddAutoCadProfile(registry, "R18.2\\ACAD-A001:416", "Topografia", "d:\\antigo");
  cad_testing::AddBricsCadProfile(registry, "V23x64\\pt_BR", "Default", "d:\\bricsys;");
  registry.SetDword(kUser, kBricsCad, "ACADLSPASDOC", 0);
  cad_testing::AddGstarCadProfile(registry, "R23\\pt-BR", "Default", "d:\\gstar");
  registry.SetString(kUser, kSuite, "NumStartup", "2");
  registry.SetString(kUser, kSuite, "1Startup", "d:\\gstar\\ferramentas.lsp");
  registry.SetString(kUser, kSuite, "2Startup", "d:\\gstar\\blocos.vlx");
  // Its suite key is missing until the configuration makes it.
  cad_testing::AddGstarCadProfile(registry, "R23\\pt-BR", "Projeto", "");

  files.AddFile("c:\\geolume\\geolume15.vlx", "vlx");
  files.AddFile(kOldMenu, "menu");
  files.AddFile(kForeignAcad, "(princ \"suporte\")");
  files.AddFile("d:\\bricsys\\on_start.lsp", "(princ \"bricsys\")");
}

class CadRestoration : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedMachine(registry, files);
    registry_before = registry.Export();
    files_before = files.Export();
  }

  void Configure() {
    record::ChangeRecord change_record(record_files, kRecordPath, "cad", "pt");
    record::RecordingPlatform recorded(machine, change_record);
    platform::Platform& platform = recorded.Get();
    const auto ignore = [](const std::string&) {};
    const cad::CadConfigurationContext context{platform.registry, platform.files, platform.processes,
                                               ignore, ignore, nullptr};
    std::vector<cad::CadListLine> lines;
    for (const auto& profile : cad::ListedCadProfiles(registry)) lines.push_back({profile.displayText, true});
    cad::ConfigureCadProfiles(context, lines);
  }

  uninstall::LeftList Restore() {
    uninstall::LeftList left;
    uninstall::RestoreCadProfiles(registry, files, record::ReadRecord(record_files, kRecordPath), left);
    return left;
  }

  // The old menu files that the configuration deletes are not given back.
  void ExpectMachineAsBefore() {
    EXPECT_FALSE(files.FileExists(kOldMenu));
    files.AddFile(kOldMenu, "menu");
    EXPECT_EQ(registry.Export(), registry_before);
    EXPECT_EQ(files.Export(), files_before);
  }

  platform::MemoryRegistry registry;
  platform::MemoryFileSystem files;
  platform::MemoryProcesses processes;
  platform::MemoryShell shell{files};
  platform::MemorySystem system;
  platform::MemoryLocale locale;
  platform::MemoryResources resources;
  platform::Platform machine{registry, files, shell, processes, system, locale, resources};
  // The record keeps apart, so that the machine compares as it was.
  platform::MemoryFileSystem record_files;
  std::string registry_before;
  std::string files_before;
};

TEST_F(CadRestoration, GivesTheMachineBackAsItWas) {
  Configure();
  ASSERT_NE(registry.Export(), registry_before);
  ASSERT_TRUE(files.FileExists(kForeignAcadAside));
  ASSERT_TRUE(files.FileExists("c:\\geolume\\acad.lsp"));

  EXPECT_TRUE(Restore().empty());
  ExpectMachineAsBefore();
}

TEST_F(CadRestoration, TheFirstConfigurationsFormerValuesWin) {
  Configure();
  Configure();
  EXPECT_TRUE(Restore().empty());
  ExpectMachineAsBefore();
}

TEST_F(CadRestoration, WhatTheUserChangedSinceStays) {
  Configure();
  const std::string general = std::string(kAutoCad) + "\\General";
  registry.SetString(kUser, general, "ACAD", StringAt(registry, general, "ACAD") + ";e:\\novo");
  registry.SetDword(kUser, std::string(kGstarCad) + "\\Editor Configuration", "ACADLspAsDoc", 0);
  registry.SetString(kUser, kSuite, "NumStartup", "4");
  registry.SetString(kUser, kSuite, "4Startup", "e:\\depois.vlx");
  files.AddFile(kForeignAcad, "(princ \"novo\")");

  const auto left = Restore();
  // Only the product's folders left the search path; the user's new entry stays.
  EXPECT_EQ(StringAt(registry, general, "ACAD"),
            "d:\\suporte;C:\\Program Files\\Autodesk\\AutoCAD 2021\\Support;e:\\novo");
  EXPECT_EQ(registry.ReadValue(kUser, std::string(kGstarCad) + "\\Editor Configuration", "ACADLspAsDoc")->number, 0u);
  // The entry after the product's moved down into its place.
  EXPECT_EQ(StringAt(registry, kSuite, "NumStartup"), "3");
  EXPECT_EQ(StringAt(registry, kSuite, "3Startup"), "e:\\depois.vlx");
  EXPECT_FALSE(registry.ReadValue(kUser, kSuite, "4Startup"));
  EXPECT_EQ(files.ReadFile(kForeignAcad), "(princ \"novo\")");
  EXPECT_EQ(files.ReadFile(kForeignAcadAside), "(princ \"suporte\")");

  ASSERT_EQ(left.size(), 2u);
  EXPECT_EQ(left[0].format, messages::kValueChanged);
  EXPECT_EQ(left[0].values, (std::vector<std::string>{
                                "ACADLspAsDoc", std::string("HKEY_CURRENT_USER") + kGstarCad + "\\Editor Configuration"}));
  EXPECT_EQ(left[1].format, messages::kFormerNameInUse);
  EXPECT_EQ(left[1].values, (std::vector<std::string>{kForeignAcadAside, kForeignAcad}));
}

TEST_F(CadRestoration, HostsAndProfilesRemovedSinceArePassedOver) {
  Configure();
  registry.DeleteKey(kUser, "\\Software\\Bricsys");
  registry.DeleteKey(kUser, kOldAutoCad);
  registry.DeleteKey(kUser, std::string(kGstarCad) + "\\Dialogs");

  EXPECT_TRUE(Restore().empty());
  platform::MemoryRegistry expected;
  platform::MemoryFileSystem unused;
  SeedMachine(expected, unused);
  expected.DeleteKey(kUser, "\\Software\\Bricsys");
  expected.DeleteKey(kUser, kOldAutoCad);
  expected.DeleteKey(kUser, std::string(kGstarCad) + "\\Dialogs");
  EXPECT_EQ(registry.Export(), expected.Export());
}

TEST_F(CadRestoration, ARunThatStoppedHalfWayIsGivenBackAsFarAsItWent) {
  // The second GstarCAD profile's suite stops the configuration before its suite and the startup files.
  const std::string damaged = "\\SOFTWARE\\Gstarsoft\\GstarCAD\\R23\\pt-BR\\Profiles\\Projeto\\Dialogs\\Appload\\Startup";
  registry.SetString(kUser, damaged, "NumStartup", "x");
  registry_before = registry.Export();
  EXPECT_THROW(Configure(), cad::CadError);
  ASSERT_FALSE(files.FileExists("c:\\geolume\\acad.lsp"));

  EXPECT_TRUE(Restore().empty());
  ExpectMachineAsBefore();
}

TEST_F(CadRestoration, ARecordCutWhileWrittenGivesBackWhatItHolds) {
  Configure();
  // Cut inside the line of BricsCAD's search path: it and all after it are lost.
  const std::string text = *record_files.ReadFile(kRecordPath);
  const std::size_t cut = text.find("SRCHPATH");
  ASSERT_NE(cut, std::string::npos);
  ASSERT_TRUE(record_files.WriteFile(kRecordPath, text.substr(0, cut)));

  EXPECT_TRUE(Restore().empty());
  EXPECT_EQ(StringAt(registry, std::string(kAutoCad) + "\\General", "ACAD"),
            "d:\\suporte;C:\\Program Files\\Autodesk\\AutoCAD 2021\\Support");
  EXPECT_FALSE(registry.ReadValue(kUser, std::string(kOldAutoCad) + "\\Editor Configuration", "ACADLspAsDoc"));
  // Set aside before the search path was written, so recorded and given back.
  EXPECT_TRUE(files.FileExists("d:\\bricsys\\on_start.lsp"));
  EXPECT_EQ(StringAt(registry, kBricsCad, "SRCHPATH"), "d:\\bricsys;;C:\\geolume;C:\\geolume\\simbolos");
  EXPECT_EQ(StringAt(registry, kSuite, "NumStartup"), "3");
  EXPECT_TRUE(files.FileExists("c:\\geolume\\acad.lsp"));
}

record::Entry ValueEntry(platform::RegistryRoot root, const std::string& key, const std::string& name) {
  record::Entry entry;
  entry.kind = record::EntryKind::Value;
  entry.root = root;
  entry.key = key;
  entry.name = name;
  entry.written.text = "x";
  return entry;
}

record::Entry PathEntry(record::EntryKind kind, const std::string& path, const std::string& other_path = "") {
  record::Entry entry;
  entry.kind = kind;
  entry.path = path;
  entry.other_path = other_path;
  return entry;
}

TEST_F(CadRestoration, AnEditedRecordTouchesNothingOutsideTheConfiguration) {
  // Each forged entry matches what stands on the machine, so that believing it would change something.
  const std::string run_key = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  const std::string escape = std::string(kAutoCad) + "\\..\\..\\..\\..\\..\\..\\Microsoft\\General";
  const std::string general = std::string(kAutoCad) + "\\General";
  registry.SetString(kUser, run_key, "Geolume", "x");
  registry.SetString(kUser, escape, "ACAD", "d:\\x;C:\\geolume");
  registry.SetString(kUser, general, "ACADPREFIX", "x");
  registry.SetString(platform::RegistryRoot::ClassesRoot, general, "ACAD", "d:\\x;C:\\geolume");
  files.AddFile("C:\\Windows\\win.ini", "[fonts]");
  files.AddFile("C:\\Windows\\win-Renomeado-pelo-Geolume-1.lsp", "");
  files.AddFile("e:\\outra\\acad-Renomeado-pelo-Geolume-1.lsp", "");
  files.AddFolder("d:\\vazio");
  registry_before = registry.Export();
  files_before = files.Export();

  const std::vector<record::Entry> forged = {
      ValueEntry(kUser, run_key, "Geolume"),
      ValueEntry(kUser, escape, "ACAD"),
      ValueEntry(kUser, general, "ACADPREFIX"),
      ValueEntry(platform::RegistryRoot::ClassesRoot, general, "ACAD"),
      PathEntry(record::EntryKind::Renamed, "C:\\Windows\\acad.lsp", "C:\\Windows\\win.ini"),
      PathEntry(record::EntryKind::Renamed, "C:\\Windows\\system.ini", "C:\\Windows\\win-Renomeado-pelo-Geolume-1.lsp"),
      PathEntry(record::EntryKind::Renamed, "d:\\vazio\\acad.lsp", "e:\\outra\\acad-Renomeado-pelo-Geolume-1.lsp"),
      PathEntry(record::EntryKind::File, "C:\\Windows\\win.ini"),
  };
  uninstall::LeftList left;
  uninstall::RestoreCadProfiles(registry, files, forged, left);

  EXPECT_EQ(registry.Export(), registry_before);
  EXPECT_EQ(files.Export(), files_before);
  ASSERT_EQ(left.size(), forged.size());
  for (const auto& reason : left) EXPECT_EQ(reason.format, messages::kEntryIgnored);
  EXPECT_EQ(left[0].values, std::vector<std::string>{"HKEY_CURRENT_USER" + run_key + " (Geolume)"});
  EXPECT_EQ(left[4].values, std::vector<std::string>{"C:\\Windows\\acad.lsp -> C:\\Windows\\win.ini"});
}

TEST(UninstallMessages, EachHasItsSpanishText) {
  for (const char* text : {messages::kValueChanged, messages::kValueNotRestored, messages::kStartupSuiteCountInvalid,
                           messages::kKeyNotRemoved, messages::kFormerNameInUse, messages::kNotRenamedBack,
                           messages::kFileNotRemoved, messages::kEntryIgnored}) {
    EXPECT_TRUE(i18n::SupplementaryTranslation(text, 2)) << text;
  }
}

}  // namespace
