// The real Instalar.exe as deployment tools start it: no window may become
// visible, the exit code and the log say how the run went, and the machine
// shows what it did.
#include <windows.h>
#undef CopyFile
#undef DeleteFile

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cad/cad_messages.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system.h"
#include "testing/windows_support/driver.h"
#include "testing/windows_support/sample_medium.h"
#include "tests/windows/cad/installer_window.h"
#include "tests/windows/cad/seeded_cad_machine.h"
#include "tests/windows/unattended/watched_run.h"
#include "uninstall/logon_setup.h"
#include "uninstall/uninstall_locations.h"

namespace {

using namespace wintest;
using platform::RegistryRoot;

constexpr char kMedium[] = "C:\\Geolume-CD";
constexpr char kLogFolder[] = "C:\\Logs";
constexpr char kLog[] = "C:\\Logs\\instalar.log";
using unattended_wine::kRunTimeoutMs;
using uninstall::kCadSetupKey;
using uninstall::kUninstallKey;

class Unattended : public ::testing::Test {
 protected:
  platform::Win32Registry registry;
  platform::Win32FileSystem files;
  // The class of every window of the run that became visible, with its title.
  std::vector<std::string> shown;

  void SetUp() override { ASSERT_TRUE(MakeFolders(kLogFolder)); }

  DWORD Run(const std::string& program, const std::string& arguments) {
    return unattended_wine::RunWatched(program, arguments, shown);
  }

  std::string Log() { return ReadWholeFile(kLog); }

  // BricsCAD's search path in the seeded profiles.
  std::string SearchPath() {
    return unattended_wine::TextValue(registry, RegistryRoot::CurrentUser, cad_machine::kBricsCad, "SRCHPATH");
  }

  std::string MachineValue(const char* key, const char* name) {
    return unattended_wine::TextValue(registry, RegistryRoot::LocalMachine, key, name);
  }
};

TEST_F(Unattended, QuietSpanishInstallationShowsNothingAndLogsEveryStep) {
  const std::string installer = MakeSampleMedium(kMedium);
  EXPECT_EQ(Run(installer, "/quiet /acceptlicense /lang=es /log=" + std::string(kLog)), 3010u);
  EXPECT_TRUE(shown.empty()) << shown.front();

  const std::string log = Log();
  EXPECT_NE(log.find("Código de salida: 3010\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("Windows debe reiniciarse para concluir la instalación."), std::string::npos) << log;
  EXPECT_NE(log.find(kSystemFile), std::string::npos) << log;
  // Each line starts with the local time.
  ASSERT_GT(log.size(), 21u);
  EXPECT_EQ(log[4], '-');
  EXPECT_EQ(log.substr(19, 2), "  ");

  // Installed in Spanish, with its way back out and every user's CAD at logon.
  EXPECT_TRUE(files.FileExists("C:\\geolume\\geolume.exe"));
  EXPECT_EQ(MachineValue(kUninstallKey, "DisplayName"), "Sistema de Automación Topográfica Geolume");
  const std::string uninstaller = MachineValue(kUninstallKey, "DisplayIcon");
  ASSERT_GT(uninstaller.size(), 2u);
  // The logon program beside the uninstaller: Windows' logon cannot elevate.
  const std::string group = uninstaller.substr(0, uninstaller.find_last_of('\\') + 1);
  EXPECT_EQ(MachineValue(kCadSetupKey, "StubPath"), "\"" + group + "ConfigurarCAD.exe\" /configurecad /quiet");
  EXPECT_TRUE(files.FileExists(group + "ConfigurarCAD.exe"));
  EXPECT_EQ(MachineValue(kCadSetupKey, "Version"), "1,0,0,1");
}

// Passive: the main window shows the progress, and nothing else appears.
TEST_F(Unattended, PassiveInstallationShowsOnlyTheMainWindow) {
  const std::string installer = MakeSampleMedium(kMedium);
  EXPECT_EQ(Run(installer, "/passive /acceptlicense /log=" + std::string(kLog)), 3010u);
  ASSERT_FALSE(shown.empty());
  // The title cannot always be read while the run keeps the window's thread
  // busy; the class tells the main window from any box.
  for (const std::string& window : shown) EXPECT_EQ(window.substr(0, 7), "TForm1 ") << window;
  EXPECT_NE(Log().find("Código de saída: 3010"), std::string::npos) << Log();
  EXPECT_TRUE(files.FileExists("C:\\geolume\\geolume.exe"));
}

TEST_F(Unattended, QuietWithoutTheLicenceChangesNothing) {
  const std::string installer = MakeSampleMedium(kMedium);
  EXPECT_EQ(Run(installer, "-QUIET -Log=" + std::string(kLog)), 1602u);
  EXPECT_TRUE(shown.empty()) << shown.front();
  EXPECT_NE(Log().find("/acceptlicense"), std::string::npos) << Log();
  EXPECT_FALSE(files.FolderExists("C:\\geolume"));
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::LocalMachine, kUninstallKey));
}

TEST_F(Unattended, ARunningHostFailsTheQuietConfigurationWithItsMessageInTheLog) {
  const std::string folder = "C:\\Program Files\\Autodesk\\AutoCAD 2021";
  ASSERT_TRUE(files.CreateFolders(folder));
  ASSERT_TRUE(files.CopyFile(BuildFolder() + "\\testing\\cad_host_stand_in.exe", folder + "\\ACAD.EXE"));
  Process host = Process::Start(folder + "\\ACAD.EXE");
  EXPECT_EQ(Run(InstallerPath(), "/configurecad /quiet /log=" + std::string(kLog)), 1603u);
  EXPECT_TRUE(shown.empty()) << shown.front();
  EXPECT_NE(Log().find(cad::messages::kAutoCadOpen), std::string::npos) << Log();
}

TEST_F(Unattended, ABadSwitchChangesNothingAndIsNamedInTheLogOrInABox) {
  const std::string installer = MakeSampleMedium(kMedium);
  EXPECT_EQ(Run(installer, "/quiet /acceptlicense /lang=fr /log=" + std::string(kLog)), 87u);
  EXPECT_TRUE(shown.empty()) << shown.front();
  EXPECT_NE(Log().find("Opção inválida na linha de comando: /lang=fr"), std::string::npos) << Log();
  EXPECT_NE(Log().find("Código de saída: 87\r\n"), std::string::npos) << Log();
  EXPECT_FALSE(files.FolderExists("C:\\geolume"));

  // With someone at the screen a box names it; the code is the same.
  Process process = Process::Start(installer, "/acceptlicense -Reboot");
  cad_window::InstallerWindow window(process);
  const cad_window::Box box = window.WaitForBox();
  EXPECT_EQ(box.caption, "Instalar");
  EXPECT_EQ(box.text, "Opção inválida na linha de comando: -Reboot");
  ASSERT_TRUE(window.Close(box));
  DWORD code = 0;
  ASSERT_TRUE(process.WaitForExit(kRunTimeoutMs, &code));
  EXPECT_EQ(code, 87u);
  EXPECT_FALSE(files.FolderExists("C:\\geolume"));
}

// Windows runs the entry's command at the next logon; here it runs in the same
// account, whose profiles the installation (with /cad=none) left alone, as
// another user's would be. That installation wrote no startup files, which
// the logon program may not write: the profiles are configured, the run is
// unfinished and comes again, and finishes once an administrator's
// configuration has written them.
TEST_F(Unattended, TheLogonCommandConfiguresTheProfilesOfTheUserWhoRunsIt) {
  cad_machine::Seeder seed(registry, files);
  cad_machine::SeedProfiles(seed);
  const std::string installer = MakeSampleMedium(kMedium);
  ASSERT_EQ(Run(installer, "/quiet /acceptlicense /cad=none"), 3010u);
  EXPECT_EQ(SearchPath(), cad_machine::kSrchPath);

  const std::string logon_command = MachineValue(kCadSetupKey, "StubPath");
  EXPECT_EQ(unattended_wine::RunCommandLine(logon_command, shown), 1603u);
  EXPECT_TRUE(shown.empty()) << shown.front();
  EXPECT_NE(SearchPath().find("C:\\geolume"), std::string::npos) << SearchPath();
  EXPECT_FALSE(files.FileExists("C:\\geolume\\acad.lsp"));
  const std::string retry = unattended_wine::TextValue(registry, platform::RegistryRoot::CurrentUser,
                                                       uninstall::kRunOnceKey, uninstall::kCadSetupRetry);
  EXPECT_EQ(retry, logon_command);

  ASSERT_EQ(Run(installer, "/configurecad /quiet"), 0u);
  EXPECT_EQ(unattended_wine::RunCommandLine(retry, shown), 0u);
  EXPECT_TRUE(shown.empty()) << shown.front();
  EXPECT_EQ(unattended_wine::TextValue(registry, platform::RegistryRoot::CurrentUser, uninstall::kRunOnceKey,
                                       uninstall::kCadSetupRetry),
            "(missing)");
}

// What the log and the kept log of a failed run stand on.
TEST(UnattendedPlatform, TheClockAndTheTemporaryFolderAreWindowsOwn) {
  platform::Win32System system;
  const std::string now = system.LocalTime();
  SYSTEMTIME local{};
  GetLocalTime(&local);
  ASSERT_EQ(now.size(), 19u) << now;
  EXPECT_EQ(now.substr(0, 4), std::to_string(local.wYear));
  EXPECT_EQ(now[10], ' ');
  const std::string temp = system.TempFolder();
  ASSERT_FALSE(temp.empty());
  EXPECT_NE(temp.back(), '\\');
  platform::Win32FileSystem files;
  EXPECT_TRUE(files.FolderExists(temp)) << temp;
}

}  // namespace
