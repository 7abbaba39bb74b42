// Shows the installer at work where there is no display: starts it from the
// sample medium, saves screenshots of what it shows, and closes it.
//   demo.exe <medium folder>
#include <cstdio>
#include <string>

#include "testing/windows_support/driver.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: demo <medium folder>\n");
    return 2;
  }
  std::string exe = std::string(argv[1]) + "\\Instalar.exe";
  wintest::Process installer = wintest::Process::Start(exe);
  HWND window = wintest::WaitForWindow(installer.Id(), "Instalação do Sistema de Automação Topográfica Geolume");
  if (!window) {
    std::fprintf(stderr, "the installer's window did not appear\n");
    return 1;
  }
  wintest::WaitForControl(window, "Português", "Button");
  wintest::SaveScreenshot(window, "demo-first-screen");
  std::printf("The installer showed its first screen (screenshot demo-first-screen).\n");
  wintest::CloseBox(window);
  DWORD code = 1;
  if (!installer.WaitForExit(wintest::kWindowTimeoutMs, &code)) {
    std::fprintf(stderr, "the installer did not close\n");
    return 1;
  }
  std::printf("The installer closed with exit code %lu.\n", static_cast<unsigned long>(code));
  return 0;
}
