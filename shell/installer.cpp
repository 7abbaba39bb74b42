#include "shell/installer.h"

#include <exception>
#include <optional>

#include "install/install_messages.h"
#include "shell/agreement_form.h"
#include "shell/command_line.h"
#include "shell/exit_codes.h"
#include "shell/guarded_run.h"
#include "shell/installation_window.h"
#include "shell/installer_state.h"
#include "shell/main_form.h"
#include "shell/restart_form.h"
#include "shell/run_log.h"
#include "shell/shell_messages.h"
#include "shell/unattended_run.h"
#include "shell/uninstall_command.h"
#include "text/fill_in.h"
#include "ui/application.h"

namespace shell {

namespace {

// Nothing is done: a box names the argument, or, quiet, the log does.
int RefuseCommandLine(MainForm& form, const CommandLine& command, RunLog& log) {
  const std::string text = text::FillIn(form.Translate(messages::kBadArgument), {*command.bad_argument});
  log.Failure(install::messages::kApplicationTitle, text);
  if (!command.quiet) {
    form.App().ShowMessage({text, install::messages::kApplicationTitle, ui::MessageIcon::Error, nullptr});
  }
  return log.Exit(form.Translate(messages::kExitCode), kExitBadCommandLine);
}

// Quiet, even the list goes to the log.
void ShowHelp(MainForm& form, const CommandLine& command, RunLog& log) {
  const std::string text = form.Translate(messages::kHelp);
  log.Write(text);
  if (command.quiet) return;
  form.App().ShowMessage({text, install::messages::kApplicationTitle, ui::MessageIcon::Information, nullptr});
}

// The runs the command line asks for instead of the interactive installer;
// nullopt for that one.
std::optional<int> RunCommand(MainForm& form, const CommandLine& command) {
  RunLog log(form.GetPlatform(), command.log_file);
  int code = kExitSuccess;
  if (command.bad_argument) {
    code = RefuseCommandLine(form, command, log);
  } else if (command.help) {
    ShowHelp(form, command, log);
  } else if (command.uninstall) {
    code = GuardedRun(form, log, !command.quiet, [&] { return RunUninstallCommand(form, command.quiet, log); });
  } else if (command.configure_cad_only) {
    code = RunCadConfigurationCommand(form, command, log);
  } else if (command.Unattended()) {
    code = RunUnattendedInstallation(form, command, log);
  } else {
    return std::nullopt;
  }
  if (command.quiet) log.KeepIfFailed(code);
  return code;
}

}  // namespace

int RunInstaller(ui::Backend& backend, platform::Platform& platform, const SystemMenuOf& system_menu_of,
                 const std::vector<std::string>& arguments) {
  const CommandLine command = ParseCommandLine(arguments);
  ui::Application application(backend);
  InstallerState state;
  // The menus outlive the forms whose translators rewrite them.
  std::unique_ptr<ui::SystemMenu> main_menu;
  std::unique_ptr<ui::SystemMenu> agreement_menu;
  try {
    MainForm main_form(application, platform, state);
    backend.Realize(main_form);
    if (main_form.on_create) main_form.on_create();
    if (const auto code = RunCommand(main_form, command)) return *code;
    state.offer_restart = !command.no_restart;
    AgreementForm agreement(application, platform, state);
    backend.Realize(agreement);
    RestartForm restart_prompt(application, platform);
    backend.Realize(restart_prompt);
    main_form.SetDialogs(agreement, restart_prompt);
    if (system_menu_of) {
      main_menu = system_menu_of(main_form);
      main_form.IvTranslator1->SetRootSystemMenu(main_menu.get());
      agreement_menu = system_menu_of(agreement);
      agreement.IvTranslator1->SetRootSystemMenu(agreement_menu.get());
    }
    AttachInstallation(main_form, [&main_form] { main_form.cad_panel.ListCadProfiles(); });
    return application.Run();
  } catch (const std::exception& error) {
    // Nothing could be built: say why, then leave; a quiet run says nothing.
    if (command.quiet) return kExitFailure;
    application.HandleError(error);
    return 1;
  }
}

}  // namespace shell
