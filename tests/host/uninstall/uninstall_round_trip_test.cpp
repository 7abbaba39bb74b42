// Install, configure and uninstall on an in-memory machine seeded like a
// surveyor's: the registry and the files end as they were, but for the
// user's tables and what the user changed in between.
#include <sstream>

#include "install/component_registration.h"
#include "record/change_record.h"
#include "shell/uninstall_command.h"
#include "tests/host/cad/cad_profiles.h"
#include "tests/host/install/install_fixture.h"
#include "uninstall/logon_setup.h"
#include "uninstall/uninstall_locations.h"

namespace {

using platform::RegistryRoot;

constexpr auto kClasses = RegistryRoot::ClassesRoot;
constexpr auto kMachine = RegistryRoot::LocalMachine;
constexpr char kSystemDll[] = "C:\\windows\\system32\\geo32.dll";
constexpr char kForeignDll[] = "C:\\windows\\system32\\comum.dll";
constexpr char kShared[] = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

// The export's lines that name none of the given paths.
std::string Without(const std::string& exported, const std::vector<std::string>& names) {
  std::string kept;
  std::istringstream lines(exported);
  for (std::string line; std::getline(lines, line);) {
    bool named = false;
    for (const auto& name : names) named = named || line.find(name) != std::string::npos;
    if (!named) kept += line + "\n";
  }
  return kept;
}

class UninstallRoundTrip : public install_testing::InstallTest {
 protected:
  void SetUp() override {
    InstallTest::SetUp();
    AddMedium();
    windows.files.AddFile("D:\\sistema\\comum.dll", "comum");
    windows.files.AddFile("D:\\programa\\plotsum.exe", "servidor");
    // Another program's file in the system folder, and its count.
    // The copy resets the attributes of a file it finds equal, as it always has.
    windows.files.AddFile(kForeignDll, "comum", platform::MemoryFileSystem::kDefaultClock, platform::kAttributeNormal);
    windows.registry.SetDword(kMachine, kShared, kForeignDll, 1);
    // Two extensions another program owns.
    windows.registry.SetString(kClasses, ".dat", "", "Outro.Dat");
    windows.registry.SetString(kClasses, ".dat", "Content Type", "text/plain");
    windows.registry.SetString(kClasses, ".raw", "", "Outro.Raw");
    windows.registry.SetString(kClasses, "Outro.Dat", "", "Dados de outro programa");
    // What every Windows has, and a user's table on the medium.
    windows.registry.AddKey(kClasses, "CLSID");
    windows.registry.AddKey(kMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
    windows.files.AddFolder("C:\\Program Files (x86)");
    windows.files.AddFolder("C:\\Users\\Usuario\\Desktop");
    windows.files.AddFolder("C:\\Users\\Usuario\\AppData\\Local");
    windows.files.AddFile("D:\\programa\\TabelaPessoasGeorreferenciamento.tbp", "vazia");
    registry_before = windows.registry.Export();
    files_before = windows.files.Export();
  }

  void Install() {
    state.agreement_accepted = true;
    Run();
  }

  int Uninstall(bool confirm = true) {
    backend.messages.clear();
    backend.answers = {confirm};
    return shell::RunUninstallCommand(main, false);
  }

  std::string Record() { return uninstall::MachineRecordPath(windows.shell); }

  // What the uninstall leaves on purpose: the restore at every user's next
  // logon, for those configured there, and the logon program it runs; the
  // uninstaller goes. Checked, then taken away, so that the rest compares
  // with the machine before.
  void TakeAwayLogonRestore() {
    const std::string logon_program = uninstall::LogonProgramPath(windows.shell);
    const auto command = windows.registry.ReadValue(kMachine, uninstall::kCadRestoreKey, "StubPath");
    EXPECT_EQ(command ? command->text : "(none)", "\"" + logon_program + "\" /uninstall /quiet");
    EXPECT_FALSE(windows.registry.KeyExists(kMachine, uninstall::kCadSetupKey));
    EXPECT_TRUE(windows.files.FileExists(logon_program));
    EXPECT_FALSE(windows.files.FileExists(uninstall::UninstallerPath(windows.shell)));
    windows.registry.DeleteKey(kMachine, "Software\\Microsoft\\Active Setup");
    windows.files.DeleteFile(logon_program);
    windows.files.RemoveFolder(uninstall::GroupFolder(windows.shell));
  }

  std::string registry_before;
  std::string files_before;
};

TEST_F(UninstallRoundTrip, GivesEverythingBackButTheUsersTables) {
  Portuguese();
  Install();
  ASSERT_TRUE(backend.messages.empty()) << backend.messages[0].text;
  EXPECT_EQ(windows.registry.ReadValue(kMachine, kShared, kSystemDll)->number, 1u);
  EXPECT_EQ(windows.registry.ReadValue(kMachine, kShared, kForeignDll)->number, 2u);
  EXPECT_EQ(windows.registry.ReadValue(kClasses, ".dat", "")->text, "Arquivo DAT");

  EXPECT_EQ(Uninstall(), shell::kExitSuccess);
  ASSERT_EQ(backend.messages.size(), 2u);
  EXPECT_EQ(backend.messages[0].text,
            "Deseja remover o Sistema de Automação Topográfica Geolume e desfazer a configuração dos programas CAD?");
  EXPECT_EQ(backend.messages[1].text,
            "A desinstalação foi concluída. Ficaram no lugar:\r\nc:\\Geolume: contém arquivos que não são da "
            "instalação.");
  TakeAwayLogonRestore();
  EXPECT_EQ(windows.registry.Export(), registry_before);
  // The user's tables stay, and the root that holds them; nothing else is new.
  EXPECT_EQ(Without(windows.files.Export(), {"c:\\Geolume\\"}), Without(files_before, {}));
  EXPECT_TRUE(windows.files.FileExists("c:\\geolume\\TabelaPessoasGeorreferenciamento.tbp"));
  EXPECT_FALSE(windows.files.FileExists("c:\\geolume\\geolume.exe"));
  EXPECT_EQ(windows.files.Inspect(kForeignDll)->content, "comum");
  // Each component was unregistered as it was registered, and waited for.
  EXPECT_EQ(windows.processes.Started().back(), "c:\\geolume\\plotsum.exe /unregserver");
}

// A surveyor's CAD hosts: profiles of all three with foreign search-path
// entries and trusted paths, a foreign acad.lsp on a search path, a GstarCAD
// suite with other entries.
TEST_F(UninstallRoundTrip, InstallConfigureUninstallGivesEveryProfileBack) {
  using cad_testing::kUser;
  const std::string autocad = cad_testing::AddAutoCadProfile(windows.registry, "R24.0\\ACAD-4101:416",
                                                              "<<Unnamed Profile>>", "C:\\Suporte\\R24;D:\\Blocos");
  windows.registry.SetString(kUser, autocad + "\\Variables", "TRUSTEDPATHS", "C:\\Plugins\\...");
  windows.registry.SetDword(kUser, autocad + "\\Editor Configuration", "ACADLspAsDoc", 0);
  cad_testing::AddBricsCadProfile(windows.registry, "V23x64", "Default", "C:\\Suporte\\Brics");
  const std::string gstar =
      cad_testing::AddGstarCadProfile(windows.registry, "R23", "Default", "C:\\Suporte\\Gstar");
  windows.registry.SetString(kUser, gstar + "\\Dialogs\\Appload\\Startup", "NumStartup", "1");
  windows.registry.SetString(kUser, gstar + "\\Dialogs\\Appload\\Startup", "1Startup", "C:\\Suporte\\cotas.vlx");
  windows.files.AddFile("C:\\Suporte\\R24\\acad.lsp", "(princ \"escritorio\")");
  registry_before = windows.registry.Export();
  files_before = windows.files.Export();

  Portuguese();
  Install();
  main.cad_panel.ListCadProfiles();
  ASSERT_EQ(main.cadlist.Items().Count(), 3);
  main.Button1.Click();
  ASSERT_EQ(backend.messages.back().text, "Configuração no AutoCAD/BricsCAD/GstarCAD Efetuada com Sucesso.");
  EXPECT_FALSE(windows.files.FileExists("C:\\Suporte\\R24\\acad.lsp")) << "set aside";

  EXPECT_EQ(Uninstall(), shell::kExitSuccess);
  EXPECT_EQ(backend.messages.back().text,
            "A desinstalação foi concluída. Ficaram no lugar:\r\nc:\\Geolume: contém arquivos que não são da "
            "instalação.");
  TakeAwayLogonRestore();
  EXPECT_EQ(windows.registry.Export(), registry_before);
  EXPECT_EQ(Without(windows.files.Export(), {"c:\\Geolume\\"}), files_before);
  EXPECT_EQ(windows.files.Inspect("C:\\Suporte\\R24\\acad.lsp")->content, "(princ \"escritorio\")");
  EXPECT_FALSE(windows.files.FileExists(uninstall::UserCadRecordPath(windows.shell)));
}

TEST_F(UninstallRoundTrip, ASecondInstallationInSpanishKeepsTheFirstsFormerValues) {
  Portuguese();
  Install();
  Spanish();
  Install();
  EXPECT_EQ(windows.registry.ReadValue(kClasses, ".dat", "")->text, "Archivo DAT");
  EXPECT_EQ(windows.registry.ReadValue(kMachine, kShared, kSystemDll)->number, 1u) << "counted once";
  EXPECT_EQ(Uninstall(), shell::kExitSuccess);
  EXPECT_EQ(backend.messages[0].text,
            "¿Desea eliminar el Sistema de Automación Topográfica Geolume y deshacer la configuración de los "
            "programas CAD?");
  TakeAwayLogonRestore();
  EXPECT_EQ(windows.registry.Export(), registry_before);
}

TEST_F(UninstallRoundTrip, WhatTheUserChangedSinceStaysAndIsListed) {
  Portuguese();
  Install();
  windows.files.WriteFile("c:\\geolume\\shared.txt", "editado pelo usuário");
  windows.registry.SetString(kClasses, ".cad", "", "Editor.Preferido");
  EXPECT_EQ(Uninstall(), shell::kExitSuccess);
  const std::string& closing = backend.messages.back().text;
  EXPECT_NE(closing.find("c:\\Geolume\\shared.txt: alterado depois da instalação."), std::string::npos) << closing;
  EXPECT_NE(closing.find("HKEY_CLASSES_ROOT\\.cad: alterado depois da instalação."), std::string::npos) << closing;
  EXPECT_EQ(windows.files.Inspect("c:\\geolume\\shared.txt")->content, "editado pelo usuário");
  EXPECT_EQ(windows.registry.ReadValue(kClasses, ".cad", "")->text, "Editor.Preferido");
}

TEST_F(UninstallRoundTrip, DecliningOrAHostOpenChangesNothing) {
  Portuguese();
  Install();
  const std::string registry = windows.registry.Export();
  const std::string files = windows.files.Export();
  EXPECT_EQ(Uninstall(false), shell::kExitDeclined);
  windows.processes.AddRunning("C:\\Program Files\\Autodesk\\AutoCAD 2021\\acad.exe");
  EXPECT_EQ(Uninstall(), shell::kExitFailure);
  EXPECT_EQ(backend.messages.back().text.rfind("Existe um AutoCAD Aberto.", 0), 0u);
  EXPECT_EQ(windows.registry.Export(), registry);
  EXPECT_EQ(windows.files.Export(), files);
}

TEST_F(UninstallRoundTrip, ARecordCutHalfWayGivesBackTheHalfItHolds) {
  Portuguese();
  Install();
  // As if the run had stopped in the middle of the copy.
  const std::string text = *windows.files.ReadFile(Record());
  const std::size_t copied = text.find("c:\\Geolume\\Demos\\item.dat");
  ASSERT_NE(copied, std::string::npos);
  windows.files.WriteFile(Record(), text.substr(0, text.find('\n', copied) + 10));
  EXPECT_EQ(Uninstall(), shell::kExitSuccess);
  EXPECT_FALSE(windows.files.FileExists("c:\\geolume\\geolume.exe"));
  EXPECT_FALSE(windows.files.FileExists("c:\\geolume\\Demos\\item.dat"));
  // Past the cut, nothing is known of it: it stays.
  EXPECT_TRUE(windows.files.FileExists("c:\\geolume\\Modelos\\item.dat"));
  EXPECT_FALSE(windows.files.FileExists(Record()));
}

TEST_F(UninstallRoundTrip, ARecordNamingWhatNoInstallationWritesIsRefusedWithoutTouchingIt) {
  Portuguese();
  Install();
  windows.files.AddFile("C:\\windows\\win.ini", "[fonts]");
  windows.registry.SetString(kClasses, "txtfile", "", "Documento de texto");
  windows.registry.SetString(RegistryRoot::CurrentUser, "Software\\Microsoft\\Notepad", "fWrap", "1");
  const auto stamp = *windows.files.StampOf("C:\\windows\\win.ini");
  record::Entry file;
  file.kind = record::EntryKind::File;
  file.path = "c:\\geolume\\..\\windows\\win.ini";
  file.stamp = stamp;
  record::Entry key;
  key.kind = record::EntryKind::Key;
  key.root = kClasses;
  key.key = "txtfile";
  record::Entry value;
  value.kind = record::EntryKind::Value;
  value.root = kClasses;
  value.key = "txtfile";
  value.written.text = "Documento de texto";
  windows.files.AppendFile(Record(), record::LineOf(file) + "\n" + record::LineOf(key) + "\n" +
                                         record::LineOf(value) + "\n");
  EXPECT_EQ(Uninstall(), shell::kExitSuccess);
  EXPECT_EQ(windows.files.Inspect("C:\\windows\\win.ini")->content, "[fonts]");
  EXPECT_EQ(windows.registry.ReadValue(kClasses, "txtfile", "")->text, "Documento de texto");
  const std::string& closing = backend.messages.back().text;
  EXPECT_NE(closing.find("Entrada do registro de alterações ignorada: c:\\geolume\\..\\windows\\win.ini"), std::string::npos)
      << closing;
  EXPECT_NE(closing.find("Entrada do registro de alterações ignorada: HKEY_CLASSES_ROOT\\txtfile"), std::string::npos) << closing;
}

// A shared count is only ever a system-folder file's: one naming a file
// under the product's folder, with no line saying it was written, is no
// installation's.
TEST_F(UninstallRoundTrip, ASharedCountForAProductFileWithoutItsWriteIsPassedOver) {
  Portuguese();
  Install();
  windows.files.AddFile("c:\\geolume\\contado.dll", "de outro");
  record::Entry shared;
  shared.kind = record::EntryKind::Shared;
  shared.path = "c:\\geolume\\contado.dll";
  windows.files.AppendFile(Record(), record::LineOf(shared) + "\n");
  EXPECT_EQ(Uninstall(), shell::kExitSuccess);
  EXPECT_EQ(windows.files.Inspect("c:\\geolume\\contado.dll")->content, "de outro");
  const std::string& closing = backend.messages.back().text;
  EXPECT_NE(closing.find("Entrada do registro de alterações ignorada: c:\\geolume\\contado.dll"), std::string::npos)
      << closing;
}

TEST_F(UninstallRoundTrip, WithoutAnInstallationThereIsNothingToDo) {
  EXPECT_EQ(Uninstall(), shell::kExitSuccess);
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_EQ(backend.messages[0].text, "O Sistema de Automação Topográfica Geolume não está instalado.");
  EXPECT_EQ(windows.registry.Export(), registry_before);
}

TEST_F(UninstallRoundTrip, TheEntryInWindowsListOfProgramsSaysHowToUninstall) {
  Spanish();
  Install();
  const std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Geolume";
  auto text = [&](const char* name) { return windows.registry.ReadValue(kMachine, key, name)->text; };
  auto number = [&](const char* name) { return windows.registry.ReadValue(kMachine, key, name)->number; };
  const std::string uninstaller = "C:\\Program Files (x86)\\Sistema Topográfico Geolume\\Desinstalar.exe";
  EXPECT_EQ(text("DisplayName"), "Sistema de Automación Topográfica Geolume");
  EXPECT_EQ(text("DisplayVersion"), "4.0.4.25");
  EXPECT_EQ(text("DisplayIcon"), uninstaller + ",0");
  EXPECT_EQ(text("InstallLocation"), "c:\\Geolume");
  EXPECT_EQ(text("UninstallString"), "\"" + uninstaller + "\" /uninstall");
  EXPECT_EQ(text("QuietUninstallString"), "\"" + uninstaller + "\" /uninstall /quiet");
  EXPECT_EQ(number("NoModify"), 1u);
  EXPECT_EQ(number("NoRepair"), 1u);
  EXPECT_GE(number("EstimatedSize"), 1u);
  EXPECT_EQ(windows.files.Inspect(uninstaller)->content, testing_support::kInstallerImage);
}

}  // namespace
