#pragma once
// The real Instalar.exe driven through its windows for the installation's
// Wine tests: the language, the agreement, the wait for the CAD panel.
#include <windows.h>
#undef CopyFile
#undef DeleteFile

#include <gtest/gtest.h>

#include "platform/win32/win32_registry.h"
#include "testing/windows_support/driver.h"

namespace install_wine {

using namespace wintest;
using platform::RegistryRoot;

constexpr char kTitle[] = "Instalação do Sistema de Automação Topográfica Geolume";
constexpr char kMedium[] = "C:\\Geolume-CD";
constexpr int kInstallTimeoutMs = 120000;
// The first window of a program on a machine made a moment ago: Wine may
// still be setting up the prefix for its first program there.
constexpr int kFirstWindowTimeoutMs = 90000;

class Installation : public ::testing::Test {
 protected:
  platform::Win32Registry registry;
  HWND window = nullptr;

  std::string Default(const std::string& key) {
    auto value = registry.ReadValue(RegistryRoot::ClassesRoot, key, "");
    return value ? value->text : "(missing)";
  }

  // Chooses the language and accepts the agreement; returns when the run ends
  // on the CAD panel.
  void Install(Process& installer, const char* language_button, const char* install_button) {
    window = WaitForWindow(installer.Id(), kTitle, kFirstWindowTimeoutMs);
    ASSERT_NE(window, nullptr);
    HWND language = WaitForControl(window, language_button, "Button");
    ASSERT_NE(language, nullptr);
    Press(language);
    RunAgain(installer, install_button);
  }

  void RunAgain(Process& installer, const char* install_button) {
    StartRun(installer, install_button);
    WaitForCadPanel();
  }

  // Presses the install button and accepts the agreement.
  void StartRun(Process& installer, const char* install_button) {
    // The language button is pressed by a posted click: its captions may still be changing.
    HWND instalar = WaitForControl(window, install_button, "Button");
    ASSERT_NE(instalar, nullptr) << install_button;
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(instalar); }));
    Press(instalar);
    HWND agreement = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
      for (const char* title : {"CONTRATO DE LICENÇA", "CONTRATO DE LICENCIA"}) {
        if ((agreement = FindTopWindow(installer.Id(), title))) return true;
      }
      return false;
    }));
    HWND accept = nullptr;
    for (HWND child : Descendants(agreement)) {
      if (ClassOf(child) == "Button" && TextOf(child).rfind("ACEPTO", 0) == 0) accept = child;
      if (ClassOf(child) == "Button" && TextOf(child).rfind("ACEITO", 0) == 0) accept = child;
    }
    ASSERT_NE(accept, nullptr);
    Press(accept);
  }

  void WaitForCadPanel() {
    // A picture of the copy under way, when it lasts long enough to be taken.
    HWND installing = nullptr;
    if (WaitUntil([&] { return (installing = FindControl(window, "Instalando . . .")) && IsWindowVisible(installing); },
                  5000)) {
      SaveScreenshot(window, "install-progress");
    }
    ASSERT_TRUE(WaitUntil([&] { return CadPanelShown(); }, kInstallTimeoutMs)) << "the run did not end on the CAD panel";
  }

  // The run has ended on the CAD panel: its check list shows.
  bool CadPanelShown() {
    for (HWND child : Descendants(window)) {
      if (ClassOf(child) == "SysListView32" && IsWindowVisible(child)) return true;
    }
    return false;
  }
};

}  // namespace install_wine
