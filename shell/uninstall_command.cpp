#include "shell/uninstall_command.h"

#include "shell/shell_messages.h"
#include "text/fill_in.h"
#include "ui/application.h"
#include "uninstall/uninstall_messages.h"
#include "uninstall/uninstall_run.h"

namespace shell {

namespace {

constexpr int kPortuguese = 1;
constexpr int kSpanish = 2;

// The closing text: done, or done with what stayed and why, one per line.
std::string ClosingText(MainForm& form, const uninstall::LeftList& left) {
  if (left.empty()) return form.Translate(uninstall::messages::kDone);
  std::string text = form.Translate(uninstall::messages::kDoneWithLeft);
  for (const auto& item : left) text += "\r\n" + text::FillIn(form.Translate(item.format), item.values);
  return text;
}

}  // namespace

int RunUninstallCommand(MainForm& form, bool quiet) {
  RunLog nowhere(form.GetPlatform(), std::nullopt);
  return RunUninstallCommand(form, quiet, nowhere);
}

int RunUninstallCommand(MainForm& form, bool quiet, RunLog& log) {
  platform::Platform& windows = form.GetPlatform();
  const auto language = uninstall::InstalledLanguage(windows);
  // Spoken as the installation was; with no record, as the system speaks.
  form.Dictionary().SetLanguage(language == "es" ? kSpanish : kPortuguese);
  const std::string caption = form.Translate(uninstall::messages::kCaption);
  auto show = [&](const std::string& text) {
    log.Note(caption, text);
    if (!quiet) form.App().ShowMessage({text, caption, ui::MessageIcon::None, nullptr});
  };
  if (!language && !uninstall::HasUserCadRecord(windows)) {
    show(form.Translate(uninstall::messages::kNothingInstalled));
    return log.Exit(form.Translate(messages::kExitCode), kExitSuccess);
  }
  if (!quiet && !form.App().GetBackend().Ask({form.Translate(uninstall::messages::kConfirm), caption,
                                              ui::MessageIcon::None, nullptr})) {
    return log.Exit(form.Translate(messages::kExitCode), kExitDeclined);
  }
  const uninstall::UninstallContext context{windows, form.GetState().system_folder,
                                            [&form](const std::string& text) { return form.Translate(text); }};
  const auto result = uninstall::Uninstall(context);
  switch (result.outcome) {
    case uninstall::UninstallOutcome::RefusedHostOpen:
      show(result.refusal);
      return log.Exit(form.Translate(messages::kExitCode), kExitFailure);
    case uninstall::UninstallOutcome::NothingInstalled:
      show(form.Translate(uninstall::messages::kNothingInstalled));
      return log.Exit(form.Translate(messages::kExitCode), kExitSuccess);
    case uninstall::UninstallOutcome::Uninstalled:
      break;
  }
  show(ClosingText(form, result.left));
  return log.Exit(form.Translate(messages::kExitCode), kExitSuccess);
}

int RunCadRestoreAtLogon(MainForm& form, RunLog& log) {
  const std::string caption = form.Translate(uninstall::messages::kCaption);
  const std::string exit_format = form.Translate(messages::kExitCode);
  const auto result = uninstall::RestoreUserCadProfiles(form.GetPlatform());
  switch (result.outcome) {
    case uninstall::UninstallOutcome::RefusedHostOpen:
      log.Failure(caption, result.refusal);
      return log.Exit(exit_format, kExitFailure);
    case uninstall::UninstallOutcome::NothingInstalled:
      return log.Exit(exit_format, kExitSuccess);
    case uninstall::UninstallOutcome::Uninstalled:
      break;
  }
  log.Note(caption, ClosingText(form, result.left));
  return log.Exit(exit_format, kExitSuccess);
}

}  // namespace shell
