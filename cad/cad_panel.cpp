#include "cad/cad_panel.h"

#include <vector>

#include "cad/cad_messages.h"
#include "cad/profile_configuration.h"
#include "cad/profile_display_text.h"
#include "ui/application.h"

namespace cad {

namespace {

// A plain box carries the program's title, as every box without its own does.
constexpr char kPlainCaption[] = "Instalar";

}  // namespace

CadPanel::CadPanel(CadPanelControls controls, platform::Platform& platform, Translate translate)
    : controls_(controls), platform_(platform), translate_(std::move(translate)) {
  if (!translate_) translate_ = [](const std::string& text) { return text; };
}

void CadPanel::Attach() {
  controls_.lblConfigurar.on_click = [this] { lblConfigurarClick(); };
  controls_.cadlist.on_click = [this] { cadlistClick(); };
  controls_.Button1.on_click = [this] { Button1Click(); };
  controls_.Button2.on_click = [this] { Button2Click(); };
}

void CadPanel::ListCadProfiles() {
  auto& list = controls_.cadlist;
  // Clearing first drops the former ticks along with the lines; a listing
  // that stops on an error leaves an empty list that cannot be configured.
  list.Items().Clear();
  cadlistClick();
  const auto profiles = ListedCadProfiles(platform_.registry);
  std::vector<std::string> lines;
  for (const auto& profile : profiles) lines.push_back(profile.displayText);
  list.Items().Assign(std::move(lines));
  list.SetAllChecked(true);
  cadlistClick();
}

void CadPanel::lblConfigurarClick() {
  ListCadProfiles();
  controls_.lblInstalar.Hide();
  controls_.lblConfigurar.Hide();
  controls_.lblSair.Hide();
  controls_.Panel3.Show();
}

void CadPanel::cadlistClick() {
  auto& list = controls_.cadlist;
  controls_.Button1.SetEnabled(false);
  for (int line = 0; line < list.Items().Count(); ++line) {
    if (!list.Checked(line)) continue;
    controls_.Button1.SetEnabled(true);
    return;
  }
}

void CadPanel::Button1Click() {
  const auto& list = controls_.cadlist;
  std::vector<CadListLine> lines;
  for (int line = 0; line < list.Items().Count(); ++line) {
    lines.push_back({list.Items()[line], list.Checked(line)});
  }
  const CadConfigurationContext context{
      platform_.registry,
      platform_.files,
      platform_.processes,
      [this](const std::string& text) { ShowPlainMessage(text); },
      [this](const std::string& text) { ShowInformation(text); },
      translate_,
  };
  ConfigureCadProfiles(context, lines);
  controls_.Panel3.Hide();
  ShowMainButtons();
}

void CadPanel::Button2Click() {
  controls_.Panel3.Hide();
  ShowMainButtons();
}

void CadPanel::ShowMainButtons() {
  controls_.lblInstalar.Show();
  controls_.lblConfigurar.Show();
  controls_.lblSair.Show();
}

void CadPanel::ShowPlainMessage(const std::string& text) {
  controls_.form.App().ShowMessage({text, kPlainCaption, ui::MessageIcon::None, &controls_.form});
}

void CadPanel::ShowInformation(const std::string& text) {
  controls_.form.App().ShowMessage(
      {text, messages::kInformationCaption, ui::MessageIcon::Information, &controls_.form});
}

}  // namespace cad
