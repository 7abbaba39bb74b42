// What a standard user of the same workstation could try against what an
// elevated run installs, uninstalls or logs. Each attack runs twice: against
// the product, where it must fail, and on the same machine with the
// protection switched off (lists set change nothing, elevated changes follow
// any link), the product as it was, where it succeeds: a test that cannot
// fail would show there.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/memory/memory_accounts.h"
#include "shell/exit_codes.h"
#include "shell/installer.h"
#include "tests/host/shell/seeded_machine.h"
#include "tests/host/shell/test_windows.h"
#include "ui/headless_backend.h"
#include "uninstall/logon_setup.h"
#include "uninstall/uninstall_locations.h"

namespace {

constexpr char kLog[] = "C:\\Logs\\geolume.log";
// Someone else's file that users may read and must never change.
constexpr char kTarget[] = "C:\\Windows\\System32\\alvo.dll";
constexpr char kTargetBytes[] = "MZ alvo";

class PrivilegeBoundaries : public ::testing::TestWithParam<bool> {
 protected:
  testing_support::TestWindows windows;
  ui::HeadlessBackend backend;
  const platform::MemoryAccount user = platform::StandardUser();

  void SetUp() override {
    testing_support::SeedMachine(windows);
    windows.files.AddFile("D:\\programa\\plotsum.exe", "MZ plotsum");
    windows.files.AddFile(kTarget, kTargetBytes);
    if (!Protected()) windows.files.SwitchOffProtection();
  }

  bool Protected() const { return GetParam(); }

  // The run as the account; then it is the user's turn.
  int Run(const std::vector<std::string>& arguments,
          const platform::MemoryAccount& account = platform::ElevatedAdministrator()) {
    windows.RunAs(account);
    const int code = shell::RunInstaller(backend, windows.platform, {}, arguments);
    windows.RunAs(user);
    return code;
  }

  void Install() {
    const int code = Run({"/quiet", "/acceptlicense", "/cad=none", "/log=" + std::string(kLog)});
    ASSERT_TRUE(code == shell::kExitSuccess || code == shell::kExitRestartNeeded) << code << "\n" << Content(kLog);
  }

  int Uninstall() {
    const std::string installer = windows.system.program_path;
    windows.system.program_path = uninstall::UninstallerPath(windows.shell);
    const int code = Run({"/uninstall", "/quiet", "/log=" + std::string(kLog)});
    windows.system.program_path = installer;
    return code;
  }

  std::string Content(const std::string& path) {
    const auto entry = windows.files.Inspect(path);
    return entry ? entry->content : "(missing)";
  }
};

INSTANTIATE_TEST_SUITE_P(WithAndWithoutTheProtection, PrivilegeBoundaries, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Protected" : "SwitchedOff"; });

// AutoCAD loads the first acaddoc.lsp on its search path into every drawing,
// BricsCAD on_doc_load.lsp, and acad.rx lists applications to load; a DLL
// beside geolume.exe is loaded by whoever opens a survey file.
TEST_P(PrivilegeBoundaries, NoUserAddsCodeThatEveryCadSessionOrEveryClickRuns) {
  Install();
  for (const char* path : {"c:\\geolume\\acaddoc.lsp", "c:\\geolume\\on_doc_load.lsp", "c:\\geolume\\acad.rx",
                           "c:\\geolume\\simbolos\\acaddoc.lsp", "c:\\geolume\\version.dll"}) {
    EXPECT_EQ(windows.files.WriteFile(path, "(princ \"planted\")"), !Protected()) << path;
  }
  // What users fill in stays theirs to write.
  EXPECT_TRUE(windows.files.WriteFile("c:\\geolume\\Demos\\meu.dat", "mine"));
}

TEST_P(PrivilegeBoundaries, AServerReplacedBeforeTheUninstallIsNeverRunElevated) {
  Install();
  const std::string server = "c:\\geolume\\plotsum.exe";
  ASSERT_EQ(Content(server), "MZ plotsum");
  EXPECT_EQ(windows.files.WriteFile(server, "MZ planted"), !Protected());
  bool planted_ran = false;
  bool unregistered = false;
  windows.processes.OnStart([&](const std::string& command) {
    if (command != server + " /unregserver") return;
    unregistered = true;
    planted_ran = planted_ran || Content(server) == "MZ planted";
  });
  EXPECT_EQ(Uninstall(), shell::kExitSuccess);
  EXPECT_FALSE(planted_ran);
  // Only one the administrators alone could change is started at all.
  EXPECT_EQ(unregistered, Protected());
}

TEST_P(PrivilegeBoundaries, TheRootCannotBeRenamedAndMadeAgain) {
  Install();
  const bool renamed = windows.files.RenameFile("c:\\geolume", "c:\\geolume-antigo");
  EXPECT_EQ(renamed, !Protected());
  if (renamed) {
    EXPECT_TRUE(windows.files.CreateFolders("c:\\geolume"));
    EXPECT_TRUE(windows.files.WriteFile("c:\\geolume\\acaddoc.lsp", "(princ \"planted\")"));
  }
}

TEST_P(PrivilegeBoundaries, ARootAUserMadeBeforeTheFirstInstallationIsTakenBackAndItsCodeNamed) {
  windows.RunAs(user);
  ASSERT_TRUE(windows.files.CreateFolders("c:\\geolume\\simbolos"));
  ASSERT_TRUE(windows.files.WriteFile("c:\\geolume\\acaddoc.lsp", "(princ \"planted\")"));
  Install();
  // Named for an administrator to judge, not deleted.
  EXPECT_EQ(Content("c:\\geolume\\acaddoc.lsp"), "(princ \"planted\")");
  EXPECT_NE(Content(kLog).find("c:\\Geolume\\acaddoc.lsp"), std::string::npos) << Content(kLog);
  EXPECT_EQ(windows.files.ReadAccess("c:\\geolume")->rfind("O:BA", 0) == 0, Protected());
  EXPECT_EQ(windows.files.WriteFile("c:\\geolume\\acaddoc.lsp", "(princ \"again\")"), !Protected());
  EXPECT_EQ(windows.files.WriteFile("c:\\geolume\\simbolos\\acad.rx", "planted.arx"), !Protected());
}

// c:\geolume\formatos is the users', and the product's folder below it can
// be swapped for a junction: the uninstall then deletes by the record's
// names, which lead wherever the junction does.
TEST_P(PrivilegeBoundaries, AJunctionInPlaceOfAProductFolderLeadsTheUninstallNowhere) {
  Install();
  const std::string folder = "c:\\geolume\\formatos\\geolume";
  const auto installed = windows.files.Inspect(folder + "\\item.dat");
  ASSERT_TRUE(installed);
  // The administrators' folder, holding a file the record would take for the product's.
  windows.files.AddFile("C:\\Dados\\item.dat", installed->content, installed->dos_date_time);
  windows.files.SetAccessForTest("C:\\Dados", "O:BAD:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)");
  ASSERT_FALSE(windows.files.DeleteFile("C:\\Dados\\item.dat"));
  ASSERT_TRUE(windows.files.DeleteFile(folder + "\\item.dat"));
  ASSERT_TRUE(windows.files.RemoveFolder(folder));
  ASSERT_TRUE(windows.files.AddJunction(folder, "C:\\Dados", user)) << windows.files.LastError();
  EXPECT_EQ(Uninstall(), shell::kExitSuccess);
  EXPECT_EQ(windows.files.FileExists("C:\\Dados\\item.dat"), Protected());
}

TEST_P(PrivilegeBoundaries, AHardLinkPlantedBeforeASecondInstallationHandsItNothing) {
  Install();
  // Under a protected file's name: only where users may add names.
  const bool under_protected = windows.files.DeleteFile("c:\\geolume\\geolume.exe") &&
                               windows.files.AddHardLink("c:\\geolume\\geolume.exe", kTarget, user);
  EXPECT_EQ(under_protected, !Protected());
  // In a folder of the users', under a file the next installation rewrites.
  ASSERT_TRUE(windows.files.DeleteFile("c:\\geolume\\Demos\\item.dat"));
  ASSERT_TRUE(windows.files.AddHardLink("c:\\geolume\\Demos\\item.dat", kTarget, user));
  windows.files.AddFile("D:\\demos\\Port\\item.dat", "demos, nova versao");
  windows.files.AddFile("D:\\programa\\geolume.exe", "MZ geolume, nova versao");
  Install();
  EXPECT_EQ(Content(kTarget) == kTargetBytes, Protected()) << Content(kTarget);
  EXPECT_EQ(Content("c:\\geolume\\geolume.exe"), "MZ geolume, nova versao");
}

// Deployment tools run the installer as the system account; on a Windows
// that keeps no temporary folder for it alone, its own is one every user
// may add to.
TEST_P(PrivilegeBoundaries, TheSystemAccountsFailureLogIsNeitherFollowedNorAppendedTo) {
  windows.system.temp_folder = "C:\\Windows\\Temp";
  windows.files.AddFolder(windows.system.temp_folder);
  windows.RunAs(user);
  ASSERT_TRUE(windows.files.WriteFile("C:\\Windows\\Temp\\Geolume-Instalar.log", "mine"));
  ASSERT_TRUE(windows.files.CreateFolders("C:\\Windows\\Temp\\Geolume"));
  ASSERT_TRUE(windows.files.AddHardLink("C:\\Windows\\Temp\\Geolume\\Geolume-Instalar.log", kTarget, user));
  EXPECT_EQ(Run({"/quiet", "/nada"}, platform::SystemAccount()), shell::kExitBadCommandLine);
  EXPECT_EQ(Content(kTarget) == kTargetBytes, Protected()) << Content(kTarget);
  EXPECT_EQ(Content("C:\\Windows\\Temp\\Geolume-Instalar.log"), "mine");
}

// Whatever a root that is a link leads to is not the product's to fill. The
// refusal is the installation's own, so it holds with the protection off too.
TEST_P(PrivilegeBoundaries, ARootThatIsAJunctionIsRefusedAndNothingIsWrittenThroughIt) {
  windows.RunAs(user);
  ASSERT_TRUE(windows.files.CreateFolders("C:\\Alvo"));
  ASSERT_TRUE(windows.files.AddJunction("c:\\geolume", "C:\\Alvo", user)) << windows.files.LastError();
  EXPECT_EQ(Run({"/quiet", "/acceptlicense", "/cad=none", "/log=" + std::string(kLog)}), shell::kExitFailure);
  EXPECT_NE(Content(kLog).find("junção ou link simbólico"), std::string::npos) << Content(kLog);
  EXPECT_EQ(windows.files.ListFolder("C:\\Alvo")->size(), 2u) << "only . and ..";
  EXPECT_FALSE(windows.registry.KeyExists(platform::RegistryRoot::LocalMachine, uninstall::kUninstallKey));
}

// Active Setup starts its command without the elevation step.
TEST(LogonProgram, EveryUsersLogonRunsTheProgramThatAsksForNoElevation) {
  testing_support::TestWindows windows;
  ui::HeadlessBackend backend;
  testing_support::SeedMachine(windows);
  ASSERT_EQ(shell::RunInstaller(backend, windows.platform, {}, {"/quiet", "/acceptlicense", "/cad=none"}),
            shell::kExitRestartNeeded);
  const auto stub = windows.registry.ReadValue(platform::RegistryRoot::LocalMachine, uninstall::kCadSetupKey,
                                               "StubPath");
  ASSERT_TRUE(stub);
  windows.RunAs(platform::StandardUser());
  EXPECT_TRUE(windows.processes.StartHidden(stub->text)) << stub->text;
  // The uninstaller, which Windows' list of programs starts elevated, the logon cannot start.
  EXPECT_FALSE(windows.processes.StartHidden("\"" + uninstall::UninstallerPath(windows.shell) +
                                             "\" /configurecad /quiet"));
  EXPECT_EQ(windows.processes.LastError(), 740u);
}

}  // namespace
