#include "shell/uninstall_command.h"

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
  platform::Platform& windows = form.GetPlatform();
  const auto language = uninstall::InstalledLanguage(windows);
  // Spoken as the installation was; with no record, as the system speaks.
  form.Dictionary().SetLanguage(language == "es" ? kSpanish : kPortuguese);
  const std::string caption = form.Translate(uninstall::messages::kCaption);
  auto show = [&](const std::string& text) {
    if (!quiet) form.App().ShowMessage({text, caption, ui::MessageIcon::None, nullptr});
  };
  if (!language) {
    show(form.Translate(uninstall::messages::kNothingInstalled));
    return kExitSuccess;
  }
  if (!quiet && !form.App().GetBackend().Ask({form.Translate(uninstall::messages::kConfirm), caption,
                                              ui::MessageIcon::None, nullptr})) {
    return kExitDeclined;
  }
  const uninstall::UninstallContext context{windows, form.GetState().system_folder,
                                            [&form](const std::string& text) { return form.Translate(text); }};
  const auto result = uninstall::Uninstall(context);
  switch (result.outcome) {
    case uninstall::UninstallOutcome::RefusedHostOpen:
      show(result.refusal);
      return kExitFailure;
    case uninstall::UninstallOutcome::NothingInstalled:
      show(form.Translate(uninstall::messages::kNothingInstalled));
      return kExitSuccess;
    case uninstall::UninstallOutcome::Uninstalled:
      break;
  }
  show(ClosingText(form, result.left));
  return kExitSuccess;
}

}  // namespace shell
