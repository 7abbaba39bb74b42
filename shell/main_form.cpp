#include "shell/main_form.h"

#include <algorithm>

#include "i18n/application_error_text.h"
#include "install/install_messages.h"
#include "shell/exit_codes.h"
#include "shell/shell_messages.h"
#include "uninstall/uninstall_locations.h"
#include "shell/centre_layout.h"
#include "shell/start_up.h"
#include "ui/application.h"

namespace shell {

namespace {

using ui::Align;
using ui::Font;
using ui::TextAlignment;

Font TimesFont(int height, ui::Color color) {
  return Font{"Times New Roman", height, true, true, color};
}

Font SansFont(int height, bool bold = false) {
  return Font{"MS Sans Serif", height, bold, false, ui::kColorWindowText};
}

constexpr const char* kCompatibleCads =
    "      CADs Compatíveis:\r\n"
    " \r\n"
    "           - AutoCAD 2000\r\n"
    "                 até\r\n"
    "            - AutoCAD 2023\r\n"
    "\r\n"
    "            - BricsCAD 2015\r\n"
    "                 até\r\n"
    "            - BricsCAD 2023\r\n"
    "\r\n"
    "            - GstarCAD 2022\r\n"
    "                 até\r\n"
    "            - GstarCAD 2023";

constexpr const char* kSupportedWindows =
    "  \r\n"
    "  Windows 98 - 32 bits  \r\n"
    "  Windows 2000 - 32 bits  \r\n"
    "  Windows XP - 32 bits & 64 bits  \r\n"
    "  Windows Vista - 32 bits & 64 bits  \r\n"
    "  Windows 7 - 32 bits & 64 bits  \r\n"
    "  Windows 8 - 32 bits & 64 bits  \r\n"
    "  Windows 10 - 32 bits & 64 bits  \r\n"
    "  Windows 11 -  64 bits ";

}  // namespace

MainForm::MainForm(ui::Application& application, platform::Platform& platform, InstallerState& state)
    : ui::Form(application, "TForm1", "Form1"),
      platform_(platform),
      state_(state),
      cad_record_(platform.files, uninstall::UserCadRecordPath(platform.shell), "cad", ""),
      cad_platform_(platform, cad_record_),
      Dictionary1(std::make_unique<i18n::TIvBinaryDictionary>("Dictionary1")),
      LMDSimpleLabel1(Make<ui::Label>("LMDSimpleLabel1", this, "TLMDSimpleLabel")),
      Label1(Make<ui::Label>("Label1", this)),
      LMDSimpleLabel5(Make<ui::Label>("LMDSimpleLabel5", this, "TLMDSimpleLabel")),
      lbVersao(Make<ui::Label>("lbVersao", this)),
      Label2(Make<ui::Label>("Label2", this)),
      Label3(Make<ui::Label>("Label3", this)),
      JvImage1(Make<ui::Image>("JvImage1", this)),
      GP3(Make<ui::Panel>("GP3", this)),
      lblIdioma(Make<ui::Label>("lblIdioma", &GP3)),
      lblPortugues(Make<ui::Button>("lblPortugues", &GP3)),
      lblEspanhol(Make<ui::Button>("lblEspanhol", &GP3)),
      lblInstalar(Make<ui::Button>("lblInstalar", &GP3)),
      lblConfigurar(Make<ui::Button>("lblConfigurar", &GP3)),
      lblSair(Make<ui::Button>("lblSair", &GP3)),
      Panel1(Make<ui::Panel>("Panel1", &GP3)),
      LMDSimpleLabel4(Make<ui::Label>("LMDSimpleLabel4", &Panel1, "TLMDSimpleLabel")),
      Panel2(Make<ui::Panel>("Panel2", &Panel1)),
      Label11(Make<ui::Label>("Label11", &Panel2)),
      Labeltext(Make<ui::Label>("Labeltext", &Panel2)),
      Label24(Make<ui::Label>("Label24", &Panel2)),
      pb1(Make<ui::ProgressBar>("pb1", &Panel2)),
      sb1(Make<ui::StatusBar>("sb1", &Panel1)),
      Panel3(Make<ui::Panel>("Panel3", &GP3)),
      LMDSimpleLabel3(Make<ui::Label>("LMDSimpleLabel3", &Panel3, "TLMDSimpleLabel")),
      Label4(Make<ui::Label>("Label4", &Panel3)),
      cadlist(Make<ui::CheckListBox>("cadlist", &Panel3)),
      Button1(Make<ui::Button>("Button1", &Panel3)),
      Button2(Make<ui::Button>("Button2", &Panel3)),
      sb2(Make<ui::StatusBar>("sb2", &Panel3)),
      cad_panel(cad::CadPanelControlsOf(*this), cad_platform_.Get(),
                [this](const std::string& text) { return Translate(text); }) {
  Dictionary1->LoadFromForm(ClassName(), platform_);
  // With a dictionary, unhandled errors are shown in the chosen language.
  App().error_text = i18n::ApplicationErrorText;
  Build();
  on_resize = [this] { FormResize(); };
  on_close = [this] { FormClose(); };
  on_create = [this] { FormCreate(); };
  lblSair.on_click = [this] { lblSairClick(); };
  lblInstalar.on_click = [this] { lblInstalarClick(); };
  lblPortugues.on_click = [this] { lblPortuguesClick(); };
  lblEspanhol.on_click = [this] { lblEspanholClick(); };
  cad_panel.Attach();
  // At the end of construction the translator opens the dictionary, in the
  // language of the system, and remembers the designed texts.
  IvTranslator1 = std::make_unique<i18n::TIvTranslator>("IvTranslator1", *this);
  IvTranslator1->LoadFromForm(ClassName(), platform_.resources);
  IvTranslator1->Loaded();
}

void MainForm::Build() {
  SetCaption("Instalação do Sistema de Automação Topográfica Geolume");
  SetBounds({0, 0, 1255, 707});
  SetColor(kWindowColor);
  SetFont(SansFont(11));

  auto band = [this](ui::Label& label, Align align, int height, const std::string& caption) {
    label.SetAlign(align);
    label.SetSize(0, height);
    label.SetCaption(caption);
    label.SetTransparent(true);
    label.SetColor(kWindowColor);
  };
  band(LMDSimpleLabel1, Align::Top, 22, "");
  band(Label1, Align::Top, 43, "Sistema de Automação Topográfica");
  Label1.SetAlignment(TextAlignment::Center);
  Label1.SetFont(TimesFont(37, ui::kColorWhite));
  band(LMDSimpleLabel5, Align::Top, 46, "Geolume");
  LMDSimpleLabel5.SetAlignment(TextAlignment::Center);
  LMDSimpleLabel5.SetFont(TimesFont(40, ui::kColorWhite));
  band(lbVersao, Align::Bottom, 13, "");
  lbVersao.SetTransparent(false);
  lbVersao.SetAlignment(TextAlignment::Right);
  lbVersao.SetFont({"MS Sans Serif", 11, false, false, ui::kColorWhite});

  Label2.SetAlign(Align::Left);
  Label2.SetSize(233, 0);
  Label2.SetTransparent(true);
  Label2.SetAlignment(TextAlignment::Center);
  Label2.SetFont(TimesFont(21, ui::kColorWhite));
  Label2.SetCaption(kCompatibleCads);

  Label3.SetAlign(Align::Right);
  Label3.SetSize(307, 0);
  Label3.SetAutoWidth(true);
  Label3.SetTransparent(true);
  Label3.SetAlignment(TextAlignment::Center);
  Label3.SetFont(TimesFont(21, ui::kColorWhite));
  Label3.SetCaption(kSupportedWindows);

  JvImage1.SetBounds({8, 443, 226, 185});
  JvImage1.SetPicture("LOGO");
  JvImage1.SetStretch(true);
  JvImage1.SetTransparent(true);

  GP3.SetAlign(Align::Client);
  GP3.SetFramed(false);
  GP3.SetColor(kWindowColor);

  lblIdioma.SetSize(281, 49);
  lblIdioma.SetCaption("Selecione o Idioma");
  lblIdioma.SetAlignment(TextAlignment::Center);
  lblIdioma.SetTransparent(true);
  lblIdioma.SetFont(TimesFont(32, ui::kColorWhite));

  auto big_button = [](ui::Button& button, const std::string& caption) {
    button.SetSize(281, 49);
    button.SetCaption(caption);
    button.SetFont(TimesFont(29, ui::kColorBlack));
  };
  big_button(lblPortugues, "Português");
  big_button(lblEspanhol, "Espanhol");
  big_button(lblInstalar, "Instalar Programa");
  big_button(lblConfigurar, "Configurar CAD");
  big_button(lblSair, "Sair");

  Panel1.SetSize(359, 192);
  Panel1.SetColor(ui::kColorButtonFace);
  LMDSimpleLabel4.SetAlign(Align::Top);
  LMDSimpleLabel4.SetSize(0, 38);
  LMDSimpleLabel4.SetCaption("Instalando . . .");
  LMDSimpleLabel4.SetAlignment(TextAlignment::Center);
  LMDSimpleLabel4.SetTransparent(true);
  LMDSimpleLabel4.SetFont(TimesFont(32, ui::kColorBlack));
  Panel2.SetBounds({24, 56, 313, 97});
  Panel2.SetColor(ui::kColorButtonFace);
  auto line = [](ui::Label& label, int top, const std::string& caption) {
    label.SetBounds({2, top, 309, 16});
    label.SetCaption(caption);
    label.SetTransparent(true);
    label.SetFont(SansFont(13));
  };
  line(Label11, 2, "Copiando Arquivos . . . ");
  Label11.SetAlignment(TextAlignment::Center);
  Label11.Hide();
  line(Labeltext, 26, "");
  line(Label24, 50, "");
  pb1.SetBounds({17, 72, 274, 16});
  pb1.SetRange(0, 100);
  pb1.Hide();
  sb1.SetAlign(Align::Bottom);
  sb1.SetSize(0, 19);
  Panel1.Hide();

  Panel3.SetSize(359, 297);
  Panel3.SetColor(ui::kColorButtonFace);
  LMDSimpleLabel3.SetAlign(Align::Top);
  LMDSimpleLabel3.SetSize(0, 35);
  LMDSimpleLabel3.SetCaption("Configurar CAD");
  LMDSimpleLabel3.SetAlignment(TextAlignment::Center);
  LMDSimpleLabel3.SetTransparent(true);
  LMDSimpleLabel3.SetFont(TimesFont(29, ui::kColorBlack));
  Label4.SetBounds({48, 56, 260, 13});
  Label4.SetCaption("Selecione qual CAD deve ser configurado");
  Label4.SetTransparent(true);
  Label4.SetFont(SansFont(11, true));
  cadlist.SetBounds({57, 80, 233, 145});
  cadlist.SetFont(SansFont(11, true));
  cadlist.SetColor(ui::kColorButtonFace);
  Button1.SetBounds({58, 241, 85, 25});
  Button1.SetCaption("Configurar");
  Button1.SetFont(SansFont(13));
  Button2.SetBounds({204, 241, 85, 25});
  Button2.SetCaption("Cancelar");
  Button2.SetFont(SansFont(13));
  sb2.SetAlign(Align::Bottom);
  sb2.SetSize(0, 19);
  Panel3.Hide();

  lblInstalar.Hide();
  lblConfigurar.Hide();
  lblSair.Hide();
}

CentralState MainForm::State() const {
  auto only = [this](std::initializer_list<const ui::Control*> shown) {
    for (const ui::Control* c : GP3.Children()) {
      bool wanted = std::find(shown.begin(), shown.end(), c) != shown.end();
      if (c->Visible() != wanted) return false;
    }
    return true;
  };
  if (only({&lblIdioma, &lblPortugues, &lblEspanhol})) return CentralState::LanguageChoice;
  if (only({&lblInstalar, &lblConfigurar, &lblSair})) return CentralState::Actions;
  if (only({&Panel1})) return CentralState::Installing;
  if (only({&Panel3})) return CentralState::CadSetup;
  if (only({})) return CentralState::Empty;
  return CentralState::Other;
}

void MainForm::ShowState(CentralState state) {
  auto show = [&](std::initializer_list<ui::Control*> shown) {
    for (ui::Control* c : GP3.Children()) {
      c->SetVisible(std::find(shown.begin(), shown.end(), c) != shown.end());
    }
  };
  switch (state) {
    case CentralState::LanguageChoice: show({&lblIdioma, &lblPortugues, &lblEspanhol}); break;
    case CentralState::Actions: show({&lblInstalar, &lblConfigurar, &lblSair}); break;
    case CentralState::Installing: show({&Panel1}); break;
    case CentralState::CadSetup: show({&Panel3}); break;
    case CentralState::Empty:
    case CentralState::Other: show({}); break;
  }
}

void MainForm::FormCreate() {
  lblInstalar.Hide();
  lblConfigurar.Hide();
  lblSair.Hide();
  std::string program = platform_.system.ProgramPath();
  state_.source_folder = SourceFolderOf(program);
  state_.system_folder = platform_.system.SystemFolder();
  lbVersao.SetCaption(VersionLine(FileVersionText(platform_.system, program)));
  if (state_.source_folder.empty() || state_.source_folder.back() != '\\') state_.source_folder += '\\';
  FormResize();
}

void MainForm::FormResize() {
  CentreLayout layout = ComputeCentreLayout(GP3.Width(), GP3.Height(), Panel3.Width(), Panel3.Height(),
                                            lblPortugues.Width());
  Panel3.SetPosition(layout.panel_left, layout.panel_top);
  Panel1.SetPosition(layout.panel_left, layout.panel_top);
  lblIdioma.SetSize(lblPortugues.Width(), lblIdioma.Height());
  lblIdioma.SetPosition(layout.button_left, layout.row_top[0]);
  lblInstalar.SetPosition(layout.button_left, layout.row_top[0]);
  lblPortugues.SetPosition(layout.button_left, layout.row_top[1]);
  lblConfigurar.SetPosition(layout.button_left, layout.row_top[1]);
  lblEspanhol.SetPosition(layout.button_left, layout.row_top[2]);
  lblSair.SetPosition(layout.button_left, layout.row_top[2]);
}

void MainForm::ShowActions() {
  lblIdioma.Hide();
  lblInstalar.Show();
  lblPortugues.Hide();
  lblConfigurar.Show();
  lblEspanhol.Hide();
  lblSair.Show();
}

void MainForm::SetDialogs(ui::Form& agreement, ui::Form& restart_prompt) {
  agreement_ = &agreement;
  restart_prompt_ = &restart_prompt;
}

void MainForm::MovePointerUp(int pixels) {
  platform::Point p = platform_.system.CursorPosition();
  platform_.system.SetCursorPosition({p.x, p.y - pixels});
}

// The pointer moves from the pressed button onto "Instalar Programa", which
// takes the place of the prompt above it.
void MainForm::lblPortuguesClick() {
  FormResize();
  if (Dictionary1->Language() != 1) Dictionary1->SetLanguage(1);
  ShowActions();
  MovePointerUp(57);
}

void MainForm::lblEspanholClick() {
  FormResize();
  Dictionary1->SetLanguage(2);
  ShowActions();
  MovePointerUp(120);
}

void MainForm::lblInstalarClick() {
  if (agreement_) App().ShowModal(*agreement_);
  if (!state_.agreement_accepted) {
    App().ShowMessage({Translate(messages::kAgreementDeclined), Translate(install::messages::kErrorCaption),
                       ui::MessageIcon::None, nullptr});
    return;
  }
  if (run_installation) run_installation();
}

void MainForm::lblSairClick() { Close(); }

void MainForm::FormClose() {
  const bool prompt = state_.restart_needed && platform_.system.PlatformId() == platform::kPlatformWin32NT;
  if (prompt && !state_.offer_restart) {
    App().Terminate(kExitRestartNeeded);
    return;
  }
  if (prompt && restart_prompt_) App().ShowModal(*restart_prompt_);
  App().Terminate(0);
}

}  // namespace shell
