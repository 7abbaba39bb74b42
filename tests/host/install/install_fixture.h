#pragma once
// The main window over an in-memory Windows with a complete installation
// medium in D:\, for the installation's tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <memory>
#include <sstream>

#include "shell/installation_window.h"
#include "shell/main_form.h"
#include "tests/host/shell/test_windows.h"
#include "ui/application.h"
#include "ui/headless_backend.h"

namespace install_testing {

// Every medium file's content names where it came from, so a test can tell
// which step put a target file in place.
inline void AddInstallationMediumFile(platform::MemoryFileSystem& files, const std::string& folder,
                                      const std::string& name) {
  files.AddFile("D:\\" + folder + name, folder + name);
}

// One file in each folder of the medium, language folders in both languages.
inline void AddInstallationMedium(platform::MemoryFileSystem& files) {
  AddInstallationMediumFile(files, "programa\\", "geolume.exe");
  AddInstallationMediumFile(files, "programa\\", "shared.txt");
  AddInstallationMediumFile(files, "programa\\especial\\", "special.dll");
  AddInstallationMediumFile(files, "sistema\\", "geo32.dll");
  AddInstallationMediumFile(files, "rbmc\\", "stations.txt");
  for (const std::string language : {"Port\\", "Esp\\"}) {
    AddInstallationMediumFile(files, "programa\\" + language, "shared.txt");
    for (const char* folder : {"demos\\", "formatos\\", "perfil_tipo\\", "simbolos\\", "relatorios\\",
                               "tutorial\\", "modelos\\"}) {
      AddInstallationMediumFile(files, folder + language, "item.dat");
    }
  }
}

class InstallTest : public ::testing::Test {
 protected:
  testing_support::TestWindows windows;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  shell::InstallerState state;
  shell::MainForm main{app, windows.platform, state};
  int cad_listings = 0;
  std::unique_ptr<shell::InstallationWindow> window_;

  void SetUp() override {
    // Windows always has its system folder; the run never makes it.
    windows.files.AddFolder(windows.system.system_folder);
    backend.Realize(main);
    main.FormCreate();
  }

  void Portuguese() { main.lblPortuguesClick(); }
  void Spanish() { main.lblEspanholClick(); }

  void AddMediumFile(const std::string& folder, const std::string& name) {
    AddInstallationMediumFile(windows.files, folder, name);
  }

  void AddMedium() { AddInstallationMedium(windows.files); }

  void Run() {
    shell::RunInstallation(main, [this] { ++cad_listings; });
  }

  // The main window's context for one step of the run, in the language
  // chosen so far.
  const install::InstallationContext& Context() {
    window_ = std::make_unique<shell::InstallationWindow>(main);
    return window_->Context();
  }

  // The file tree as Export gives it, less the record of changes, which every
  // run adds to.
  std::string Tree() {
    std::string tree;
    std::istringstream lines(windows.files.Export());
    for (std::string line; std::getline(lines, line);) {
      if (line.find("\\Desinstalar.txt ") == std::string::npos) tree += line + "\n";
    }
    return tree;
  }

  std::string Content(const std::string& path) {
    auto entry = windows.files.Inspect(path);
    return entry ? entry->content : "(missing)";
  }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& message : backend.messages) texts.push_back(message.text);
    return texts;
  }
};

}  // namespace install_testing
