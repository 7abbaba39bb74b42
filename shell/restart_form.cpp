#include "shell/restart_form.h"

namespace shell {

bool RestartWindows(platform::System& system, std::uint32_t exit_flags) {
  if (system.PlatformId() == platform::kPlatformWin32NT) system.EnableShutdownPrivilege();
  return system.RequestExit(exit_flags);
}

RestartForm::RestartForm(ui::Application& application, platform::Platform& platform)
    : ui::Form(application, "Tboot", "boot"),
      platform_(platform),
      Panel1(Make<ui::Panel>("Panel1", this)),
      Panel2(Make<ui::Panel>("Panel2", this)),
      Image1(Make<ui::Image>("Image1", this)),
      Label1(Make<ui::Label>("Label1", this)),
      Label2(Make<ui::Label>("Label2", this)),
      Label3(Make<ui::Label>("Label3", this)),
      Label4(Make<ui::Label>("Label4", this)),
      rg1(Make<ui::RadioGroup>("rg1", this)),
      Label6(Make<ui::Label>("Label6", this)),
      Bevel1(Make<ui::Bevel>("Bevel1", this)),
      Button1(Make<ui::Button>("Button1", this)) {
  SetCaption("Instalação Completa");
  SetBounds({222, 122, 481, 371});
  SetBorderStyle(ui::BorderStyle::SizeableDialog);
  SetFormPosition(ui::FormPosition::Designed);
  SetFont({"MS Sans Serif", 11, false, false, ui::kColorWindowText});
  SetColor(ui::kColorButtonFace);

  for (ui::Panel* spacer : {&Panel1, &Panel2}) {
    spacer->SetFramed(false);
    spacer->SetColor(ui::kColorButtonFace);
  }
  Panel1.SetAlign(ui::Align::Bottom);
  Panel1.SetSize(0, 25);
  Panel2.SetAlign(ui::Align::Right);
  Panel2.SetSize(21, 0);

  Image1.SetBounds({3, 2, 121, 233});
  Image1.SetPicture("BOOT");
  Image1.SetStretch(false);

  auto label = [](ui::Label& l, int top, const std::string& caption) {
    l.SetBounds({144, top, 320, 13});
    l.SetCaption(caption);
  };
  label(Label1, 0, "O programa de instalação terminou de copiar os arquivos");
  label(Label2, 16, "para o seu computador.");
  label(Label3, 48, "Antes que você possa usar este programa é necessário ");
  label(Label4, 64, "reiniciar o seu computador.");
  label(Label6, 216, "Clique em terminar para completar a instalação");

  rg1.SetBounds({143, 94, 257, 97});
  rg1.Items().Assign({"Sim. Eu quero reiniciar o computador agora.",
                      "Não. Eu reiniciarei meu computador mais tarde."});
  Bevel1.SetBounds({0, 242, 409, 2});
  Button1.SetBounds({307, 264, 89, 25});
  Button1.SetCaption("Terminar");
  Button1.SetEnabled(false);

  rg1.on_click = [this] { rg1Click(); };
  Button1.on_click = [this] { Button1Click(); };
}

void RestartForm::rg1Click() { Button1.SetEnabled(true); }

void RestartForm::Button1Click() {
  if (rg1.ItemIndex() == 0) RestartWindows(platform_.system, kRestartFlags);
  Close();
}

}  // namespace shell
