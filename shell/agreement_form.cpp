#include "shell/agreement_form.h"

#include <stdexcept>

namespace shell {

std::vector<std::string> AgreementText(platform::Resources& resources) {
  auto text = resources.RcData("CONTRATO");
  if (!text) throw std::runtime_error("The agreement text is missing from the program");
  ui::StringList lines;
  lines.SetText(*text);
  return lines.Lines();
}

AgreementForm::AgreementForm(ui::Application& application, platform::Platform& platform,
                             InstallerState& state)
    : ui::Form(application, "Tcontrato", "contrato"),
      state_(state),
      RichEdit1(Make<ui::RichEdit>("RichEdit1", this)),
      Button1(Make<ui::Button>("Button1", this)),
      Button2(Make<ui::Button>("Button2", this)) {
  SetCaption("CONTRATO DE LICENÇA");
  SetBounds({0, 0, 651, 460});
  SetBorderStyle(ui::BorderStyle::DialogNoButtons);
  SetFormPosition(ui::FormPosition::ScreenCenter);
  SetFont({"MS Sans Serif", 11, false, false, ui::kColorWindowText});
  SetColor(ui::kColorButtonFace);

  RichEdit1.SetBounds({16, 24, 609, 345});
  RichEdit1.SetColor(ui::kColorButtonFace);
  RichEdit1.Lines().Assign(AgreementText(platform.resources));
  Button1.SetBounds({24, 392, 289, 25});
  Button1.SetCaption("ACEITO AS CONDIÇÕES DESTE CONTRATO");
  Button2.SetBounds({328, 392, 289, 25});
  Button2.SetCaption("NÃO ACEITO AS CONDIÇÕES DESTE CONTRATO");
  Button1.on_click = [this] { Button1Click(); };
  Button2.on_click = [this] { Button2Click(); };
  IvTranslator1 = std::make_unique<i18n::TIvTranslator>("IvTranslator1", *this);
  IvTranslator1->LoadFromForm(ClassName(), platform.resources);
  IvTranslator1->Loaded();
}

void AgreementForm::Button1Click() {
  state_.agreement_accepted = true;
  Close();
}

void AgreementForm::Button2Click() {
  state_.agreement_accepted = false;
  Close();
}

}  // namespace shell
