#include "shell/main_form.h"

#include <gtest/gtest.h>

#include "shell/centre_layout.h"
#include "shell/start_up.h"
#include "tests/host/shell/test_windows.h"
#include "ui/application.h"
#include "ui/headless_backend.h"

namespace {

using shell::CentralState;
using shell::MainForm;

TEST(CentreLayout, DesignSizePutsPanelsAndButtonsWhereTheWindowWasDrawn) {
  auto layout = shell::ComputeCentreLayout(699, 544, 359, 297, 281);
  EXPECT_EQ(layout.panel_left, 170);
  EXPECT_EQ(layout.panel_top, 124);  // 123.5 goes to the even neighbour
  EXPECT_EQ(layout.button_left, 209);
  EXPECT_EQ(layout.row_top[0], 133);
  EXPECT_EQ(layout.row_top[1], 195);
  EXPECT_EQ(layout.row_top[2], 259);
}

TEST(CentreLayout, HalvesRoundToTheEvenNeighbour) {
  EXPECT_EQ(shell::ComputeCentreLayout(700, 546, 359, 297, 281).panel_top, 124);  // 124.5
  EXPECT_EQ(shell::ComputeCentreLayout(700, 546, 359, 297, 281).panel_left, 170);  // 170.5
  EXPECT_EQ(shell::ComputeCentreLayout(702, 548, 359, 297, 281).panel_top, 126);  // 125.5
  EXPECT_EQ(shell::ComputeCentreLayout(703, 544, 359, 297, 281).button_left, 211);  // 211.0
}

TEST(CentreLayout, AreaSmallerThanThePanelGivesNegativeOffsets) {
  auto layout = shell::ComputeCentreLayout(200, 100, 359, 297, 281);
  EXPECT_EQ(layout.panel_left, -80);  // -79.5 goes to -80
  EXPECT_EQ(layout.panel_top, -98);   // -98.5 goes to -98
  EXPECT_EQ(layout.button_left, -40);  // -40.5 goes to -40
  EXPECT_EQ(layout.row_top[0], -89);
}

TEST(StartUp, SourceFolderEndsInExactlyOneBackslash) {
  EXPECT_EQ(shell::SourceFolderOf("D:\\Geolume\\Instalar.exe"), "D:\\Geolume\\");
  EXPECT_EQ(shell::SourceFolderOf("D:\\Instalar.exe"), "D:\\");
  EXPECT_EQ(shell::SourceFolderOf("D:Instalar.exe"), "D:\\");
  EXPECT_EQ(shell::SourceFolderOf("\\\\server\\share\\cd\\Instalar.exe"), "\\\\server\\share\\cd\\");
}

TEST(StartUp, VersionIsFourUnsignedHalvesOfTheFixedVersionWords) {
  EXPECT_EQ(shell::FormatFileVersion({0x00040000u, 0x00040019u}), "4.0.4.25");
  EXPECT_EQ(shell::FormatFileVersion({0xFFFF0001u, 0x80000002u}), "65535.1.32768.2");
  EXPECT_EQ(shell::VersionLine("4.0.4.25"), "V.4.0.4.25    ");
}

class MainFormTest : public ::testing::Test {
 protected:
  testing_support::TestWindows windows;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  shell::InstallerState state;
  MainForm form{app, windows.platform, state};

  void SetUp() override {
    backend.Realize(form);
    form.FormCreate();
  }
};

TEST_F(MainFormTest, CentralAreaTakesWhatTheBandsAndSideTextsLeave) {
  EXPECT_EQ(form.Width(), 1255);
  EXPECT_EQ(form.Height(), 707);
  EXPECT_EQ(form.GP3.GetBounds(), (ui::Bounds{233, 111, 699, 544}));
  EXPECT_EQ(form.lbVersao.GetBounds(), (ui::Bounds{0, 655, 1239, 13}));
  EXPECT_EQ(form.Label3.GetBounds(), (ui::Bounds{932, 111, 307, 544}));
  EXPECT_EQ(form.Panel3.Left(), 170);
  EXPECT_EQ(form.Panel3.Top(), 124);
  EXPECT_EQ(form.Panel1.Left(), 170);
  EXPECT_EQ(form.Panel1.Top(), 124);
  EXPECT_EQ(form.lblIdioma.GetBounds(), (ui::Bounds{209, 133, 281, 49}));
  EXPECT_EQ(form.lblInstalar.GetBounds(), (ui::Bounds{209, 133, 281, 49}));
  EXPECT_EQ(form.lblPortugues.Top(), 195);
  EXPECT_EQ(form.lblConfigurar.Top(), 195);
  EXPECT_EQ(form.lblEspanhol.Top(), 259);
  EXPECT_EQ(form.lblSair.Top(), 259);
}

TEST_F(MainFormTest, EveryResizeCentresAgainWithoutClamping) {
  form.SetClientSize(600, 300);  // GP3: 60 x 176
  EXPECT_EQ(form.GP3.Width(), 60);
  EXPECT_EQ(form.GP3.Height(), 176);
  EXPECT_EQ(form.Panel3.Left(), -150);   // -149.5 goes to -150
  EXPECT_EQ(form.Panel3.Top(), -60);     // -60.5 goes to -60
  EXPECT_EQ(form.lblSair.Left(), -110);  // -110.5 goes to -110
  EXPECT_EQ(form.lblSair.Top(), 75);
}

TEST_F(MainFormTest, StartsInLanguageChoiceWithTheVersionLine) {
  EXPECT_EQ(form.State(), CentralState::LanguageChoice);
  EXPECT_EQ(form.lbVersao.Caption(), "V.4.0.4.25    ");
  EXPECT_EQ(state.source_folder, "D:\\");
  EXPECT_EQ(state.system_folder, "C:\\windows\\system32");
  EXPECT_FALSE(form.pb1.Visible());
  EXPECT_FALSE(form.Label11.Visible());
}

TEST_F(MainFormTest, ProgramWithoutVersionInformationShowsOnlyThePrefix) {
  windows.system.versions.clear();
  form.FormCreate();
  EXPECT_EQ(form.lbVersao.Caption(), "V.    ");
}

TEST_F(MainFormTest, EachStateShowsOnlyItsControls) {
  form.ShowActions();
  EXPECT_EQ(form.State(), CentralState::Actions);
  EXPECT_FALSE(form.lblPortugues.Visible());
  EXPECT_TRUE(form.lblSair.Visible());
  form.ShowState(CentralState::Installing);
  EXPECT_EQ(form.State(), CentralState::Installing);
  EXPECT_TRUE(form.Panel1.Visible());
  EXPECT_FALSE(form.lblInstalar.Visible());
  form.ShowState(CentralState::CadSetup);
  EXPECT_EQ(form.State(), CentralState::CadSetup);
  form.ShowState(CentralState::Empty);
  EXPECT_EQ(form.State(), CentralState::Empty);
  form.ShowState(CentralState::LanguageChoice);
  EXPECT_EQ(form.State(), CentralState::LanguageChoice);
}

TEST_F(MainFormTest, SairClosesAndTerminatesWithExitCodeZero) {
  form.ShowActions();
  form.lblSair.Click();
  EXPECT_TRUE(backend.terminated);
  EXPECT_EQ(backend.exit_code, 0);
}

TEST_F(MainFormTest, RestartPromptOnlyWhenNeededAndOnNt) {
  ui::Form prompt(app, "Tboot", "boot");
  form.SetDialogs(prompt, prompt);
  form.Close();
  EXPECT_TRUE(backend.modal_forms.empty());
  EXPECT_TRUE(backend.terminated);

  state.restart_needed = true;
  windows.system.platform_id = platform::kPlatformWin32Windows;
  form.Close();
  EXPECT_TRUE(backend.modal_forms.empty());

  windows.system.platform_id = platform::kPlatformWin32NT;
  form.Close();
  EXPECT_EQ(backend.modal_forms, (std::vector<std::string>{"Tboot"}));
}

TEST_F(MainFormTest, TextsAreTheDesignTexts) {
  EXPECT_EQ(form.Caption(), "Instalação do Sistema de Automação Topográfica Geolume");
  EXPECT_EQ(form.GetColor(), ui::Rgb(0xbe, 0x1e, 0x2e));
  EXPECT_EQ(form.lblPortugues.Caption(), "Português");
  EXPECT_EQ(form.lblEspanhol.Caption(), "Espanhol");
  EXPECT_EQ(form.lblInstalar.Caption(), "Instalar Programa");
  std::string side = form.Label3.Caption();
  EXPECT_EQ(side.substr(0, 4), "  \r\n");
  EXPECT_NE(side.find("\r\n  Windows 11 -  64 bits "), std::string::npos);
  EXPECT_EQ(side.back(), ' ');
  std::string cads = form.Label2.Caption();
  EXPECT_TRUE(cads.starts_with("      CADs Compatíveis:\r\n"));
  EXPECT_NE(cads.find("\r\n \r\n           - AutoCAD 2000\r\n"), std::string::npos);
}

}  // namespace
