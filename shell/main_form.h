#pragma once
// The installer's main window, TForm1: the title bands, the side texts, the
// version line, the logo and the central area with its four states.
#include <functional>

#include "platform/platform.h"
#include "shell/installer_state.h"
#include "ui/button.h"
#include "ui/check_list_box.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/progress_bar.h"
#include "ui/status_bar.h"

namespace shell {

enum class CentralState { LanguageChoice, Actions, Installing, CadSetup, Empty, Other };

class MainForm : public ui::Form {
 public:
  static constexpr ui::Color kWindowColor = ui::Rgb(190, 30, 46);

  MainForm(ui::Application& application, platform::Platform& platform, InstallerState& state);

  // Which of the central area's states its visible controls make up.
  CentralState State() const;

  void FormCreate();
  void FormResize();
  void ShowActions();
  void ShowState(CentralState state);
  void lblInstalarClick();
  void lblSairClick();
  void FormClose();

  // Shows the restart prompt modally; set once that dialog exists.
  std::function<void()> show_restart_prompt;

  platform::Platform& GetPlatform() { return platform_; }
  InstallerState& GetState() { return state_; }

 private:
  void Build();

  platform::Platform& platform_;
  InstallerState& state_;

 public:
  ui::Label& LMDSimpleLabel1;
  ui::Label& Label1;
  ui::Label& LMDSimpleLabel5;
  ui::Label& lbVersao;
  ui::Label& Label2;
  ui::Label& Label3;
  ui::Image& JvImage1;
  ui::Panel& GP3;
  ui::Label& lblIdioma;
  ui::Button& lblPortugues;
  ui::Button& lblEspanhol;
  ui::Button& lblInstalar;
  ui::Button& lblConfigurar;
  ui::Button& lblSair;
  ui::Panel& Panel1;
  ui::Label& LMDSimpleLabel4;
  ui::Panel& Panel2;
  ui::Label& Label11;
  ui::Label& Labeltext;
  ui::Label& Label24;
  ui::ProgressBar& pb1;
  ui::StatusBar& sb1;
  ui::Panel& Panel3;
  ui::Label& LMDSimpleLabel3;
  ui::Label& Label4;
  ui::CheckListBox& cadlist;
  ui::Button& Button1;
  ui::Button& Button2;
  ui::StatusBar& sb2;
};

}  // namespace shell
