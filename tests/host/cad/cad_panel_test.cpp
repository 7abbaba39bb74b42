// The CAD panel on the main window, headless, over the in-memory Windows.
#include "cad/cad_panel.h"

#include <gtest/gtest.h>

#include "cad/cad_messages.h"
#include "shell/main_form.h"
#include "tests/host/cad/cad_profiles.h"
#include "tests/host/shell/test_windows.h"
#include "ui/application.h"
#include "ui/headless_backend.h"

namespace {

using cad_testing::kUser;
using shell::CentralState;

class CadPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    backend.Realize(form);
    form.FormCreate();
    form.ShowActions();
    panel.Attach();
    windows.files.AddFolder("c:\\geolume");
  }
  // As the toolkit delivers a click: an error goes to the error display.
  void Press(ui::Control& control) {
    app.Dispatch([&control] { control.Click(); });
  }
  void Tick(int line, bool ticked) {
    form.cadlist.SetChecked(line, ticked);
    form.cadlist.Click();
  }

  testing_support::TestWindows windows;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  shell::InstallerState state;
  shell::MainForm form{app, windows.platform, state};
  cad::CadPanel panel{cad::CadPanelControlsOf(form), windows.platform,
                      [](const std::string& text) { return "<" + text + ">"; }};
};

TEST_F(CadPanelTest, EmptyRegistryShowsAnEmptyListWithConfigurarDisabled) {
  Press(form.lblConfigurar);
  EXPECT_EQ(form.State(), CentralState::CadSetup);
  EXPECT_EQ(form.cadlist.Items().Count(), 0);
  EXPECT_FALSE(form.Button1.Enabled());
}

TEST_F(CadPanelTest, ConfigurarFollowsTheTicksAndEveryShowingTicksAllAgain) {
  cad_testing::AddAutoCadProfile(windows.registry, "R24.0\\ACAD-1", "<<Unnamed Profile>>",
                                 "c:\\p\\AutoCAD 2021\\s");
  cad_testing::AddBricsCadProfile(windows.registry, "V23x64\\pt_BR", "Default", "");
  Press(form.lblConfigurar);
  ASSERT_EQ(form.cadlist.Items().Lines(),
            (std::vector<std::string>{"AUTOCAD 2021 <<Unnamed Profile>>", "BRICSCAD V23X64 - Default"}));
  EXPECT_TRUE(form.cadlist.Checked(0) && form.cadlist.Checked(1));
  EXPECT_TRUE(form.Button1.Enabled());
  Tick(0, false);
  EXPECT_TRUE(form.Button1.Enabled());
  Tick(1, false);
  EXPECT_FALSE(form.Button1.Enabled());
  Tick(1, true);
  EXPECT_TRUE(form.Button1.Enabled());

  const std::string before = windows.registry.Export();
  Press(form.Button2);
  EXPECT_EQ(form.State(), CentralState::Actions);
  EXPECT_EQ(windows.registry.Export(), before);
  EXPECT_TRUE(backend.messages.empty());

  Press(form.lblConfigurar);
  EXPECT_TRUE(form.cadlist.Checked(0) && form.cadlist.Checked(1));
  EXPECT_EQ(form.cadlist.Items().Count(), 2);
}

TEST_F(CadPanelTest, ConfigurarConfiguresTheTickedLinesReportsAndClosesThePanel) {
  const auto a = cad_testing::AddAutoCadProfile(windows.registry, "R24.0\\ACAD-1", "a", "d:\\a");
  const auto b = cad_testing::AddAutoCadProfile(windows.registry, "R24.0\\ACAD-1", "b", "d:\\b");
  Press(form.lblConfigurar);
  Tick(0, false);
  Press(form.Button1);
  EXPECT_EQ(form.State(), CentralState::Actions);
  EXPECT_EQ(cad_testing::StringAt(windows.registry, a + "\\General", "ACAD"), "d:\\a");
  EXPECT_EQ(cad_testing::StringAt(windows.registry, b + "\\General", "ACAD"),
            "d:\\b;C:\\geolume;C:\\geolume\\simbolos");
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_EQ(backend.messages[0].text, std::string("<") + cad::messages::kConfigured + ">");
  EXPECT_EQ(backend.messages[0].caption, "Information");
  EXPECT_EQ(backend.messages[0].icon, ui::MessageIcon::Information);
  EXPECT_TRUE(backend.errors.empty());
}

TEST_F(CadPanelTest, OpenHostShowsOnePlainUntranslatedBoxAndClosesThePanel) {
  cad_testing::AddAutoCadProfile(windows.registry, "R24.0\\ACAD-1", "a", "d:\\a");
  Press(form.lblConfigurar);
  windows.processes.SetRunning({"C:\\Autodesk\\acad.exe", "C:\\Bricsys\\bricscad.exe"});
  const std::string before = windows.registry.Export();
  Press(form.Button1);
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_EQ(backend.messages[0].text, cad::messages::kAutoCadOpen);
  EXPECT_EQ(backend.messages[0].icon, ui::MessageIcon::None);
  EXPECT_EQ(windows.registry.Export(), before);
  EXPECT_EQ(form.State(), CentralState::Actions);
}

TEST_F(CadPanelTest, ErrorsLeaveTheWindowWhereTheHandlerStopped) {
  const auto p = cad_testing::AddAutoCadProfile(windows.registry, "R24.0\\ACAD-1", "a", "d:\\a");
  windows.registry.SetDword(kUser, p + "\\General", "ACAD", 1);
  Press(form.lblConfigurar);
  EXPECT_EQ(backend.errors.size(), 1u);
  EXPECT_EQ(form.State(), CentralState::Actions);

  windows.registry.SetString(kUser, p + "\\General", "ACAD", "d:\\a");
  Press(form.lblConfigurar);
  windows.registry.SetUnwritable(kUser, p + "\\Editor Configuration");
  Press(form.Button1);
  EXPECT_EQ(backend.errors.size(), 2u);
  EXPECT_EQ(form.State(), CentralState::CadSetup);
}

}  // namespace
