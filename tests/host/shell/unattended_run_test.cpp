// The installer as deployment tools start it: quiet or passive, the log, and
// each exit code, on a seeded in-memory machine. The headless backend records
// every box, so a quiet run that shows one fails here.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cad/cad_messages.h"
#include "cad/own_startup_files.h"
#include "shell/exit_codes.h"
#include "shell/installation_window.h"
#include "shell/installer.h"
#include "shell/logon_program.h"
#include "shell/main_form.h"
#include "shell/run_log.h"
#include "text/case_folding.h"
#include "tests/host/cad/cad_profiles.h"
#include "tests/host/install/install_fixture.h"
#include "tests/host/shell/seeded_machine.h"
#include "tests/host/shell/test_windows.h"
#include "ui/application.h"
#include "ui/headless_backend.h"
#include "uninstall/logon_setup.h"
#include "uninstall/uninstall_locations.h"

namespace {

using platform::RegistryRoot;

constexpr char kLog[] = "C:\\Logs\\geolume.log";
constexpr char kSpanishDemo[] = "c:\\geolume\\demos\\item.dat";

class UnattendedRun : public ::testing::Test {
 protected:
  testing_support::TestWindows windows;
  ui::HeadlessBackend backend;
  std::string autocad;

  void SetUp() override {
    testing_support::SeedMachine(windows);
    autocad =
        cad_testing::AddAutoCadProfile(windows.registry, "R24.0\\ACAD-4101:416", "<<Unnamed Profile>>", "C:\\Suporte");
  }

  int Run(const std::vector<std::string>& arguments) {
    return shell::RunInstaller(backend, windows.platform, {}, arguments);
  }

  std::string Log() {
    const auto entry = windows.files.Inspect(kLog);
    return entry ? entry->content : "(no log)";
  }

  // The machine without the log, to tell that a run changed nothing.
  std::string Machine() {
    std::string files;
    std::istringstream lines(windows.files.Export());
    for (std::string line; std::getline(lines, line);) {
      if (line.find("geolume.log") == std::string::npos) files += line + "\n";
    }
    return files + windows.registry.Export();
  }

  std::string SearchPath() { return cad_testing::StringAt(windows.registry, autocad + "\\General", "ACAD"); }

  void ExpectNoBox() {
    EXPECT_TRUE(backend.messages.empty()) << backend.messages.front().text;
    EXPECT_TRUE(backend.errors.empty()) << backend.errors.front();
    EXPECT_TRUE(backend.modal_forms.empty()) << backend.modal_forms.front();
  }

  bool Installed() { return windows.registry.KeyExists(RegistryRoot::LocalMachine, uninstall::kUninstallKey); }
};

TEST_F(UnattendedRun, QuietSpanishInstallationLogsEveryStepAndSaysARestartIsNeeded) {
  EXPECT_EQ(Run({"/quiet", "/acceptlicense", "/lang=es", "/log=" + std::string(kLog)}), shell::kExitRestartNeeded);
  ExpectNoBox();
  EXPECT_EQ(windows.files.Inspect(kSpanishDemo)->content, "demos\\Esp\\item.dat");
  EXPECT_TRUE(Installed());
  const std::string log = Log();
  // Each line after the local time, Windows' line breaks, the steps and the
  // file pairs.
  EXPECT_EQ(log.rfind("2026-03-02 08:30:00  ", 0), 0u) << log;
  EXPECT_NE(log.find("\\geo32.dll"), std::string::npos) << log;
  EXPECT_NE(log.find("Windows debe reiniciarse para concluir la instalación.\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("Código de salida: 3010\r\n"), std::string::npos) << log;
  // Every profile of the user, as the panel would have configured it.
  EXPECT_NE(SearchPath().find("C:\\geolume"), std::string::npos) << SearchPath();
  EXPECT_NE(log.find("Information: "), std::string::npos) << log;
}

TEST_F(UnattendedRun, QuietInstallationLeavesTheMachineAsTheInteractiveOneInTheSameLanguage) {
  ASSERT_EQ(Run({"-QUIET", "-AcceptLicense", "-Lang=ES", "/cad=none"}), shell::kExitRestartNeeded);
  ExpectNoBox();

  testing_support::TestWindows interactive;
  testing_support::SeedMachine(interactive);
  cad_testing::AddAutoCadProfile(interactive.registry, "R24.0\\ACAD-4101:416", "<<Unnamed Profile>>", "C:\\Suporte");
  ui::HeadlessBackend window_backend;
  ui::Application app(window_backend);
  shell::InstallerState state;
  shell::MainForm form(app, interactive.platform, state);
  window_backend.Realize(form);
  form.FormCreate();
  form.lblEspanholClick();
  state.agreement_accepted = true;
  shell::RunInstallation(form, [] {});
  ASSERT_TRUE(window_backend.messages.empty()) << window_backend.messages.front().text;

  EXPECT_EQ(windows.files.Export(), interactive.files.Export());
  EXPECT_EQ(windows.registry.Export(), interactive.registry.Export());
}

TEST_F(UnattendedRun, NothingForTheSystemFolderIsPlainSuccess) {
  ASSERT_TRUE(windows.files.DeleteFile("D:\\sistema\\geo32.dll"));
  EXPECT_EQ(Run({"/quiet", "/acceptlicense", "/log=" + std::string(kLog)}), shell::kExitSuccess);
  ExpectNoBox();
  EXPECT_TRUE(Installed());
  EXPECT_NE(Log().find("Instalação concluída.\r\n"), std::string::npos) << Log();
  EXPECT_NE(Log().find("Código de saída: 0\r\n"), std::string::npos) << Log();
}

TEST_F(UnattendedRun, WithoutTheLicenceInTheCommandNothingChanges) {
  const std::string before = Machine();
  for (const char* mode : {"/quiet", "/passive"}) {
    EXPECT_EQ(Run({mode, "/log=" + std::string(kLog)}), shell::kExitDeclined) << mode;
    ExpectNoBox();
    EXPECT_EQ(Machine(), before) << mode;
  }
  EXPECT_NE(Log().find("/acceptlicense"), std::string::npos) << Log();
  EXPECT_NE(Log().find("Código de saída: 1602"), std::string::npos) << Log();
}

TEST_F(UnattendedRun, ALogInAFolderThatIsNotThereYetGetsTheFolder) {
  const std::string log = "C:\\Logs\\Geolume\\2026\\instalar.log";
  EXPECT_EQ(Run({"/quiet", "/log=" + log}), shell::kExitDeclined);
  const auto entry = windows.files.Inspect(log);
  ASSERT_TRUE(entry);
  EXPECT_NE(entry->content.find("Código de saída: 1602"), std::string::npos) << entry->content;
}

TEST_F(UnattendedRun, AMissingMediumFolderFailsTheRun) {
  ASSERT_TRUE(windows.files.DeleteFile("D:\\sistema\\geo32.dll"));
  ASSERT_TRUE(windows.files.RemoveFolder("D:\\sistema"));
  EXPECT_EQ(Run({"/quiet", "/acceptlicense", "/log=" + std::string(kLog)}), shell::kExitFailure);
  ExpectNoBox();
  EXPECT_NE(Log().find("Erro na Instalação: Não existe o diretório D:\\sistema\\"), std::string::npos) << Log();
  // Nothing after the copy: no way back out is registered, no profile touched.
  EXPECT_FALSE(Installed());
  EXPECT_EQ(SearchPath(), "C:\\Suporte");
}

// The window shows a file that cannot be copied and goes on; with nobody to
// see it, the run goes on as well, logs it and, as the installation passes
// over it, does not fail for it.
TEST_F(UnattendedRun, AFileThatCannotBeCopiedIsLoggedAndPassedOverAsTheWindowDoes) {
  windows.files.FailCopyOnce("c:\\Geolume\\geolume.exe", 5);
  EXPECT_EQ(Run({"/passive", "/acceptlicense", "/log=" + std::string(kLog)}), shell::kExitRestartNeeded);
  ExpectNoBox();
  EXPECT_NE(Log().find("geolume.exe"), std::string::npos) << Log();
  EXPECT_TRUE(Installed());
  EXPECT_TRUE(windows.files.FileExists("c:\\geolume\\shared.txt"));
}

// The product's own startup files go into its folder, which only an
// installation makes: the error the window would show fails the run.
TEST_F(UnattendedRun, ConfigureCadWithoutTheProductsFolderFails) {
  EXPECT_EQ(Run({"/configurecad", "/quiet", "/log=" + std::string(kLog)}), shell::kExitFailure);
  ExpectNoBox();
  EXPECT_NE(Log().find("Erro na Instalação: "), std::string::npos) << Log();
  EXPECT_NE(Log().find("c:\\geolume\\acad.lsp"), std::string::npos) << Log();
}

TEST_F(UnattendedRun, ConfigureCadConfiguresEveryProfileAndInstallsNothing) {
  windows.files.AddFolder("c:\\geolume");
  cad_testing::AddBricsCadProfile(windows.registry, "V23x64", "Default", "C:\\Brics");
  EXPECT_EQ(Run({"/configurecad", "/quiet", "/log=" + std::string(kLog)}), shell::kExitSuccess) << Log();
  ExpectNoBox();
  EXPECT_NE(SearchPath().find("C:\\geolume"), std::string::npos) << SearchPath();
  EXPECT_NE(cad_testing::StringAt(windows.registry, "\\Software\\Bricsys\\BricsCAD\\V23x64\\Profiles\\Default\\Config",
                                  "SRCHPATH")
                .find("C:\\geolume"),
            std::string::npos);
  EXPECT_FALSE(Installed());
  EXPECT_FALSE(windows.files.FileExists("c:\\geolume\\geolume.exe"));
  // Recorded in the user's own record, for the uninstall.
  EXPECT_TRUE(windows.files.FileExists(uninstall::UserCadRecordPath(windows.shell)));
}

TEST_F(UnattendedRun, ARunningHostFailsTheConfigurationWithItsMessageInTheLog) {
  windows.processes.SetRunning({"C:\\Autodesk\\acad.exe"});
  EXPECT_EQ(Run({"/configurecad", "/quiet", "/log=" + std::string(kLog)}), shell::kExitFailure);
  ExpectNoBox();
  EXPECT_NE(Log().find(cad::messages::kAutoCadOpen), std::string::npos) << Log();
  EXPECT_EQ(SearchPath(), "C:\\Suporte");
}

TEST_F(UnattendedRun, ConfigureCadWithSomeoneAtTheScreenShowsThePanelsBoxes) {
  windows.processes.SetRunning({"C:\\Autodesk\\acad.exe"});
  EXPECT_EQ(Run({"/configurecad"}), shell::kExitFailure);
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_EQ(backend.messages[0].text, cad::messages::kAutoCadOpen);
}

TEST_F(UnattendedRun, CadNoneLeavesTheProfiles) {
  EXPECT_EQ(Run({"/quiet", "/acceptlicense", "/cad=none"}), shell::kExitRestartNeeded);
  EXPECT_EQ(SearchPath(), "C:\\Suporte");
}

TEST_F(UnattendedRun, ABadArgumentChangesNothingAndIsNamed) {
  const std::string before = Machine();
  EXPECT_EQ(Run({"/quiet", "/acceptlicense", "/lang=fr", "/log=" + std::string(kLog)}), shell::kExitBadCommandLine);
  ExpectNoBox();
  EXPECT_NE(Log().find("Opção inválida na linha de comando: /lang=fr"), std::string::npos) << Log();
  EXPECT_NE(Log().find("Código de saída: 87\r\n"), std::string::npos) << Log();
  EXPECT_EQ(Machine(), before);

  EXPECT_EQ(Run({"/instalar", "/acceptlicense"}), shell::kExitBadCommandLine);
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_EQ(backend.messages[0].text, "Opção inválida na linha de comando: /instalar");
  EXPECT_EQ(Machine(), before);
}

TEST_F(UnattendedRun, HelpListsTheSwitchesInTheSystemsLanguage) {
  EXPECT_EQ(Run({"/?"}), shell::kExitSuccess);
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_NE(backend.messages[0].text.find("/acceptlicense - aceita o contrato"), std::string::npos);

  backend.messages.clear();
  windows.locale.SetSystem(0x0C0A);
  EXPECT_EQ(Run({"-HELP"}), shell::kExitSuccess);
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_NE(backend.messages[0].text.find("/acceptlicense - acepta el contrato"), std::string::npos)
      << backend.messages[0].text;
  EXPECT_FALSE(Installed());

  // Quiet, the list goes to the log only.
  backend.messages.clear();
  EXPECT_EQ(Run({"/help", "/quiet", "/log=" + std::string(kLog)}), shell::kExitSuccess);
  ExpectNoBox();
  EXPECT_NE(Log().find("/acceptlicense - acepta el contrato"), std::string::npos) << Log();
}

// /norestart with someone at the screen: the prompt is not offered, the code
// says it.
TEST(NoRestart, TheExitCodeSaysWhatThePromptWouldHaveAsked) {
  testing_support::TestWindows windows;
  ui::HeadlessBackend backend;
  ui::Application app(backend);
  shell::InstallerState state;
  shell::MainForm form(app, windows.platform, state);
  backend.Realize(form);
  form.FormCreate();
  state.restart_needed = true;
  state.offer_restart = false;
  form.FormClose();
  EXPECT_TRUE(backend.modal_forms.empty());
  EXPECT_EQ(backend.exit_code, shell::kExitRestartNeeded);
  // No restart needed: the plain end.
  state.restart_needed = false;
  form.FormClose();
  EXPECT_EQ(backend.exit_code, shell::kExitSuccess);
}

}  // namespace

namespace {

TEST_F(UnattendedRun, QuietUninstallSaysInTheLogWhatItsClosingBoxWould) {
  ASSERT_EQ(Run({"/quiet", "/acceptlicense", "/lang=es"}), shell::kExitRestartNeeded);
  ASSERT_NE(SearchPath().find("C:\\geolume"), std::string::npos);
  EXPECT_EQ(Run({"/uninstall", "/quiet", "/log=" + std::string(kLog)}), shell::kExitSuccess);
  ExpectNoBox();
  EXPECT_FALSE(Installed());
  EXPECT_EQ(SearchPath(), "C:\\Suporte");
  EXPECT_NE(Log().find("Desinstalación del Geolume: La desinstalación fue concluida."), std::string::npos) << Log();
  EXPECT_NE(Log().find("Código de salida: 0\r\n"), std::string::npos) << Log();
}

// Windows that cannot list its processes, as when the snapshot call itself
// breaks down rather than fails.
struct BrokenProcesses : platform::Processes {
  bool StartHidden(const std::string&) override { return false; }
  bool RunHiddenAndWait(const std::string&, std::uint32_t) override { return false; }
  std::uint32_t LastError() override { return 2; }
  std::optional<std::vector<std::string>> RunningExecutables() override {
    throw std::runtime_error("Tool Help broke down");
  }
};

TEST_F(UnattendedRun, AnUninstallThatBreaksDownIsAFailureTheLogExplains) {
  ASSERT_EQ(Run({"/quiet", "/acceptlicense"}), shell::kExitRestartNeeded);
  BrokenProcesses broken;
  platform::Platform machine{windows.registry, windows.files,  windows.shell,    broken,
                             windows.system,   windows.locale, windows.resources};
  EXPECT_EQ(shell::RunInstaller(backend, machine, {}, {"/uninstall", "/quiet", "/log=" + std::string(kLog)}),
            shell::kExitFailure);
  ExpectNoBox();
  EXPECT_NE(Log().find("Tool Help broke down"), std::string::npos) << Log();
  EXPECT_NE(Log().find("Código de saída: 1603\r\n"), std::string::npos) << Log();

  // With someone at the screen the same error is shown, and the code is the
  // same.
  backend.answers.push_back(true);
  EXPECT_EQ(shell::RunInstaller(backend, machine, {}, {"/uninstall"}), shell::kExitFailure);
  ASSERT_EQ(backend.errors.size(), 1u);
  EXPECT_NE(backend.errors.front().find("Tool Help broke down"), std::string::npos) << backend.errors.front();
}

}  // namespace

namespace {

constexpr auto kMachine = RegistryRoot::LocalMachine;
constexpr char kAdminLocal[] = "C:\\Users\\Usuario\\AppData\\Local";
constexpr char kMariaLocal[] = "C:\\Users\\Maria\\AppData\\Local";

// Windows' own logon: the entry's command run as the user who logs on, from
// where it names, without elevation. The in-memory machine has one user
// hive, which stands for the hive of whoever is "logged on"; each user has a
// local folder of their own.
class LogonSetup : public UnattendedRun {
 protected:
  void SetUp() override {
    UnattendedRun::SetUp();
    GiveToTheUser(kMariaLocal);
    GiveToTheUser(windows.system.temp_folder);
  }

  // A profile's own folders: the user who logs on owns them and may do
  // anything in them, as Windows makes them.
  void GiveToTheUser(const std::string& folder) {
    const std::string user = platform::StandardUser().sid;
    windows.files.AddFolder(folder);
    windows.files.SetAccessForTest(folder, "O:" + user + "D:(A;OICI;FA;;;" + user + ")");
  }

  void LogOnAs(const std::string& local_folder) {
    windows.shell.SetSpecialFolder(platform::kFolderLocalAppData, local_folder);
  }

  std::string Value(const char* key, const char* name) {
    const auto value = windows.registry.ReadValue(kMachine, key, name);
    return value ? value->text : "(missing)";
  }

  std::optional<std::string> Retry(const char* name) {
    const auto value = windows.registry.ReadValue(RegistryRoot::CurrentUser, uninstall::kRunOnceKey, name);
    if (!value) return std::nullopt;
    return value->text;
  }

  std::string KeptLog() {
    const auto log = windows.files.Inspect(windows.system.temp_folder + "\\" + shell::kFailedRunLog);
    return log ? log->content : "(no log)";
  }

  // Runs a command as Windows' logon does: its program, its switches, as a
  // standard user. Only the logon program may stand there: Windows refuses
  // the installer's (740) at logon.
  int RunAtLogon(const std::string& command) {
    const std::size_t end = command.find('"', 1);
    EXPECT_EQ(command[0], '"');
    windows.system.program_path = command.substr(1, end - 1);
    EXPECT_EQ(windows.system.program_path, uninstall::LogonProgramPath(windows.shell)) << command;
    std::vector<std::string> arguments;
    std::istringstream words(command.substr(end + 1));
    for (std::string word; words >> word;) arguments.push_back(word);
    windows.system.account = platform::Account::StandardUser;
    windows.files.SetStandardUser(true);
    const int code = shell::RunLogonProgram(backend, windows.platform, arguments);
    windows.files.SetStandardUser(false);
    windows.system.account = platform::Account::Administrator;
    return code;
  }

  int RunEntry(const char* key) { return RunAtLogon(Value(key, "StubPath")); }

  // An installation without /cad=none leaves the product's startup files to
  // the installing account's configuration, which writes them elevated.
  void InstallForEveryUser() {
    ASSERT_EQ(Run({"/quiet", "/acceptlicense", "/cad=none"}), shell::kExitRestartNeeded);
    cad::WriteStartupFiles(windows.files);
  }

  // Everything in c:\geolume, as the file export lists it.
  std::string ProductFolder() {
    std::string lines;
    std::istringstream exported(windows.files.Export());
    for (std::string line; std::getline(exported, line);) {
      if (text::LowerAscii(line.substr(0, 11)) == "c:\\geolume\\") lines += line + "\n";
    }
    return lines;
  }

  std::string MariasRecord() { return std::string(kMariaLocal) + "\\Geolume\\Configuracao-CAD.txt"; }
};

TEST_F(LogonSetup, EveryUserIsConfiguredAtLogonAndGivenBackAfterTheUninstall) {
  InstallForEveryUser();
  const std::string uninstaller = uninstall::UninstallerPath(windows.shell);
  const std::string logon_program = uninstall::LogonProgramPath(windows.shell);
  EXPECT_EQ(Value(uninstall::kCadSetupKey, "StubPath"), "\"" + logon_program + "\" /configurecad /quiet");
  ASSERT_TRUE(windows.files.Inspect(logon_program));
  EXPECT_EQ(windows.files.Inspect(logon_program)->content, testing_support::kLogonProgramImage);
  EXPECT_TRUE(windows.files.Inspect(logon_program)->protected_access);
  EXPECT_EQ(Value(uninstall::kCadSetupKey, "Version"), "1,0,0,1");
  EXPECT_EQ(windows.registry.ReadValue(kMachine, uninstall::kCadSetupKey, "IsInstalled")->number, 1u);

  LogOnAs(kMariaLocal);
  EXPECT_EQ(RunEntry(uninstall::kCadSetupKey), shell::kExitSuccess);
  ExpectNoBox();
  EXPECT_NE(SearchPath().find("C:\\geolume"), std::string::npos);
  EXPECT_TRUE(windows.files.FileExists(MariasRecord()));

  // The administrator's uninstall cannot reach Maria's hive: it leaves her a
  // restore.
  LogOnAs(kAdminLocal);
  windows.system.program_path = uninstaller;
  EXPECT_EQ(Run({"/uninstall", "/quiet"}), shell::kExitSuccess);
  ExpectNoBox();
  EXPECT_FALSE(Installed());
  EXPECT_FALSE(windows.registry.KeyExists(kMachine, uninstall::kCadSetupKey));
  EXPECT_EQ(Value(uninstall::kCadRestoreKey, "StubPath"), "\"" + logon_program + "\" /uninstall /quiet");
  EXPECT_EQ(Value(uninstall::kCadRestoreKey, "Version"), "1,0,0,2");
  // The logon program stays for the logons to come; the running uninstaller
  // goes when Windows next starts, but not the folder that holds the other.
  EXPECT_TRUE(windows.files.FileExists(logon_program));
  EXPECT_EQ(windows.files.DeletedAtRestart(), std::vector<std::string>{uninstaller});

  LogOnAs(kMariaLocal);
  EXPECT_EQ(RunEntry(uninstall::kCadRestoreKey), shell::kExitSuccess);
  ExpectNoBox();
  EXPECT_EQ(SearchPath(), "C:\\Suporte");
  EXPECT_FALSE(windows.files.FileExists(MariasRecord()));
  // A user who never had a configuration is left alone.
  LogOnAs(kAdminLocal);
  EXPECT_EQ(RunEntry(uninstall::kCadRestoreKey), shell::kExitSuccess);
  EXPECT_EQ(SearchPath(), "C:\\Suporte");
}

// A profile whose local folder Windows does not name is still configured,
// but its record must not start at the drive's root, in c:\Geolume, which
// every user shares.
TEST_F(LogonSetup, AUserWithoutALocalFolderIsConfiguredWithoutARecordInASharedFolder) {
  InstallForEveryUser();
  LogOnAs("");
  EXPECT_EQ(RunEntry(uninstall::kCadSetupKey), shell::kExitSuccess);
  ExpectNoBox();
  EXPECT_NE(SearchPath().find("C:\\geolume"), std::string::npos);
  EXPECT_EQ(windows.files.Export().find("Configuracao-CAD.txt"), std::string::npos) << windows.files.Export();
}

TEST_F(LogonSetup, AnInstallationAfterAnUninstallTakesTheRestoreBackWithAHigherVersion) {
  ASSERT_EQ(Run({"/quiet", "/acceptlicense", "/cad=none"}), shell::kExitRestartNeeded);
  windows.system.program_path = uninstall::UninstallerPath(windows.shell);
  ASSERT_EQ(Run({"/uninstall", "/quiet"}), shell::kExitSuccess);
  windows.system.program_path = "D:\\Instalar.exe";
  ASSERT_EQ(Run({"/quiet", "/acceptlicense", "/cad=none"}), shell::kExitRestartNeeded);
  EXPECT_FALSE(windows.registry.KeyExists(kMachine, uninstall::kCadRestoreKey));
  // Users already configured once, then given back, are configured again.
  EXPECT_EQ(Value(uninstall::kCadSetupKey, "Version"), "1,0,0,3");
}

// Windows counts the failed run as done: the program arranges its own next
// run, with the same command, and the run that finishes takes it away.
TEST_F(LogonSetup, AFailedConfigurationAtLogonLogsInTheUsersTemporaryFolderAndComesAgainAtTheNextLogon) {
  ASSERT_EQ(Run({"/quiet", "/acceptlicense"}), shell::kExitRestartNeeded);
  // Maria's hive, not yet configured.
  windows.registry.SetString(RegistryRoot::CurrentUser, autocad + "\\General", "ACAD", "C:\\Suporte");
  windows.processes.SetRunning({"C:\\Autodesk\\acad.exe"});
  EXPECT_EQ(RunEntry(uninstall::kCadSetupKey), shell::kExitFailure);
  ExpectNoBox();
  EXPECT_NE(KeptLog().find(cad::messages::kAutoCadOpen), std::string::npos) << KeptLog();
  EXPECT_NE(KeptLog().find("Código de saída: 1603"), std::string::npos) << KeptLog();
  EXPECT_EQ(SearchPath(), "C:\\Suporte");
  EXPECT_EQ(Retry(uninstall::kCadSetupRetry), Value(uninstall::kCadSetupKey, "StubPath"));

  // A run that succeeds leaves nothing there, and nothing to run again.
  windows.processes.SetRunning({});
  ASSERT_TRUE(windows.files.DeleteFile(windows.system.temp_folder + "\\" + shell::kFailedRunLog));
  EXPECT_EQ(RunAtLogon(*Retry(uninstall::kCadSetupRetry)), shell::kExitSuccess) << KeptLog();
  ExpectNoBox();
  EXPECT_NE(SearchPath().find("C:\\geolume"), std::string::npos);
  EXPECT_FALSE(windows.files.FileExists(windows.system.temp_folder + "\\" + shell::kFailedRunLog));
  EXPECT_FALSE(Retry(uninstall::kCadSetupRetry));
}

// The user may not write c:\geolume and the logon program does not try: an
// old menu file the elevated configuration deletes, and the product's own
// acad.lsp on the search path, which it deletes and writes again, stay as
// they are.
TEST_F(LogonSetup, TheLogonRunChangesNothingInTheProductsFolder) {
  ASSERT_EQ(Run({"/quiet", "/acceptlicense"}), shell::kExitRestartNeeded);
  windows.files.AddFile("c:\\geolume\\geolume.mns", "menu");
  windows.registry.SetString(RegistryRoot::CurrentUser, autocad + "\\General", "ACAD", "C:\\Suporte;C:\\geolume");
  const std::string before = ProductFolder();
  ASSERT_NE(before.find("acad.lsp"), std::string::npos) << before;

  EXPECT_EQ(RunEntry(uninstall::kCadSetupKey), shell::kExitSuccess) << KeptLog();
  ExpectNoBox();
  EXPECT_EQ(ProductFolder(), before);
  EXPECT_EQ(SearchPath(), "C:\\Suporte;C:\\geolume;C:\\geolume\\simbolos");
  EXPECT_FALSE(Retry(uninstall::kCadSetupRetry));

  // The installer's own configuration, elevated, does change it: the
  // comparison sees what the logon run leaves alone.
  EXPECT_EQ(Run({"/configurecad", "/quiet"}), shell::kExitSuccess);
  EXPECT_NE(ProductFolder(), before);
  EXPECT_FALSE(windows.files.FileExists("c:\\geolume\\geolume.mns"));
}

// An administrator changed acad.lsp, or an installation with /cad=none never
// wrote the startup files: the user's profiles are configured all the same,
// the log names the file, and the run, incomplete, comes again.
TEST_F(LogonSetup, AStartupFileWithOtherBytesIsLoggedAndLeftAsItIs) {
  InstallForEveryUser();
  windows.files.SetAttributes(cad::kAcadStartupFile, platform::kAttributeNormal);
  ASSERT_TRUE(windows.files.WriteFile(cad::kAcadStartupFile, "(princ)\r\n"));
  ASSERT_TRUE(windows.files.DeleteFile(cad::kOnStartStartupFile));
  const std::string before = ProductFolder();

  EXPECT_EQ(RunEntry(uninstall::kCadSetupKey), shell::kExitFailure);
  ExpectNoBox();
  EXPECT_NE(SearchPath().find("C:\\geolume"), std::string::npos) << SearchPath();
  EXPECT_EQ(ProductFolder(), before);
  EXPECT_NE(KeptLog().find("O arquivo c:\\geolume\\acad.lsp não contém o que o Geolume escreve nele"),
            std::string::npos)
      << KeptLog();
  EXPECT_NE(KeptLog().find("c:\\geolume\\on_start.lsp"), std::string::npos) << KeptLog();
  EXPECT_TRUE(Retry(uninstall::kCadSetupRetry));

  // Once an administrator has put them right, the next logon finishes.
  cad::WriteStartupFiles(windows.files);
  EXPECT_EQ(RunAtLogon(*Retry(uninstall::kCadSetupRetry)), shell::kExitSuccess) << KeptLog();
  EXPECT_FALSE(Retry(uninstall::kCadSetupRetry));
}

TEST_F(LogonSetup, ARestoreWhileAHostRunsComesAgainAndSupersedesAWaitingConfiguration) {
  InstallForEveryUser();
  LogOnAs(kMariaLocal);
  windows.processes.SetRunning({"C:\\Autodesk\\acad.exe"});
  ASSERT_EQ(RunEntry(uninstall::kCadSetupKey), shell::kExitFailure);
  ASSERT_TRUE(Retry(uninstall::kCadSetupRetry));
  windows.processes.SetRunning({});
  ASSERT_EQ(RunEntry(uninstall::kCadSetupKey), shell::kExitSuccess);

  LogOnAs(kAdminLocal);
  windows.system.program_path = uninstall::UninstallerPath(windows.shell);
  ASSERT_EQ(Run({"/uninstall", "/quiet"}), shell::kExitSuccess);
  LogOnAs(kMariaLocal);
  windows.registry.SetString(RegistryRoot::CurrentUser, uninstall::kRunOnceKey, uninstall::kCadSetupRetry,
                             Value(uninstall::kCadRestoreKey, "StubPath"));
  windows.processes.SetRunning({"C:\\Autodesk\\acad.exe"});
  EXPECT_EQ(RunEntry(uninstall::kCadRestoreKey), shell::kExitFailure);
  ExpectNoBox();
  EXPECT_NE(KeptLog().find(cad::messages::kAutoCadOpen), std::string::npos) << KeptLog();
  EXPECT_EQ(Retry(uninstall::kCadRestoreRetry), Value(uninstall::kCadRestoreKey, "StubPath"));
  EXPECT_FALSE(Retry(uninstall::kCadSetupRetry));
  EXPECT_NE(SearchPath().find("C:\\geolume"), std::string::npos);

  windows.processes.SetRunning({});
  EXPECT_EQ(RunAtLogon(*Retry(uninstall::kCadRestoreRetry)), shell::kExitSuccess) << KeptLog();
  EXPECT_EQ(SearchPath(), "C:\\Suporte");
  EXPECT_FALSE(Retry(uninstall::kCadRestoreRetry));
}

// The logon program's restore is the user's alone: with the product still
// installed it gives back the user's profiles and uninstalls nothing.
TEST_F(LogonSetup, TheLogonRestoreNeverUninstallsTheProduct) {
  InstallForEveryUser();
  LogOnAs(kMariaLocal);
  ASSERT_EQ(RunEntry(uninstall::kCadSetupKey), shell::kExitSuccess);
  const std::string before = ProductFolder();
  EXPECT_EQ(RunAtLogon("\"" + uninstall::LogonProgramPath(windows.shell) + "\" /uninstall /quiet"),
            shell::kExitSuccess);
  ExpectNoBox();
  EXPECT_EQ(SearchPath(), "C:\\Suporte");
  EXPECT_TRUE(Installed());
  EXPECT_EQ(ProductFolder(), before);
  EXPECT_TRUE(windows.registry.KeyExists(kMachine, uninstall::kCadSetupKey));
}

TEST_F(LogonSetup, AnyOtherSwitchIsRefusedWith87InTheUsersLogAndChangesNothing) {
  InstallForEveryUser();
  const std::string program = "\"" + uninstall::LogonProgramPath(windows.shell) + "\"";
  const std::string before = Machine();
  for (const std::string switches : {" /quiet /acceptlicense", " /configurecad /uninstall /quiet", " /quiet",
                                     " /configurecad /quiet /lang=es"}) {
    ASSERT_TRUE(windows.files.DeleteFile(windows.system.temp_folder + "\\" + shell::kFailedRunLog) ||
                !windows.files.FileExists(windows.system.temp_folder + "\\" + shell::kFailedRunLog));
    EXPECT_EQ(RunAtLogon(program + switches), shell::kExitBadCommandLine) << switches;
    ExpectNoBox();
    EXPECT_NE(KeptLog().find("Código de saída: 87"), std::string::npos) << KeptLog();
    EXPECT_EQ(Machine().find("RunOnce"), std::string::npos) << switches;
  }
  EXPECT_NE(KeptLog().find("Opção inválida na linha de comando: /lang=es"), std::string::npos) << KeptLog();
}

// An installation made before the logon program existed named the
// uninstaller at logon and carried no logon program; the uninstall puts one
// in place and names it.
TEST_F(LogonSetup, TheUninstallOfAnOlderInstallationNamesTheLogonProgramItPutsInPlace) {
  InstallForEveryUser();
  const std::string uninstaller = uninstall::UninstallerPath(windows.shell);
  const std::string logon_program = uninstall::LogonProgramPath(windows.shell);
  windows.registry.SetString(kMachine, uninstall::kCadSetupKey, "StubPath",
                             "\"" + uninstaller + "\" /configurecad /quiet");
  ASSERT_TRUE(windows.files.DeleteFile(logon_program));
  windows.system.program_path = "D:\\Instalar.exe";
  ASSERT_EQ(Run({"/uninstall", "/quiet"}), shell::kExitSuccess);
  EXPECT_EQ(Value(uninstall::kCadRestoreKey, "StubPath"), "\"" + logon_program + "\" /uninstall /quiet");
  ASSERT_TRUE(windows.files.Inspect(logon_program));
  EXPECT_TRUE(windows.files.Inspect(logon_program)->protected_access);
  EXPECT_FALSE(windows.files.FileExists(uninstaller));
}

}  // namespace
