#pragma once
// The main window's CAD panel, headless, over an in-memory Windows whose
// registry and files a hostile case has spoiled: what the user sees (boxes
// and the error display), where the window is left, and what was lost.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/main_form.h"
#include "testing/cad/nothing_lost.h"
#include "tests/host/cad/cad_profiles.h"
#include "tests/host/shell/test_windows.h"
#include "ui/application.h"
#include "ui/headless_backend.h"

namespace cad_testing {

// The user tables of the installation root, which nothing may change.
inline const std::vector<std::string> kUserTables = {
    "c:\\geolume\\TabelaEquipamentosGeorreferenciamento.tbp",
    "c:\\geolume\\TabelaPessoasGeorreferenciamento.tbp",
    "c:\\geolume\\TabelaProfissionaisGeorreferenciamento.tbp",
    "c:\\geolume\\TabelaVerticesUtilizadosGeorreferenciamento.tbp",
};

class HostilePanel : public ::testing::Test {
 protected:
  void SetUp() override {
    backend.Realize(form);
    form.FormCreate();
    Press(form.lblPortugues);
    for (const auto& table : kUserTables) files.AddFile(table, "tabela do usuário " + table + "\r\n");
  }

  // As the toolkit delivers a click: an error goes to the error display.
  void Press(ui::Control& control) {
    app.Dispatch([&control] { control.Click(); });
  }
  void OpenPanel() { Press(form.lblConfigurar); }
  void Configure() { Press(form.Button1); }
  // What the user saw since the last call: plain boxes, then the error display.
  std::vector<std::string> Shown() {
    std::vector<std::string> texts;
    for (const auto& message : backend.messages) texts.push_back(message.text);
    backend.messages.clear();
    return texts;
  }
  std::vector<std::string> Errors() {
    auto errors = backend.errors;
    backend.errors.clear();
    return errors;
  }
  void TakeSnapshot() { before = nothing_lost::Take(registry, files, kUserTables); }
  std::vector<std::string> Lost() { return nothing_lost::Lost(before, registry, files); }

  testing_support::TestWindows windows;
  platform::MemoryRegistry& registry = windows.registry;
  platform::MemoryFileSystem& files = windows.files;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  shell::InstallerState state;
  shell::MainForm form{app, windows.platform, state};
  nothing_lost::Snapshot before;
};

}  // namespace cad_testing
