#pragma once
// The installer's main window, TForm1: the title bands, the side texts, the
// version line, the logo and the central area with its four states.
#include <functional>
#include <memory>

#include "cad/cad_panel.h"
#include "i18n/iv_binary_dictionary.h"
#include "i18n/iv_translator.h"
#include "i18n/supplementary_texts.h"
#include "platform/platform.h"
#include "record/change_record.h"
#include "record/recording_platform.h"
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
  void lblPortuguesClick();
  void lblEspanholClick();
  void lblInstalarClick();
  void lblSairClick();
  void FormClose();

  // The message lookup: a Portuguese text in the current language.
  std::string Translate(const std::string& text) { return i18n::LookUpText(*Dictionary1, text); }
  i18n::TIvBinaryDictionary& Dictionary() { return *Dictionary1; }

  // The dialogs, created after the main window.
  void SetDialogs(ui::Form& agreement, ui::Form& restart_prompt);
  // The installation run; set by the installation once it exists.
  std::function<void()> run_installation;

  platform::Platform& GetPlatform() { return platform_; }
  InstallerState& GetState() { return state_; }
  // The platform the CAD configurations work on, which records their changes.
  platform::Platform& CadPlatform() { return cad_platform_.Get(); }

 private:
  void Build();

  void MovePointerUp(int pixels);

  platform::Platform& platform_;
  InstallerState& state_;
  ui::Form* agreement_ = nullptr;
  ui::Form* restart_prompt_ = nullptr;
  // The CAD panel's changes go into this user's record, for the uninstall.
  record::ChangeRecord cad_record_;
  record::RecordingPlatform cad_platform_;

 public:
  // Created before every other component, as the translator expects to find it.
  std::unique_ptr<i18n::TIvBinaryDictionary> Dictionary1;
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

  // The CAD panel's behaviour: discovery, ticks and the configuration.
  cad::CadPanel cad_panel;

  // Translates the window whenever the dictionary's language changes.
  std::unique_ptr<i18n::TIvTranslator> IvTranslator1;
};

}  // namespace shell
