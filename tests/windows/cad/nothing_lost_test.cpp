// Two whole installations from the sample medium, each followed by a CAD
// configuration, on a machine where AutoCAD, BricsCAD and GstarCAD left their
// profiles and the user keeps georeferencing tables: nothing the user had is
// lost, and the second installation and configuration change no registry value.
#include <windows.h>
#undef CopyFile
#undef DeleteFile

#include <gtest/gtest.h>

#include "cad/cad_messages.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "testing/cad/nothing_lost.h"
#include "testing/windows_support/sample_medium.h"
#include "tests/windows/cad/installer_window.h"
#include "testing/windows_support/registry_export.h"
#include "tests/windows/cad/seeded_cad_machine.h"

namespace {

using namespace wintest;

const std::vector<std::string> kUserTables = {
    "C:\\geolume\\TabelaEquipamentosGeorreferenciamento.tbp",
    "C:\\geolume\\TabelaPessoasGeorreferenciamento.tbp",
    "C:\\geolume\\TabelaProfissionaisGeorreferenciamento.tbp",
    "C:\\geolume\\TabelaVerticesUtilizadosGeorreferenciamento.tbp",
};

// HKEY_CURRENT_USER and the class keys, once the registration programs the
// run started (and does not wait for) have finished writing.
std::string SettledRegistry() {
  const auto whole = [] {
    return registry_export::Export(HKEY_CURRENT_USER, "") + registry_export::Export(HKEY_CLASSES_ROOT, "");
  };
  platform::Win32Registry registry;
  for (const char* prog_id : {"plotsum.plotsum", "drafter.drafter", "TIS.TX.TextControl.17"}) {
    EXPECT_TRUE(WaitUntil([&] { return registry.KeyExists(platform::RegistryRoot::ClassesRoot, prog_id); }))
        << prog_id;
  }
  std::string last = whole();
  std::string now;
  EXPECT_TRUE(WaitUntil([&] {
    now = whole();
    if (now == last) return true;
    last = now;
    return false;
  }));
  return now;
}

class NothingLost : public ::testing::Test {
 protected:
  void StartInstallation() {
    ASSERT_TRUE(window.Press("Instalar Programa"));
    HWND agreement = WaitForWindow(installer.Id(), "CONTRATO DE LICENÇA");
    ASSERT_NE(agreement, nullptr);
    Press(FindControl(agreement, "ACEITO AS CONDIÇÕES DESTE CONTRATO", "Button"));
  }
  void Install() {
    StartInstallation();
    ASSERT_TRUE(WaitUntil(
        [&] {
          HWND list = window.List();
          return list && SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 5;
        },
        cad_window::kRunTimeoutMs))
        << "the run did not end on the CAD panel with the machine's five profiles";
  }
  void Configure() {
    ASSERT_TRUE(window.Press("Configurar"));
    std::vector<std::string> texts;
    for (const auto& box : window.BoxesUntil("Information")) texts.push_back(box.text);
    EXPECT_EQ(texts, std::vector<std::string>{cad::messages::kConfigured});
    EXPECT_TRUE(window.ActionsShown());
  }

  void LeaveDecliningTheRestart();

  platform::Win32Registry registry;
  platform::Win32FileSystem files;
  Process installer = Process::Start(MakeSampleMedium("C:\\Geolume-CD"));
  cad_window::InstallerWindow window{installer};
};

TEST_F(NothingLost, TwoInstallationsAndConfigurationsInARowKeepEverythingAndTheSecondChangesNoValue) {
  cad_machine::SeedCadMachine(registry, files);
  cad_machine::Seeder seed(registry, files);
  for (const auto& table : kUserTables) seed.File(table, "tabela do usuário\r\n" + table + "\r\n");
  const auto before = nothing_lost::Take(registry, files, kUserTables);
  ASSERT_FALSE(before.foreign_startup_files.empty());
  ASSERT_TRUE(window.ChoosePortugues());

  Install();
  Configure();
  EXPECT_EQ(nothing_lost::Lost(before, registry, files), std::vector<std::string>{});
  const std::string first = SettledRegistry();
  // The export holds what both runs write: the associations and the profiles.
  ASSERT_NE(first.find("\nArquivo CAD\\Shell\\Open\\Command\n"), std::string::npos);
  ASSERT_NE(first.find("\nSoftware\\Bricsys\\BricsCAD\\V23x64\\pt_BR\\Profiles\\Default\\Config\n"),
            std::string::npos);

  Install();
  Configure();
  EXPECT_EQ(nothing_lost::Lost(before, registry, files), std::vector<std::string>{});
  const std::string second = SettledRegistry();
  EXPECT_TRUE(first == second) << registry_export::FirstDifference(first, second);

  LeaveDecliningTheRestart();
}

TEST_F(NothingLost, ListingThatStopsAtTheEndOfAnInstallationIsShownAndLeavesTheWindowUsable) {
  cad_machine::SeedCadMachine(registry, files);
  const std::string general = std::string(cad_machine::kAutoCad2012) + "\\General";
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, platform::Widen(general.substr(1)).c_str(), 0, KEY_SET_VALUE, &key),
            ERROR_SUCCESS);
  const BYTE binary[] = {0x43, 0x3a, 0x00, 0xff};
  RegSetValueExW(key, L"ACAD", 0, REG_BINARY, binary, sizeof binary);
  RegCloseKey(key);
  const auto before = nothing_lost::Take(registry, files);
  ASSERT_TRUE(window.ChoosePortugues());

  StartInstallation();
  const auto box = window.WaitForBox();
  EXPECT_EQ(box.caption, "Instalar");
  EXPECT_EQ(box.text, "Tipo de dado inválido no valor 'ACAD' de HKEY_CURRENT_USER" + general + ".");
  ASSERT_TRUE(window.Close(box));
  // The panel stays with an empty list that cannot be configured; Cancelar
  // brings the actions back.
  HWND list = window.List();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 0);
  EXPECT_FALSE(IsWindowEnabled(window.Visible("Configurar")));
  ASSERT_TRUE(window.Press("Cancelar"));
  EXPECT_TRUE(window.ActionsShown());
  EXPECT_EQ(nothing_lost::Lost(before, registry, files), std::vector<std::string>{});
  LeaveDecliningTheRestart();
}

void NothingLost::LeaveDecliningTheRestart() {
  // A file went to the system folder, so leaving offers the restart: declined.
  ASSERT_TRUE(window.Press("Sair"));
  HWND prompt = WaitForWindow(installer.Id(), "Instalação Completa");
  ASSERT_NE(prompt, nullptr);
  Press(FindControl(prompt, "Não. Eu reiniciarei meu computador mais tarde.", "Button"));
  HWND terminar = FindControl(prompt, "Terminar", "Button");
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(terminar) != FALSE; }));
  Press(terminar);
  DWORD code = 1;
  ASSERT_TRUE(installer.WaitForExit(kWindowTimeoutMs, &code));
  EXPECT_EQ(code, 0u);
}

}  // namespace
