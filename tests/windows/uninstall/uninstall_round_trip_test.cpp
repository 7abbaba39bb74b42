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

#include <map>
#include <set>
#include <sstream>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "testing/windows_support/driver.h"
#include "testing/windows_support/sample_medium.h"
#include "tests/windows/cad/installer_window.h"
#include "tests/windows/cad/registry_export.h"
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

// Every file and folder below the folder, with size and write time, sorted.
void ListFiles(const std::string& folder, std::map<std::string, std::string>& out) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(platform::Widen(folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = platform::Narrow(found.cFileName);
    if (name == "." || name == "..") continue;
    const std::string path = folder + "\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      out[path + "\\"] = "folder";
      ListFiles(path, out);
    } else {
      out[path] = std::to_string(found.nFileSizeLow) + " " + std::to_string(found.ftLastWriteTime.dwLowDateTime);
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

std::string Utf16Hex(const std::string& text) {
  const std::wstring wide = platform::Widen(text);
  return registry_export::Hex(reinterpret_cast<const BYTE*>(wide.c_str()),
                              static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

struct Snapshot {
  std::string user;
  std::string classes;
  std::string machine;
  std::map<std::string, std::string> files;
};

Snapshot Take() {
  Snapshot snapshot;
  snapshot.user = registry_export::Export(HKEY_CURRENT_USER, "");
  snapshot.classes = registry_export::Export(HKEY_CLASSES_ROOT, "");
  snapshot.machine = registry_export::Export(HKEY_LOCAL_MACHINE, kUninstallKey) +
                     registry_export::Export(HKEY_LOCAL_MACHINE, kSharedKey);
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(L"C:\\*", &found);
  do {
    const std::string name = platform::Narrow(found.cFileName);
    if (name == "." || name == ".." || _wcsicmp(found.cFileName, L"windows") == 0) continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ListFiles("C:\\" + name, snapshot.files);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return snapshot;
}

// The lines of one text that the other lacks, each marked.
std::string LineDifference(const std::string& before, const std::string& after) {
  std::multiset<std::string> old_lines, new_lines;
  std::istringstream a(before), b(after);
  for (std::string line; std::getline(a, line);) old_lines.insert(line);
  for (std::string line; std::getline(b, line);) new_lines.insert(line);
  std::string difference;
  for (const auto& line : old_lines) {
    if (!new_lines.count(line)) difference += "- " + line + "\n";
  }
  for (const auto& line : new_lines) {
    if (!old_lines.count(line)) difference += "+ " + line + "\n";
  }
  return difference;
}

std::string FileDifference(const std::map<std::string, std::string>& before,
                           const std::map<std::string, std::string>& after) {
  std::string difference;
  for (const auto& [path, stamp] : before) {
    const auto found = after.find(path);
    if (found == after.end()) difference += "- " + path + "\n";
    else if (found->second != stamp) difference += "~ " + path + "\n";
  }
  for (const auto& [path, stamp] : after) {
    if (!before.count(path)) difference += "+ " + path + "\n";
  }
  return difference;
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
    before = Take();
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

  std::string Uninstaller() {
    return ProgramFilesFolder() + "\\Sistema Topográfico Geolume\\Desinstalar.exe";
  }

  platform::Win32Registry registry;
  platform::Win32FileSystem files;
  std::string medium;
  Snapshot before;
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
  const Snapshot after = Take();

  EXPECT_EQ(LineDifference(before.classes, after.classes), "");
  // Windows always has the shared-file counts' key; Wine's new prefix has none
  // until the installation makes it, and it stays, empty.
  EXPECT_EQ(LineDifference(before.machine, after.machine), std::string("+ ") + kSharedKey + "\n");
  // AutoCAD 2021's search path held the product's folders before; they go
  // with the product, which is no longer where they point. Wine keeps some
  // window settings of its own in the user's hive once a window has shown.
  const std::string acad_before = "  \"ACAD\" 1 " + Utf16Hex(cad_machine::kAcad2021);
  const std::string acad_after = "  \"ACAD\" 1 " +
      Utf16Hex("C:\\Users\\geolume\\AppData\\Roaming\\Autodesk\\AutoCAD 2021\\R24.0\\ptb\\support");
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
  // The user's tables stay in the root. The uninstaller and its folder stay
  // too, named by the entry that gives every other user's profiles back at
  // their next logon.
  const auto restore = registry.ReadValue(RegistryRoot::LocalMachine, kCadRestoreKey, "StubPath");
  EXPECT_EQ(restore ? restore->text : "(missing)", "\"" + Uninstaller() + "\" /uninstall /quiet");
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::LocalMachine, kCadSetupKey));
  Snapshot kept = after;
  EXPECT_EQ(kept.files.erase(Uninstaller()), 1u);
  EXPECT_EQ(kept.files.erase(Uninstaller().substr(0, Uninstaller().find_last_of('\\') + 1)), 1u);
  std::string expected_files;
  for (const char* table : {"TabelaEquipamentosGeorreferenciamento.tbp", "TabelaPessoasGeorreferenciamento.tbp",
                            "TabelaProfissionaisGeorreferenciamento.tbp",
                            "TabelaVerticesUtilizadosGeorreferenciamento.tbp"}) {
    expected_files += std::string("+ C:\\Geolume\\") + table + "\n";
  }
  EXPECT_EQ(FileDifference(before.files, kept.files), expected_files);
}

}  // namespace
