#include "shell/installation_window.h"

#include <utility>

#include "install/installation_run.h"
#include "shell/recorded_installation.h"
#include "ui/application.h"

namespace shell {

namespace {

void ShowProgressPanel(MainForm& form) {
  form.lblInstalar.Hide();
  form.lblConfigurar.Hide();
  form.lblSair.Hide();
  form.Panel1.Show();
  form.pb1.Show();
  form.Repaint();
}

// A listing stopped by an error must not leave the finished run's panel
// covering the CAD panel.
void ShowCadProfiles(MainForm& form, const std::function<void()>& list_cad_profiles) {
  try {
    if (list_cad_profiles) list_cad_profiles();
  } catch (...) {
    form.Panel1.Hide();
    throw;
  }
  form.Panel1.Hide();
}

}  // namespace

InstallationWindow::InstallationWindow(MainForm& form) : InstallationWindow(form, form.GetPlatform()) {}

InstallationWindow::InstallationWindow(MainForm& form, platform::Platform& windows)
    : form_(form),
      context_(InstallationContextOf(form, windows, *this,
                                     [this](const install::InstallationMessage& message) { ShowMessage(message); })),
      paint_pace_(form.GetPlatform().system),
      peek_pace_(form.GetPlatform().system) {}

void InstallationWindow::ShowStatus(const std::string& text) {
  form_.sb1.SetSimpleText(text);
  form_.sb1.Repaint();
}

void InstallationWindow::ShowCopyCaption() { form_.Label11.Show(); }

void InstallationWindow::ShowFiles(const std::string& from_line, const std::string& to_line) {
  form_.Labeltext.SetCaption(from_line);
  form_.Label24.SetCaption(to_line);
  PaintWhenDue();
}

// A new range comes with the step's first position, which paints.
void InstallationWindow::SetBarRange(int minimum, int maximum) {
  form_.pb1.SetRange(minimum, maximum);
  unpainted_ = true;
}

void InstallationWindow::SetBarPosition(int position) {
  form_.pb1.SetPosition(position);
  PaintWhenDue();
}

// The copy takes no input; the peek keeps Windows from calling the window
// hung, which a few times a second does as well as after every file.
void InstallationWindow::KeepAlive() {
  // A long file must not leave the screen a frame behind for its whole length.
  if (unpainted_ && paint_pace_.Due()) Paint();
  if (peek_pace_.Due()) Peek();
}

void InstallationWindow::EndOfStep() {
  Paint();
  Peek();
}

void InstallationWindow::PaintWhenDue() {
  unpainted_ = true;
  if (paint_pace_.Due()) Paint();
}

void InstallationWindow::Paint() {
  form_.Panel2.PaintChanges();
  paint_pace_.Done();
  unpainted_ = false;
}

void InstallationWindow::Peek() {
  form_.App().GetBackend().KeepResponsive();
  peek_pace_.Done();
}

// The box waits for the user: what the run shows must be on the screen first.
void InstallationWindow::ShowMessage(const install::InstallationMessage& message) {
  Paint();
  form_.App().ShowMessage(
      {message.text, message.caption, ui::MessageIcon::None, message.owned_by_main_window ? &form_ : nullptr});
}

void RunInstallation(MainForm& form, const std::function<void()>& list_cad_profiles) {
  ShowProgressPanel(form);
  InstallationWindow window(form);
  const auto show = [&window](const install::InstallationMessage& message) { window.ShowMessage(message); };
  switch (InstallWithRecord(form, window, show)) {
    case install::InstallationOutcome::MissingMediumFolder:
      form.App().Terminate(install::kExitMissingMediumFolder);
      return;
    case install::InstallationOutcome::Completed:
      form.pb1.Hide();
      form.Panel3.Show();
      break;
    case install::InstallationOutcome::RootNotCreated:
      break;
  }
  ShowCadProfiles(form, list_cad_profiles);
}

void AttachInstallation(MainForm& form, std::function<void()> list_cad_profiles) {
  form.run_installation = [&form, list = std::move(list_cad_profiles)] { RunInstallation(form, list); };
}

}  // namespace shell
