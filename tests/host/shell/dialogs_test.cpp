#include <gtest/gtest.h>

#include <algorithm>

#include "shell/agreement_form.h"
#include "shell/main_form.h"
#include "shell/restart_form.h"
#include "tests/host/shell/test_windows.h"
#include "ui/application.h"
#include "ui/headless_backend.h"

namespace {

using shell::AgreementForm;
using shell::MainForm;
using shell::RestartForm;

class ShellTest : public ::testing::Test {
 protected:
  testing_support::TestWindows windows;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  shell::InstallerState state;
  MainForm main{app, windows.platform, state};
  AgreementForm agreement{app, windows.platform, state};
  RestartForm restart{app, windows.platform};
  int installations = 0;

  void SetUp() override {
    backend.Realize(main);
    main.FormCreate();
    main.SetDialogs(agreement, restart);
    main.run_installation = [this] { ++installations; };
  }

  // The user answers the agreement with one of its buttons, or closes it.
  void AnswerAgreement(ui::Button* button) {
    backend.on_modal = [button](ui::Form&) {
      if (button) button->Click();
    };
  }
};

TEST_F(ShellTest, AgreementTextIsTheWholeAgreement) {
  const ui::StringList& lines = agreement.RichEdit1.Lines();
  ASSERT_EQ(lines.Count(), 195);
  EXPECT_EQ(lines[0],
            "CONTRATO DE LICENÇA DE USUÁRIO FINAL PARA O SISTEMA DE AUTOMAÇÃO TOPOGRÁFICA GEOLUME");
  EXPECT_EQ(std::count(lines.Lines().begin(), lines.Lines().end(), "ANEXO I"), 1);
  EXPECT_EQ(agreement.Width(), 651);
  EXPECT_EQ(agreement.Height(), 460);
  EXPECT_EQ(agreement.GetBorderStyle(), ui::BorderStyle::DialogNoButtons);
}

TEST_F(ShellTest, AcceptingStartsTheInstallationAndDecliningLaterCancelsIt) {
  main.lblPortuguesClick();
  AnswerAgreement(&agreement.Button1);
  main.lblInstalar.Click();
  EXPECT_TRUE(state.agreement_accepted);
  EXPECT_EQ(installations, 1);
  EXPECT_TRUE(backend.messages.empty());

  AnswerAgreement(&agreement.Button2);
  main.lblInstalar.Click();
  EXPECT_FALSE(state.agreement_accepted);
  EXPECT_EQ(installations, 1);
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_EQ(backend.messages[0].caption, "Erro na Instalação");
  EXPECT_EQ(backend.messages[0].text, "As condições do Contrato Não Foram Aceitas. Instalação Cancelada.");
  EXPECT_FALSE(backend.messages[0].owned);
  EXPECT_EQ(backend.messages[0].icon, ui::MessageIcon::None);
  EXPECT_EQ(main.State(), shell::CentralState::Actions);
  EXPECT_EQ(backend.modal_forms, (std::vector<std::string>{"Tcontrato", "Tcontrato"}));
}

TEST_F(ShellTest, ClosingTheAgreementOtherwiseKeepsTheEarlierAnswer) {
  main.lblPortuguesClick();
  AnswerAgreement(nullptr);
  main.lblInstalar.Click();
  EXPECT_EQ(installations, 0);
  AnswerAgreement(&agreement.Button1);
  main.lblInstalar.Click();
  AnswerAgreement(nullptr);
  main.lblInstalar.Click();
  EXPECT_EQ(installations, 2);
}

TEST_F(ShellTest, RefusalIsLookedUpInSpanish) {
  main.lblEspanholClick();
  AnswerAgreement(&agreement.Button2);
  main.lblInstalar.Click();
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_EQ(backend.messages[0].caption, "Error en la instalación");
  EXPECT_EQ(backend.messages[0].text,
            "Las condiciones del Contrato. No Fuerón Aceptadas. Instalación Cancelada.");
}

TEST_F(ShellTest, LanguageButtonsSetTheLanguageAndMoveThePointerOntoInstalar) {
  windows.system.cursor = {300, 420};
  main.lblEspanholClick();
  EXPECT_EQ(main.Dictionary().Language(), 2);
  EXPECT_EQ(main.State(), shell::CentralState::Actions);
  EXPECT_EQ(windows.system.cursor.x, 300);
  EXPECT_EQ(windows.system.cursor.y, 300);
  // Inside the pressed button at offset d, the pointer lands 6 px lower in "Instalar".
  int offset_in_espanhol = 420 - (main.GP3.Top() + main.lblEspanhol.Top());
  int offset_in_instalar = 300 - (main.GP3.Top() + main.lblInstalar.Top());
  EXPECT_EQ(offset_in_instalar - offset_in_espanhol, 6);
}

TEST_F(ShellTest, PortuguesSetsOneOnlyWhenItIsNotAlreadyOne) {
  windows.system.cursor = {10, 100};
  main.lblPortuguesClick();
  EXPECT_EQ(main.Dictionary().Language(), 1);
  EXPECT_EQ(windows.system.cursor.y, 43);
  EXPECT_EQ(main.State(), shell::CentralState::Actions);
}

TEST_F(ShellTest, TerminarWaitsForAClickInTheGroupAndRestartsOnlyForItemZero) {
  EXPECT_FALSE(restart.Button1.Enabled());
  EXPECT_EQ(restart.rg1.ItemIndex(), -1);
  restart.Button1.Click();  // disabled: nothing happens
  EXPECT_TRUE(windows.system.calls.empty());

  restart.rg1.Pick(1);
  EXPECT_TRUE(restart.Button1.Enabled());
  restart.Button1.Click();
  EXPECT_TRUE(windows.system.calls.empty());

  restart.rg1.Pick(0);
  restart.Button1.Click();
  EXPECT_EQ(windows.system.calls,
            (std::vector<std::string>{"EnableShutdownPrivilege", "RequestExit 6"}));
}

TEST_F(ShellTest, NoPrivilegeWorkOnWindows9x) {
  windows.system.platform_id = platform::kPlatformWin32Windows;
  EXPECT_TRUE(shell::RestartWindows(windows.system, shell::kRestartFlags));
  EXPECT_EQ(windows.system.calls, (std::vector<std::string>{"RequestExit 6"}));
  windows.system.exit_accepted = false;
  EXPECT_FALSE(shell::RestartWindows(windows.system, shell::kRestartFlags));
}

TEST_F(ShellTest, ClosingAfterARunThatNeedsARestartShowsThePrompt) {
  state.restart_needed = true;
  backend.on_modal = [this](ui::Form& form) {
    EXPECT_EQ(&form, &restart);
    restart.rg1.Pick(1);
    restart.Button1.Click();
  };
  main.Close();
  EXPECT_EQ(backend.modal_forms, (std::vector<std::string>{"Tboot"}));
  EXPECT_TRUE(backend.terminated);
  EXPECT_TRUE(windows.system.calls.empty());
}

}  // namespace
