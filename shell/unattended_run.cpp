#include "shell/unattended_run.h"

#include <memory>
#include <string>

#include "cad/cad_messages.h"
#include "cad/profile_configuration.h"
#include "install/install_messages.h"
#include "shell/exit_codes.h"
#include "shell/guarded_run.h"
#include "shell/installation_window.h"
#include "shell/recorded_installation.h"
#include "shell/shell_messages.h"
#include "ui/application.h"
#include "uninstall/uninstall_run.h"

namespace shell {

namespace {

constexpr int kPortuguese = 1;
constexpr int kSpanish = 2;

// The boxes of the CAD configuration as the panel shows them, or only logged.
struct CadBoxes {
  MainForm& form;
  RunLog& log;
  bool shown;

  // What the configuration shows and passes over is logged and fails
  // nothing; a refusal fails the run by the outcome.
  void Plain(const std::string& text) {
    log.Note(install::messages::kApplicationTitle, text);
    if (shown) form.App().ShowMessage({text, install::messages::kApplicationTitle, ui::MessageIcon::None, &form});
  }
  void Information(const std::string& text) {
    log.Note(cad::messages::kInformationCaption, text);
    if (shown) {
      form.App().ShowMessage({text, cad::messages::kInformationCaption, ui::MessageIcon::Information, &form});
    }
  }
};

// Every profile of the user, on the platform that records the changes. A
// host that runs or an error fails the run; a setting left to the user, as
// the window shows it and goes on, does not, except at logon, where the run
// must come again until it is complete.
int ConfigureEveryProfile(MainForm& form, CadBoxes boxes, bool at_logon = false) {
  platform::Platform& windows = form.CadPlatform();
  const cad::CadConfigurationContext context{
      windows.registry,
      windows.files,
      windows.processes,
      [&boxes](const std::string& text) { boxes.Plain(text); },
      [&boxes](const std::string& text) { boxes.Information(text); },
      [&form](const std::string& text) { return form.Translate(text); },
      at_logon,
  };
  const auto outcome = cad::ConfigureCadProfiles(context, cad::EveryProfileTicked(windows.registry));
  if (outcome == cad::ConfigurationOutcome::RefusedHostOpen) return kExitFailure;
  return at_logon && outcome != cad::ConfigurationOutcome::Configured ? kExitFailure : kExitSuccess;
}

// The code the log's failures, the restart and the run's own verdict make.
int ExitCode(MainForm& form, RunLog& log, int verdict) {
  int code = verdict;
  if (code == kExitSuccess && log.Failed()) code = kExitFailure;
  if (code == kExitSuccess && form.GetState().restart_needed) {
    log.Write(form.Translate(messages::kRestartNeeded));
    code = kExitRestartNeeded;
  }
  return log.Exit(form.Translate(messages::kExitCode), code);
}

void ShowProgressOnly(MainForm& form) {
  form.Show();
  form.ShowState(CentralState::Installing);
  form.pb1.Show();
  form.Repaint();
}

int Install(MainForm& form, const CommandLine& command, RunLog& log) {
  if (!command.accept_license) {
    log.Failure(form.Translate(install::messages::kErrorCaption), form.Translate(messages::kAgreementNotInCommand));
    return kExitDeclined;
  }
  std::unique_ptr<InstallationWindow> window;
  if (command.passive) {
    ShowProgressOnly(form);
    window = std::make_unique<InstallationWindow>(form);
  }
  LoggedProgress progress(log, window.get());
  const auto outcome = InstallWithRecord(
      // What the installation shows and passes over is logged, failing nothing.
      form, progress, [&log](const install::InstallationMessage& message) { log.Note(message.caption, message.text); });
  if (outcome != install::InstallationOutcome::Completed) return kExitFailure;
  log.Write(form.Translate(messages::kInstallationDone));
  if (command.configure_all_cad) return ConfigureEveryProfile(form, {form, log, false});
  return kExitSuccess;
}

}  // namespace

int RunUnattendedInstallation(MainForm& form, const CommandLine& command, RunLog& log) {
  form.Dictionary().SetLanguage(command.language == "es" ? kSpanish : kPortuguese);
  return GuardedRun(form, log, false, [&] { return ExitCode(form, log, Install(form, command, log)); });
}

int RunCadConfigurationCommand(MainForm& form, const CommandLine& command, RunLog& log) {
  // Spoken as the installation was; with none, as the command says.
  const auto installed = uninstall::InstalledLanguage(form.GetPlatform());
  form.Dictionary().SetLanguage(installed.value_or(command.language) == "es" ? kSpanish : kPortuguese);
  return GuardedRun(form, log, !command.quiet, [&] {
    return ExitCode(form, log, ConfigureEveryProfile(form, {form, log, !command.quiet}));
  });
}

int RunCadConfigurationAtLogon(MainForm& form, RunLog& log) {
  return GuardedRun(form, log, false,
                    [&] { return ExitCode(form, log, ConfigureEveryProfile(form, {form, log, false}, true)); });
}

}  // namespace shell
