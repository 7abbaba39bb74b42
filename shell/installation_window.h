#pragma once
// The main window's side of an installation: the panels before and after the
// run, the progress panel as the run's progress, its boxes as the run's
// messages.
#include <functional>

#include "install/installation_context.h"
#include "shell/frame_pace.h"
#include "shell/main_form.h"

namespace shell {

class InstallationWindow : public install::InstallationProgress {
 public:
  // The run works on the given platform: the main window's own, or one that
  // records its changes.
  explicit InstallationWindow(MainForm& form);
  InstallationWindow(MainForm& form, platform::Platform& windows);

  const install::InstallationContext& Context() const { return context_; }

  void ShowStatus(const std::string& text) override;
  void ShowCopyCaption() override;
  void ShowFiles(const std::string& from_line, const std::string& to_line) override;
  void SetBarRange(int minimum, int maximum) override;
  void SetBarPosition(int position) override;
  void KeepAlive() override;
  void EndOfStep() override;

  // A box of the run, over the main window or on its own.
  void ShowMessage(const install::InstallationMessage& message);

 private:
  // The file lines and the bar, drawn at the display's pace: their texts
  // and position change for every file, the pixels once a frame.
  void PaintWhenDue();
  void Paint();
  void Peek();

  MainForm& form_;
  install::InstallationContext context_;
  FramePace paint_pace_;
  FramePace peek_pace_;
  bool unpainted_ = false;
};

// Runs the installation on the main window; list_cad_profiles fills the CAD
// panel at the end.
void RunInstallation(MainForm& form, const std::function<void()>& list_cad_profiles);

// Makes "Instalar Programa" run the installation.
void AttachInstallation(MainForm& form, std::function<void()> list_cad_profiles);

}  // namespace shell
