// The installer on the sample medium, under Wine.
//   demo.exe --interactive   lays the medium out and starts the installer for a person to use
//   demo.exe                 drives a whole Portuguese installation and CAD configuration
//                            where nobody watches (no display), printing what was written
//                            and saving screenshots
#include <cstdio>
#include <string>

#include <shlobj.h>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "tests/windows/cad/seeded_cad_machine.h"

#include "testing/windows_support/driver.h"
#include "testing/windows_support/sample_medium.h"

namespace {

constexpr char kMedium[] = "C:\\Geolume-CD";
constexpr char kTitle[] = "Instalação do Sistema de Automação Topográfica Geolume";

HWND Visible(HWND window, const char* text) {
  HWND control = wintest::FindControl(window, text);
  return control && IsWindowVisible(control) ? control : nullptr;
}

int CountFiles(const std::wstring& folder) {
  int count = 0;
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return 0;
  do {
    std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      count += CountFiles(folder + L"\\" + name);
    } else {
      ++count;
    }
  } while (FindNextFileW(find, &entry));
  FindClose(find);
  return count;
}

bool Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  return false;
}

// A whole Portuguese installation and CAD configuration through the window.
bool Drive(wintest::Process& installer) {
  using namespace wintest;
  HWND window = WaitForWindow(installer.Id(), kTitle);
  if (!window) return Fail("the installer's window did not appear");
  HWND portugues = WaitForControl(window, "Português", "Button");
  SaveScreenshot(window, "demo-1-first-screen");
  Press(portugues);
  HWND instalar = nullptr;
  if (!WaitUntil([&] { return (instalar = Visible(window, "Instalar Programa")) != nullptr; })) {
    return Fail("no action buttons");
  }
  Press(instalar);
  HWND agreement = WaitForWindow(installer.Id(), "CONTRATO DE LICENÇA");
  if (!agreement) return Fail("no agreement");
  SaveScreenshot(agreement, "demo-2-agreement");
  Press(FindControl(agreement, "ACEITO AS CONDIÇÕES DESTE CONTRATO", "Button"));
  // The copy may be over before a picture of it can be taken: this one is a try.
  if (WaitUntil([&] { return Visible(window, "Instalando . . .") != nullptr; }, 5000)) {
    SaveScreenshot(window, "demo-3-installing");
  }
  HWND configurar = nullptr;
  if (!WaitUntil([&] { return (configurar = Visible(window, "Configurar")) != nullptr; }, 120000)) {
    return Fail("the installation did not end on the CAD panel");
  }
  SaveScreenshot(window, "demo-4-cad-panel");
  std::printf("Installed: %d files under c:\\geolume.\n", CountFiles(L"C:\\geolume"));
  int associations = 0;
  for (const char* ext : {"cad", "coo", "niv", "irr", "pol", "seq", "xyz", "obr", "cde", "frt", "mem", "ali",
                          "prj", "tpo", "sec", "scc", "mdt", "prg", "dat", "tcl", "geo", "raw", "tcn", "med",
                          "cor", "nik", "god", "pen", "m21", "c21", "zei", "rw5", "asc", "cfg"}) {
    HKEY key = nullptr;
    std::wstring name = L"." + std::wstring(ext, ext + 3);
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, name.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
      ++associations;
      RegCloseKey(key);
    }
  }
  std::printf("File associations written: %d of 34.\n", associations);
  HKEY clsid = nullptr;
  bool viewer = RegOpenKeyExW(HKEY_CLASSES_ROOT, L"CLSID\\{6F55C185-A9A7-11D3-91F8-0000E878EB25}\\InprocServer32",
                              0, KEY_READ, &clsid) == ERROR_SUCCESS;
  if (viewer) RegCloseKey(clsid);
  std::printf("Viewer control registered: %s.\n", viewer ? "yes" : "no");
  wchar_t desktop[MAX_PATH] = {};
  SHGetSpecialFolderPathW(nullptr, desktop, 0x10, FALSE);
  std::printf("Desktop shortcut: %s.\n", FileExists(platform::Narrow(desktop) + "\\Geolume.lnk") ? "yes" : "no");

  std::printf("CAD profiles listed:\n");
  for (HWND child : Descendants(window)) {
    if (ClassOf(child) != "SysListView32") continue;
    for (const auto& line : CheckListLines(child)) std::printf("  [%c] %s\n", line.checked ? 'x' : ' ', line.text.c_str());
  }
  Press(configurar);
  HWND done = WaitForWindow(installer.Id(), "Information");
  if (!done) return Fail("the configuration did not finish");
  std::printf("CAD configuration finished: startup files %s.\n",
              FileExists("C:\\geolume\\acad.lsp") && FileExists("C:\\geolume\\on_start.lsp") ? "written" : "missing");
  Press(FindControl(done, "OK", "Button"));
  if (!WaitUntil([&] { return Visible(window, "Sair") != nullptr; })) return Fail("no action buttons after it");
  Press(Visible(window, "Sair"));
  // A file went to the system folder, so leaving offers the restart; the demo declines.
  HWND prompt = WaitForWindow(installer.Id(), "Instalação Completa");
  if (prompt) {
    SaveScreenshot(prompt, "demo-5-restart-prompt");
    Press(FindControl(prompt, "Não. Eu reiniciarei meu computador mais tarde.", "Button"));
    HWND terminar = FindControl(prompt, "Terminar", "Button");
    WaitUntil([&] { return IsWindowEnabled(terminar) != FALSE; });
    Press(terminar);
  }
  DWORD code = 1;
  if (!installer.WaitForExit(kWindowTimeoutMs, &code)) return Fail("the installer did not close");
  std::printf("The installer closed with exit code %lu.\n", static_cast<unsigned long>(code));
  return code == 0;
}

}  // namespace

int main(int argc, char** argv) {
  bool interactive = argc > 1 && std::string(argv[1]) == "--interactive";
  std::string exe = wintest::MakeSampleMedium(kMedium);
  {
    // A machine with AutoCAD, BricsCAD and GstarCAD profiles to configure.
    platform::Win32Registry registry;
    platform::Win32FileSystem files;
    cad_machine::SeedCadMachine(registry, files);
  }
  std::printf("Sample medium laid out in %s (inside the Wine prefix).\n", kMedium);
  wintest::Process installer = wintest::Process::Start(exe);
  if (!interactive) return Drive(installer) ? 0 : 1;
  DWORD code = 0;
  while (!installer.WaitForExit(60 * 60 * 1000, &code)) {
  }
  return static_cast<int>(code);
}
