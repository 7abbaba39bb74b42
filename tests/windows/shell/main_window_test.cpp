// The real Instalar.exe, started from a medium folder under Wine.
#include <gtest/gtest.h>

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
TEST(MainWindow, DllPlantedBesideTheInstallerIsNotLoaded) {
  const std::string planted = BuildFolder() + "\\testing\\planted\\comctl32.dll";
  // The set-up is sound: a program importing comctl32.dll picks the planted copy up.
  MakeFolders("C:\\careless");
  ASSERT_TRUE(CopyInto(BuildFolder() + "\\testing\\plant_probe.exe", "C:\\careless"));
  ASSERT_TRUE(CopyInto(planted, "C:\\careless"));
  {
    Process probe = Process::Start("C:\\careless\\plant_probe.exe");
    probe.WaitForExit(kWindowTimeoutMs, nullptr);
  }
  ASSERT_TRUE(FileExists("C:\\careless\\comctl32.dll.marker"))
      << "the planted DLL is not preferred here, so the test proves nothing";

  std::string exe = MakeMedium("C:\\planted");
  ASSERT_TRUE(CopyInto(planted, "C:\\planted"));
  Process process = Process::Start(exe);
  HWND window = WaitForWindow(process.Id(), kTitle);
  ASSERT_NE(window, nullptr);
  // The progress bar and status bars need comctl32: once the window shows, it is loaded.
  EXPECT_NE(WaitForControl(window, "V.4.0.4.25    ", "Static"), nullptr);
  EXPECT_FALSE(FileExists("C:\\planted\\comctl32.dll.marker"));
}

}  // namespace
