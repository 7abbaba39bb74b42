// Runs that need more than one Wine session, driven in phases by
// testing/wine/run-phases-under-wine: one machine on which an administrator
// installs and uninstalls while a surveyor logs on in between with a user
// hive of his own; and two machines, one installed through the windows and
// one quietly, compared whole. Each TEST is one phase; a phase alone proves
// nothing, so these are run only through the scenarios the build names.
#include <windows.h>
#undef CopyFile
#undef DeleteFile

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "cad/cad_messages.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "record/change_record.h"
#include "testing/windows_support/driver.h"
#include "testing/windows_support/machine_snapshot.h"
#include "testing/windows_support/registry_export.h"
#include "testing/windows_support/sample_medium.h"
#include "tests/windows/cad/installer_window.h"
#include "tests/windows/cad/seeded_cad_machine.h"
#include "tests/windows/install/installation_fixture.h"
#include "tests/windows/unattended/watched_run.h"
#include "uninstall/logon_setup.h"
#include "uninstall/uninstall_locations.h"

namespace {

using namespace wintest;
using platform::RegistryRoot;
using unattended_wine::RunCommandLine;
using unattended_wine::RunWatched;

constexpr char kMedium[] = "C:\\Geolume-CD";
constexpr char kSurveyor[] = "topografo";

std::string Environment(const char* name) {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(platform::Widen(name).c_str(), buffer, MAX_PATH);
  return length > 0 && length < MAX_PATH ? platform::Narrow(buffer) : "";
}

// What one phase leaves for a later one, in the folder the phases share.
std::string HandedOver(const std::string& name) { return Environment("GEOLUME_PHASE_FOLDER") + "\\" + name; }
bool HandOver(const std::string& name, const std::string& text) {
  std::ofstream out(platform::Widen(HandedOver(name)).c_str(), std::ios::binary);
  out << text;
  return static_cast<bool>(out);
}

class Phase : public ::testing::Test {
 protected:
  platform::Win32Registry registry;
  platform::Win32FileSystem files;
  std::vector<std::string> shown;

  void SetUp() override { ASSERT_FALSE(Environment("GEOLUME_PHASE_FOLDER").empty()) << "run through the phases"; }

  std::string MachineValue(const char* key, const char* name) {
    return unattended_wine::TextValue(registry, RegistryRoot::LocalMachine, key, name);
  }
  // BricsCAD's search path in the seeded profiles of whoever runs the phase.
  std::string SearchPath() {
    return unattended_wine::TextValue(registry, RegistryRoot::CurrentUser, cad_machine::kBricsCad, "SRCHPATH");
  }
  void SeedProfiles() {
    cad_machine::Seeder seed(registry, files);
    cad_machine::SeedProfiles(seed);
  }
};

// An administrator's installation, as the local system account would run it
// from a deployment tool; then a surveyor who logs on for the first time;
// then the uninstall; then the surveyor's next logon.
class EveryUserAtLogon : public Phase {
 protected:
  std::string SurveyorsRecord() { return Environment("LOCALAPPDATA") + "\\Geolume\\Configuracao-CAD.txt"; }
};

TEST_F(EveryUserAtLogon, AnAdministratorInstallsQuietly) {
  SeedProfiles();
  ASSERT_EQ(RunWatched(MakeSampleMedium(kMedium), "/quiet /acceptlicense", shown), 3010u);
  EXPECT_TRUE(shown.empty()) << shown.front();
  // The installing account's own profiles, and every other user's at logon.
  EXPECT_NE(SearchPath().find("C:\\geolume"), std::string::npos) << SearchPath();
  // Every other user's at logon, by the program that asks for no elevation.
  platform::Win32Shell shell;
  EXPECT_EQ(MachineValue(uninstall::kCadSetupKey, "StubPath"),
            "\"" + uninstall::LogonProgramPath(shell) + "\" /configurecad /quiet");
  EXPECT_TRUE(files.FileExists(uninstall::LogonProgramPath(shell)));
}

TEST_F(EveryUserAtLogon, ASurveyorLogsOnAndHisProfilesAreConfigured) {
  // Another user on the same machine: his own profile folder and hive.
  ASSERT_EQ(Environment("USERNAME"), kSurveyor);
  ASSERT_NE(Environment("LOCALAPPDATA").find(std::string("\\") + kSurveyor + "\\"), std::string::npos);
  ASSERT_FALSE(registry.KeyExists(RegistryRoot::CurrentUser, "Software\\Bricsys")) << "the administrator's hive";
  ASSERT_TRUE(files.FileExists("C:\\geolume\\geolume.exe"));
  SeedProfiles();
  ASSERT_TRUE(HandOver("surveyor-before.txt", registry_export::HostTrees()));

  const std::string logon_command = MachineValue(uninstall::kCadSetupKey, "StubPath");
  const std::string kept_log = Environment("TEMP") + "\\Geolume-Instalar.log";
  ASSERT_NE(kept_log.find(std::string("\\") + kSurveyor + "\\"), std::string::npos) << kept_log;
  {
    // A logon while his AutoCAD runs fails, and he finds why in his own
    // temporary folder.
    const std::string folder = "C:\\Program Files\\Autodesk\\AutoCAD 2021";
    ASSERT_TRUE(files.CreateFolders(folder));
    ASSERT_TRUE(files.CopyFile(BuildFolder() + "\\testing\\cad_host_stand_in.exe", folder + "\\ACAD.EXE"));
    Process host = Process::Start(folder + "\\ACAD.EXE");
    EXPECT_EQ(RunCommandLine(logon_command, shown), 1603u);
    EXPECT_NE(ReadWholeFile(kept_log).find(cad::messages::kAutoCadOpen), std::string::npos) << kept_log;
    EXPECT_EQ(SearchPath(), cad_machine::kSrchPath);
    // Windows counts that run as done: his next logon runs it again.
    EXPECT_EQ(unattended_wine::TextValue(registry, RegistryRoot::CurrentUser, uninstall::kRunOnceKey,
                                         uninstall::kCadSetupRetry),
              logon_command);
    host.Kill();
  }

  // What Windows runs at his logon, as it stands in the machine's key; the
  // product's folder is only read.
  const std::string acad_lsp = ReadWholeFile("C:\\geolume\\acad.lsp");
  ASSERT_FALSE(acad_lsp.empty());
  EXPECT_EQ(RunCommandLine(logon_command, shown), 0u);
  EXPECT_TRUE(shown.empty()) << shown.front();
  EXPECT_NE(SearchPath().find("C:\\geolume"), std::string::npos) << SearchPath();
  EXPECT_TRUE(files.FileExists(SurveyorsRecord())) << SurveyorsRecord();
  EXPECT_EQ(ReadWholeFile("C:\\geolume\\acad.lsp"), acad_lsp);
  EXPECT_EQ(unattended_wine::TextValue(registry, RegistryRoot::CurrentUser, uninstall::kRunOnceKey,
                                       uninstall::kCadSetupRetry),
            "(missing)");
}

TEST_F(EveryUserAtLogon, TheAdministratorUninstallsQuietly) {
  ASSERT_NE(SearchPath().find("C:\\geolume"), std::string::npos) << "the administrator's hive: " << SearchPath();
  EXPECT_EQ(RunCommandLine(MachineValue(uninstall::kUninstallKey, "QuietUninstallString"), shown), 0u);
  EXPECT_TRUE(shown.empty()) << shown.front();
  EXPECT_EQ(SearchPath(), cad_machine::kSrchPath);
  EXPECT_FALSE(files.FolderExists("C:\\geolume\\simbolos"));
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::LocalMachine, uninstall::kCadSetupKey));
  // The logon program stays to give the surveyor's profiles back.
  platform::Win32Shell shell;
  EXPECT_EQ(MachineValue(uninstall::kCadRestoreKey, "StubPath"),
            "\"" + uninstall::LogonProgramPath(shell) + "\" /uninstall /quiet");
  EXPECT_TRUE(files.FileExists(uninstall::LogonProgramPath(shell)));
}

TEST_F(EveryUserAtLogon, TheSurveyorsNextLogonGivesHisProfilesBack) {
  // The uninstall could not reach his hive: it still points at the product.
  ASSERT_NE(SearchPath().find("C:\\geolume"), std::string::npos) << SearchPath();
  EXPECT_EQ(RunCommandLine(MachineValue(uninstall::kCadRestoreKey, "StubPath"), shown), 0u);
  EXPECT_TRUE(shown.empty()) << shown.front();
  const std::string before = ReadWholeFile(HandedOver("surveyor-before.txt"));
  ASSERT_FALSE(before.empty());
  // AutoCAD 2021's search path held the product's folders before; they go
  // with the product, which is no longer where they point.
  const std::string acad_before = "  \"ACAD\" 1 " + registry_export::StringHex(cad_machine::kAcad2021);
  const std::string acad_after =
      "  \"ACAD\" 1 " +
      registry_export::StringHex("C:\\Users\\geolume\\AppData\\Roaming\\Autodesk\\AutoCAD 2021\\R24.0\\ptb\\support");
  EXPECT_EQ(LineDifference(before, registry_export::HostTrees()), "- " + acad_before + "\n+ " + acad_after + "\n");
  EXPECT_FALSE(files.FileExists(SurveyorsRecord()));
}

// A record's entries in order, without the stamps of the files they name,
// which follow the moment each copy was made.
std::string EntriesWithoutStamps(const std::string& text) {
  std::string entries;
  for (record::Entry entry : record::ParseRecord(text)) {
    entry.stamp = {};
    entries += record::LineOf(entry) + "\n";
  }
  return entries;
}

// The snapshot, with each record's stamp-free entries in place of its hash,
// and each shortcut's fields in place of its bytes, which hold the target's
// times when the link was saved.
MachineSnapshot ComparableSnapshot() {
  MachineSnapshot snapshot = TakeMachineSnapshot();
  platform::Win32Shell shell;
  for (auto& [path, stamp] : snapshot.files) {
    if (path.find("\\Desinstalar.txt") != std::string::npos ||
        path.find("\\Configuracao-CAD.txt") != std::string::npos) {
      stamp = std::to_string(std::hash<std::string>{}(EntriesWithoutStamps(ReadWholeFile(path))));
    } else if (path.size() > 4 && path.compare(path.size() - 4, 4, ".lnk") == 0) {
      const auto link = shell.ReadLink(path);
      stamp = link ? link->target + "|" + link->working_folder + "|" + link->description + "|" + link->icon_path +
                         "|" + std::to_string(link->icon_index)
                   : "(unreadable link)";
    }
  }
  return snapshot;
}

// The same medium and the same seeded machine, installed in Spanish once
// through the windows and once quietly, must end the same.
class QuietAsInteractive : public Phase {};

class SpanishThroughTheWindows : public install_wine::Installation {};

TEST_F(SpanishThroughTheWindows, InstallsAndConfiguresEveryProfile) {
  ASSERT_FALSE(Environment("GEOLUME_PHASE_FOLDER").empty()) << "run through the phases";
  platform::Win32FileSystem files;
  cad_machine::Seeder seed(registry, files);
  cad_machine::SeedProfiles(seed);
  Process installer = Process::Start(MakeSampleMedium(kMedium));
  Install(installer, "Espanhol", "Instalar el Programa");
  HWND configure = nullptr;
  for (HWND child : Descendants(window)) {
    if (ClassOf(child) == "Button" && TextOf(child) == "Configurar" && IsWindowVisible(child)) configure = child;
  }
  ASSERT_NE(configure, nullptr);
  Press(configure);
  cad_window::InstallerWindow boxes(installer);
  ASSERT_FALSE(boxes.BoxesUntil("Information").empty());
  installer.Kill();
  ASSERT_TRUE(HandOver("interactive.txt", SnapshotText(ComparableSnapshot())));
}

TEST_F(QuietAsInteractive, TheQuietInstallationEndsTheSame) {
  SeedProfiles();
  ASSERT_EQ(RunWatched(MakeSampleMedium(kMedium), "/quiet /acceptlicense /lang=es", shown), 3010u);
  EXPECT_TRUE(shown.empty()) << shown.front();
  const std::string handed = ReadWholeFile(HandedOver("interactive.txt"));
  ASSERT_FALSE(handed.empty());
  const MachineSnapshot interactive = SnapshotFromText(handed);
  const MachineSnapshot quiet = ComparableSnapshot();

  EXPECT_EQ(LineDifference(interactive.classes, quiet.classes), "");
  EXPECT_EQ(LineDifference(interactive.machine, quiet.machine), "");
  EXPECT_EQ(FileDifference(interactive.files, quiet.files), "");
  // Wine keeps window settings of its own in the hive once a window has shown.
  std::istringstream user(LineDifference(interactive.user, quiet.user));
  for (std::string line; std::getline(user, line);) {
    EXPECT_EQ(line.rfind("- Software\\Wine\\Temporary System Parameters", 0), 0u) << line;
  }
}

}  // namespace
