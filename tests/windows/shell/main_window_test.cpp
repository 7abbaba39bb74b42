// The real Instalar.exe, started from a medium folder under Wine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/windows_support/driver.h"

namespace {

using namespace wintest;

constexpr char kTitle[] = "Instalação do Sistema de Automação Topográfica Geolume";

struct Started {
  Process process;
  HWND window;
};

Started StartFromMedium(const std::string& medium_folder) {
  std::string exe = MakeMedium(medium_folder);
  Process process = Process::Start(exe);
  HWND window = WaitForWindow(process.Id(), kTitle);
  return {std::move(process), window};
}

TEST(MainWindow, ShowsTheFirstScreenAsDesigned) {
  auto [process, window] = StartFromMedium("C:\\medium");
  ASSERT_NE(window, nullptr) << "no window titled " << kTitle;

  RECT r{};
  GetWindowRect(window, &r);
  EXPECT_EQ(r.right - r.left, 1255);
  EXPECT_EQ(r.bottom - r.top, 707);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 1255) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 707) / 2);
  LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(IsZoomed(window));

  for (const char* shown : {"Português", "Espanhol"}) {
    HWND button = WaitForControl(window, shown, "Button");
    ASSERT_NE(button, nullptr) << shown;
    EXPECT_TRUE(IsWindowVisible(button)) << shown;
    EXPECT_EQ(GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON) << shown;
  }
  for (const char* hidden : {"Instalar Programa", "Configurar CAD", "Sair"}) {
    HWND button = FindControl(window, hidden, "Button");
    ASSERT_NE(button, nullptr) << hidden;
    EXPECT_FALSE(IsWindowVisible(button)) << hidden;
  }
  HWND version = WaitForControl(window, "V.4.0.4.25    ", "Static");
  ASSERT_NE(version, nullptr);
  EXPECT_TRUE(IsWindowVisible(version));
  EXPECT_NE(FindControl(window, "Selecione o Idioma", "Static"), nullptr);
  EXPECT_NE(FindControl(window, "Geolume", "Static"), nullptr);

  UpdateWindow(window);
  EXPECT_TRUE(SaveScreenshot(window, "main-window-first-screen"));

  CloseBox(window);
  DWORD code = 1234;
  ASSERT_TRUE(process.WaitForExit(kWindowTimeoutMs, &code));
  EXPECT_EQ(code, 0u);
}

TEST(MainWindow, TabMovesTheFocusFromPortuguesToEspanhol) {
  auto [process, window] = StartFromMedium("C:\\medium");
  ASSERT_NE(window, nullptr);
  HWND portugues = WaitForControl(window, "Português", "Button");
  HWND espanhol = FindControl(window, "Espanhol", "Button");
  ASSERT_TRUE(portugues && espanhol);
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(window) == portugues; }));
  PostMessageW(portugues, WM_KEYDOWN, VK_TAB, 0x000F0001);
  PostMessageW(portugues, WM_KEYUP, VK_TAB, 0xC00F0001);
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(window) == espanhol; }));
}

// The program loads comctl32.dll and version.dll itself, from the system folder.
// Only comctl32 can be checked here: Wine's own user32 imports version.dll, so
// under Wine a planted version.dll is loaded before the program's first line;
// Windows' user32 imports no such DLL.
// Every DLL the program loads after it starts, planted beside it on the medium.
// version.dll is left out here: Wine's own user32 imports it, so Wine loads a
// planted copy before the program's first line, which Windows does not.
TEST(MainWindow, DllsPlantedBesideTheInstallerAreNotLoaded) {
  const std::vector<std::string> planted = {"comctl32.dll", "msftedit.dll", "riched20.dll"};
  const std::string planted_folder = BuildFolder() + "\\testing\\planted\\";
  // The set-up is sound: a careless program picks each planted copy up.
  MakeFolders("C:\\careless");
  ASSERT_TRUE(CopyInto(BuildFolder() + "\\testing\\plant_probe.exe", "C:\\careless"));
  for (const std::string& dll : planted) ASSERT_TRUE(CopyInto(planted_folder + dll, "C:\\careless"));
  {
    Process probe = Process::Start("C:\\careless\\plant_probe.exe");
    probe.WaitForExit(kWindowTimeoutMs, nullptr);
  }
  for (const std::string& dll : planted) {
    ASSERT_TRUE(FileExists("C:\\careless\\" + dll + ".marker"))
        << dll << ": the planted DLL is not preferred here, so the test proves nothing";
  }

  std::string exe = MakeMedium("C:\\planted");
  for (const std::string& dll : planted) ASSERT_TRUE(CopyInto(planted_folder + dll, "C:\\planted"));
  Process process = Process::Start(exe);
  HWND window = WaitForWindow(process.Id(), kTitle);
  ASSERT_NE(window, nullptr);
  // The progress bar and status bars need comctl32: once the window shows, it is loaded.
  EXPECT_NE(WaitForControl(window, "V.4.0.4.25    ", "Static"), nullptr);
  // The agreement's rich edit loads the rich edit DLL.
  HWND portuguese = WaitForControl(window, "Português", "Button");
  ASSERT_NE(portuguese, nullptr);
  Press(portuguese);
  HWND install = FindControl(window, "Instalar Programa", "Button");
  ASSERT_NE(install, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(install); }));
  Press(install);
  HWND agreement = WaitForWindow(process.Id(), "CONTRATO DE LICENÇA");
  ASSERT_NE(agreement, nullptr);
  EXPECT_TRUE(WaitUntil([&] {
    for (HWND child : Descendants(agreement)) {
      if (ClassOf(child).rfind("RichEdit", 0) == 0 || ClassOf(child).rfind("RICHEDIT", 0) == 0) return true;
    }
    return false;
  }));
  for (const std::string& dll : planted) {
    EXPECT_FALSE(FileExists("C:\\planted\\" + dll + ".marker")) << dll;
  }
}

}  // namespace
