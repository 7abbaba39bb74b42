// The installer's own work per file, apart from Windows: one copy step of
// many files through the main window (headless) over the in-memory Windows,
// first into an empty folder, then over it again. Run under callgrind, whose
// instruction counts repeat from run to run:
//
//   valgrind --tool=callgrind --toggle-collect='MeasuredCopy*'
//            build/bench/host/bench/bench_copy_instructions first 2000
#include <cstdio>
#include <cstdlib>
#include <string>

#include "install/copy_folder.h"
#include "shell/installation_window.h"
#include "shell/main_form.h"
#include "tests/host/shell/test_windows.h"
#include "ui/application.h"
#include "ui/headless_backend.h"

// The pass that is measured, apart from the one that prepares it.
__attribute__((noinline)) int MeasuredCopy(const install::InstallationContext& context) {
  return install::CopyFolder(context, "D:\\programa\\", "c:\\Geolume", install::CopyRule::None);
}

int main(int argc, char** argv) {
  std::string pass = argc > 1 ? argv[1] : "first";
  int files = argc > 2 ? std::atoi(argv[2]) : 2000;
  testing_support::TestWindows windows;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  shell::InstallerState state;
  shell::MainForm form{app, windows.platform, state};
  backend.Realize(form);
  form.FormCreate();
  form.lblPortuguesClick();
  windows.files.AddFolder("c:\\Geolume");
  for (int i = 0; i < files; ++i) {
    windows.files.AddFile("D:\\programa\\tabela" + std::to_string(10000 + i) + ".tab", std::string(4096, 'x'));
  }
  shell::InstallationWindow window(form);
  if (pass == "again") install::CopyFolder(window.Context(), "D:\\programa\\", "c:\\Geolume", install::CopyRule::None);
  int copied = MeasuredCopy(window.Context());
  std::printf("%s: %d files, %d copied, %zu boxes\n", pass.c_str(), files, copied, backend.messages.size());
  return 0;
}
