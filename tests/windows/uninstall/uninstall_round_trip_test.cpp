// The real Instalar.exe installs and configures a seeded machine through its
// windows, then its uninstaller takes everything back out as Windows' list of
// programs would start it. Before and after are compared whole: HKCU, HKCR,
// the product's keys under HKLM and every file of drive C: outside the
// Windows folder; each difference left is one the test names.
#include <windows.h>
#include <commctrl.h>
#undef CopyFile
#undef DeleteFile

#include <gtest/gtest.h>

#include <sstream>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "testing/windows_support/driver.h"
#include "testing/windows_support/machine_snapshot.h"
#include "testing/windows_support/registry_export.h"
#include "testing/windows_support/sample_medium.h"
#include "tests/windows/cad/installer_window.h"
#include "tests/windows/cad/seeded_cad_machine.h"
#include "uninstall/logon_setup.h"

namespace {

using namespace wintest;
using platform::RegistryRoot;

constexpr char kMedium[] = "C:\\Geolume-CD";
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Geolume";
constexpr char kSharedKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
using uninstall::kCadRestoreKey;
using uninstall::kCadSetupKey;
constexpr int kRunTimeoutMs = 120000;

std::string ProgramFilesFolder() {
  wchar_t buffer[MAX_PATH] = {};
  GetEnvironmentVariableW(L"ProgramFiles", buffer, MAX_PATH);
  return platform::Narrow(buffer);
}

class UninstallRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    cad_machine::Seeder seed(registry, files);
    cad_machine::SeedProfiles(seed);
    seed.File("C:\\Suporte\\R18\\acad.lsp", cad_machine::kForeignStartup);
    // Two extensions another program owns, and a system file that was there.
    registry.CreateKey(RegistryRoot::ClassesRoot, ".dat");
    registry.WriteString(RegistryRoot::ClassesRoot, ".dat", "", "Outro.Dat");
    registry.CreateKey(RegistryRoot::ClassesRoot, ".raw");
    registry.WriteString(RegistryRoot::ClassesRoot, ".raw", "", "Outro.Raw");
    medium = MakeSampleMedium(kMedium);
    ASSERT_TRUE(CopyFileW(platform::Widen(std::string(kMedium) + "\\sistema\\" + kSystemFile).c_str(),
                          platform::Widen(SystemFolder() + "\\" + kSystemFile).c_str(), FALSE));
    before = TakeMachineSnapshot();
  }

  // Installs in Portuguese, configures every profile, leaves with no restart.
  void InstallAndConfigure() {
    Process installer = Process::Start(medium);
    cad_window::InstallerWindow window(installer);
    ASSERT_TRUE(window.ChoosePortugues());
    ASSERT_TRUE(window.Press("Instalar Programa"));
    HWND agreement = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (agreement = FindTopWindow(installer.Id(), "CONTRATO DE LICENÇA")); }));
    for (HWND child : Descendants(agreement)) {
      if (ClassOf(child) == "Button" && TextOf(child).rfind("ACEITO", 0) == 0) Press(child);
    }
    ASSERT_TRUE(WaitUntil([&] { return window.List() != nullptr; }, kRunTimeoutMs));
    ASSERT_TRUE(window.Press("Configurar"));
    const auto boxes = window.BoxesUntil("Information");
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().text, "Configuração no AutoCAD/BricsCAD/GstarCAD Efetuada com Sucesso.");
    ASSERT_TRUE(window.ActionsShown());
    installer.Kill();
  }

  std::string Uninstaller() { return ProgramFilesFolder() + "\\Sistema Topográfico Geolume\\Desinstalar.exe"; }

  platform::Win32Registry registry;
  platform::Win32FileSystem files;
  std::string medium;
  MachineSnapshot before;
};

TEST_F(UninstallRoundTrip, TheQuietUninstallCommandGivesTheMachineBack) {
  InstallAndConfigure();
  auto entry = [&](const char* name) {
    auto value = registry.ReadValue(RegistryRoot::LocalMachine, kUninstallKey, name);
    return value ? (value->type == platform::RegistryValueType::Dword ? std::to_string(value->number) : value->text)
                 : "(missing)";
  };
  EXPECT_EQ(entry("DisplayName"), "Sistema de Automação Topográfica Geolume");
  EXPECT_EQ(entry("DisplayVersion"), "4.0.4.25");
  EXPECT_EQ(entry("InstallLocation"), "c:\\Geolume");
  EXPECT_EQ(entry("NoModify"), "1");
  EXPECT_EQ(entry("NoRepair"), "1");
  EXPECT_EQ(entry("DisplayIcon"), Uninstaller() + ",0");
  EXPECT_EQ(entry("UninstallString"), "\"" + Uninstaller() + "\" /uninstall");
  const std::string quiet = entry("QuietUninstallString");
  ASSERT_EQ(quiet, "\"" + Uninstaller() + "\" /uninstall /quiet");
  EXPECT_NE(entry("EstimatedSize"), "0");
  EXPECT_EQ(registry.ReadValue(RegistryRoot::LocalMachine, kSharedKey, SystemFolder() + "\\" + kSystemFile)->number,
            1u);

  // As Windows runs it: the command line as it stands in the entry.
  Process uninstaller = Process::Start(Uninstaller(), "/uninstall /quiet");
  DWORD code = 99;
  ASSERT_TRUE(uninstaller.WaitForExit(kRunTimeoutMs, &code));
  EXPECT_EQ(code, 0u);
  const MachineSnapshot after = TakeMachineSnapshot();

  EXPECT_EQ(LineDifference(before.classes, after.classes), "");
  // Windows always has the shared-file counts' key; Wine's new prefix has none
  // until the installation makes it, and it stays, empty. The entry that gives
  // every other user's profiles back at their next logon is new too.
  EXPECT_EQ(LineDifference(before.machine, after.machine),
            LineDifference(before.machine, before.machine + kSharedKey + "\n" +
                                               registry_export::Export(HKEY_LOCAL_MACHINE, kCadRestoreKey)));
  // AutoCAD 2021's search path held the product's folders before; they go
  // with the product, which is no longer where they point. Wine keeps some
  // window settings of its own in the user's hive once a window has shown.
  const std::string acad_before = "  \"ACAD\" 1 " + registry_export::StringHex(cad_machine::kAcad2021);
  const std::string acad_after = "  \"ACAD\" 1 " + registry_export::StringHex(
                                                       "C:\\Users\\geolume\\AppData\\Roaming\\Autodesk\\AutoCAD "
                                                       "2021\\R24.0\\ptb\\support");
  std::string user = LineDifference(before.user, after.user);
  for (const std::string& named : {"- " + acad_before + "\n", "+ " + acad_after + "\n"}) {
    const std::size_t at = user.find(named);
    EXPECT_NE(at, std::string::npos) << named;
    if (at != std::string::npos) user.erase(at, named.size());
  }
  std::istringstream user_lines(user);
  for (std::string line; std::getline(user_lines, line);) {
    EXPECT_EQ(line.rfind("+ Software\\Wine\\Temporary System Parameters", 0), 0u) << line;
  }
  // The user's tables stay in the root. The logon program and its folder
  // stay too, named by the entry that gives every other user's profiles back
  // at their next logon; the running uninstaller goes when Windows next
  // starts, which a Wine session never does.
  const std::string logon_program = ProgramFilesFolder() + "\\Sistema Topográfico Geolume\\ConfigurarCAD.exe";
  const auto restore = registry.ReadValue(RegistryRoot::LocalMachine, kCadRestoreKey, "StubPath");
  EXPECT_EQ(restore ? restore->text : "(missing)", "\"" + logon_program + "\" /uninstall /quiet");
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::LocalMachine, kCadSetupKey));
  MachineSnapshot kept = after;
  EXPECT_EQ(kept.files.erase(logon_program), 1u);
  EXPECT_EQ(kept.files.erase(Uninstaller()), 1u);
  EXPECT_EQ(kept.files.erase(Uninstaller().substr(0, Uninstaller().find_last_of('\\') + 1)), 1u);
  std::string expected_files;
  for (const char* table :
       {"TabelaEquipamentosGeorreferenciamento.tbp", "TabelaPessoasGeorreferenciamento.tbp",
        "TabelaProfissionaisGeorreferenciamento.tbp", "TabelaVerticesUtilizadosGeorreferenciamento.tbp"}) {
    expected_files += std::string("+ C:\\Geolume\\") + table + "\n";
  }
  EXPECT_EQ(FileDifference(before.files, kept.files), expected_files);
}

}  // namespace
