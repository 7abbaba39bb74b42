// The installer on the sample medium, under Wine.
//   demo.exe --interactive   lays the medium out and starts the installer for a person to use
//   demo.exe                 also drives it where nobody watches (no display), saving screenshots
#include <cstdio>
#include <string>

#include "testing/windows_support/driver.h"
#include "testing/windows_support/sample_medium.h"

namespace {

constexpr char kMedium[] = "C:\\Geolume-CD";
constexpr char kTitle[] = "Instalação do Sistema de Automação Topográfica Geolume";

int Drive(wintest::Process& installer) {
  HWND window = wintest::WaitForWindow(installer.Id(), kTitle);
  if (!window) {
    std::fprintf(stderr, "the installer's window did not appear\n");
    return 1;
  }
  wintest::WaitForControl(window, "Português", "Button");
  wintest::SaveScreenshot(window, "demo-first-screen");
  std::printf("First screen shown (screenshot demo-first-screen).\n");
  wintest::CloseBox(window);
  DWORD code = 1;
  if (!installer.WaitForExit(wintest::kWindowTimeoutMs, &code)) {
    std::fprintf(stderr, "the installer did not close\n");
    return 1;
  }
  std::printf("The installer closed with exit code %lu.\n", static_cast<unsigned long>(code));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  bool interactive = argc > 1 && std::string(argv[1]) == "--interactive";
  std::string exe = wintest::MakeSampleMedium(kMedium);
  std::printf("Sample medium laid out in %s (inside the Wine prefix).\n", kMedium);
  wintest::Process installer = wintest::Process::Start(exe);
  if (!interactive) return Drive(installer);
  DWORD code = 0;
  while (!installer.WaitForExit(60 * 60 * 1000, &code)) {
  }
  return static_cast<int>(code);
}
