// The CAD panel of the real Instalar.exe over a seeded HKEY_CURRENT_USER.
#include <windows.h>
#include <commctrl.h>
#undef CopyFile
#undef DeleteFile

#include <gtest/gtest.h>

#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "testing/windows_support/driver.h"
#include "tests/windows/cad/seeded_cad_machine.h"

namespace {

using namespace cad_machine;
using namespace wintest;

constexpr char kTitle[] = "Instalação do Sistema de Automação Topográfica Geolume";
constexpr char kMerged[] = ";C:\\geolume;C:\\geolume\\simbolos";

class CadPanelWindow : public ::testing::Test {
 protected:
  platform::Win32Registry registry;
  platform::Win32FileSystem files;
  Process installer = Process::Start(MakeMedium("C:\\medium"));
  HWND window = nullptr;
  HWND list = nullptr;

  void SetUp() override {
    SeedCadMachine(registry, files);
    window = WaitForWindow(installer.Id(), kTitle);
    ASSERT_NE(window, nullptr);
    HWND portugues = WaitForControl(window, "Português", "Button");
    ASSERT_NE(portugues, nullptr);
    Press(portugues);
    HWND configurar_cad = FindControl(window, "Configurar CAD", "Button");
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(configurar_cad); }));
    Press(configurar_cad);
    for (HWND child : Descendants(window)) {
      if (ClassOf(child) == "SysListView32") list = child;
    }
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(list) && CheckListLines(list).size() == kListLines.size(); }));
  }

  std::string Text(const std::string& key, const std::string& name) {
    auto value = registry.ReadValue(kUser, key, name);
    return value ? value->text : "(missing)";
  }
};

// A line wider than the list is drawn cut with "…"; the list view's own label
// tip shows it whole under the pointer, and the line keeps its whole text.
TEST_F(CadPanelWindow, LinesCutByTheListsWidthShowWholeInALabelTip) {
  const LRESULT style = SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  EXPECT_TRUE(style & LVS_EX_LABELTIP);
  EXPECT_TRUE(style & LVS_EX_CHECKBOXES);
  auto lines = CheckListLines(list);
  ASSERT_EQ(lines.size(), kListLines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].text, kListLines[i]);
}

TEST_F(CadPanelWindow, ConfiguresTheTickedProfilesAndReturnsToTheActions) {
  auto lines = CheckListLines(list);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].text, kListLines[i]);
    EXPECT_TRUE(lines[i].checked) << i;
  }
  HWND configurar = FindControl(window, "Configurar", "Button");
  ASSERT_NE(configurar, nullptr);
  EXPECT_TRUE(IsWindowEnabled(configurar));
  EXPECT_TRUE(SaveScreenshot(window, "cad-panel"));

  for (std::size_t i = 0; i < lines.size(); ++i) ASSERT_TRUE(SetCheckListTick(list, static_cast<int>(i), false));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(configurar); })) << "no tick, no Configurar";
  ASSERT_TRUE(SetCheckListTick(list, 0, true));
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(configurar); }));
  const std::string before_unticked = Text(std::string(kAutoCad2021) + "\\General", "ACAD");

  Press(configurar);
  HWND done = WaitForWindow(installer.Id(), "Information");
  ASSERT_NE(done, nullptr);
  EXPECT_NE(FindControl(done, "Configuração no AutoCAD/BricsCAD/GstarCAD Efetuada com Sucesso."), nullptr);
  Press(FindControl(done, "OK", "Button"));
  HWND instalar = FindControl(window, "Instalar Programa", "Button");
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(instalar); }));
  EXPECT_FALSE(IsWindowVisible(list));

  EXPECT_EQ(Text(std::string(kAutoCad2012) + "\\General", "ACAD"), std::string(kAcad2012) + kMerged);
  EXPECT_EQ(Text(std::string(kAutoCad2021) + "\\General", "ACAD"), before_unticked);
  EXPECT_TRUE(FileExists("C:\\Suporte\\R18\\acad-Renomeado-pelo-Geolume-2.lsp"));
  EXPECT_FALSE(FileExists("C:\\Suporte\\R18\\acad.lsp"));
  EXPECT_TRUE(FileExists("C:\\Topografia\\acad.lsp")) << "an unticked profile's folder is left alone";
  EXPECT_EQ(ReadWholeFile("C:\\geolume\\acad.lsp"), "(DEFUN S::STARTUP()(LOAD \"GEOLUME15.VLX\" \"\")(PRINC))\r\n");
  EXPECT_EQ(ReadWholeFile("C:\\geolume\\on_start.lsp"),
            "(DEFUN S::STARTUP()(LOAD \"C:\\\\GEOLUME\\\\GEOLUME15.DES\" \"\")(PRINC))\r\n");
  EXPECT_FALSE(FileExists("C:\\geolume\\geolume.mns"));
}

TEST_F(CadPanelWindow, AnOpenAutoCadRefusesAndChangesNothing) {
  MakeFolders("C:\\hosts");
  ASSERT_TRUE(files.CopyFile(BuildFolder() + "\\testing\\cad_host_stand_in.exe", "C:\\hosts\\ACAD.EXE"));
  Process acad = Process::Start("C:\\hosts\\ACAD.EXE");
  const std::string acad_before = Text(std::string(kAutoCad2012) + "\\General", "ACAD");

  HWND configurar = FindControl(window, "Configurar", "Button");
  Press(configurar);
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    for (HWND top = GetTopWindow(nullptr); top; top = GetWindow(top, GW_HWNDNEXT)) {
      DWORD pid = 0;
      GetWindowThreadProcessId(top, &pid);
      if (pid == installer.Id() && IsWindowVisible(top) && ClassOf(top) == "#32770") box = top;
    }
    return box != nullptr;
  }));
  EXPECT_NE(FindControl(box,
                        "Existe um AutoCAD Aberto. Por favor feche todas as janelas do AutoCAD que estiverem "
                        "abertas e tente novamente!!!"),
            nullptr);
  Press(FindControl(box, "OK", "Button"));
  HWND instalar = FindControl(window, "Instalar Programa", "Button");
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(instalar); }));
  EXPECT_EQ(Text(std::string(kAutoCad2012) + "\\General", "ACAD"), acad_before);
  EXPECT_EQ(ReadWholeFile("C:\\geolume\\acad.lsp"), kOldRootStartup);
  EXPECT_TRUE(FileExists("C:\\geolume\\geolume.mns"));
}

}  // namespace
