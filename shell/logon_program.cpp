#include "shell/logon_program.h"

#include <exception>

#include "install/install_messages.h"
#include "shell/command_line.h"
#include "shell/exit_codes.h"
#include "shell/guarded_run.h"
#include "shell/installer_state.h"
#include "shell/main_form.h"
#include "shell/run_log.h"
#include "shell/shell_messages.h"
#include "shell/unattended_run.h"
#include "shell/uninstall_command.h"
#include "text/fill_in.h"
#include "ui/application.h"
#include "uninstall/logon_setup.h"
#include "uninstall/uninstall_run.h"

namespace shell {

namespace {

constexpr int kPortuguese = 1;
constexpr int kSpanish = 2;

std::string Argument(const std::string& text) {
  return text.find(' ') == std::string::npos ? text : "\"" + text + "\"";
}

// The command the user's next logon runs: this program, this run.
std::string RetryCommand(platform::Platform& windows, const LogonCommandLine& command) {
  std::string line = "\"" + windows.system.ProgramPath() + "\" " + (command.restore ? "/uninstall" : "/configurecad") +
                     " /quiet";
  if (command.log_file) line += " " + Argument("/log=" + *command.log_file);
  return line;
}

int Run(MainForm& form, const LogonCommandLine& command, RunLog& log) {
  if (command.bad_argument) {
    log.Failure(install::messages::kApplicationTitle,
                text::FillIn(form.Translate(messages::kBadArgument), {*command.bad_argument}));
    return log.Exit(form.Translate(messages::kExitCode), kExitBadCommandLine);
  }
  // Spoken as the installation was; with none, as the system speaks.
  if (const auto language = uninstall::InstalledLanguage(form.GetPlatform())) {
    form.Dictionary().SetLanguage(*language == "es" ? kSpanish : kPortuguese);
  }
  if (command.restore) return GuardedRun(form, log, false, [&] { return RunCadRestoreAtLogon(form, log); });
  return RunCadConfigurationAtLogon(form, log);
}

}  // namespace

int RunLogonProgram(ui::Backend& backend, platform::Platform& platform, const std::vector<std::string>& arguments) {
  const LogonCommandLine command = ParseLogonCommandLine(arguments);
  RunLog log(platform, command.log_file);
  ui::Application application(backend);
  InstallerState state;
  int code = kExitFailure;
  try {
    // Made for its dictionary only; never shown.
    MainForm form(application, platform, state);
    code = Run(form, command, log);
  } catch (const std::exception& error) {
    log.Failure(install::messages::kApplicationTitle, error.what());
    code = log.Exit(messages::kExitCode, kExitFailure);
  }
  if (!command.bad_argument) {
    if (code == kExitSuccess) {
      uninstall::ForgetRetries(platform.registry);
    } else if (!uninstall::RetryAtNextLogon(platform.registry,
                                            command.restore ? uninstall::kCadRestoreRetry : uninstall::kCadSetupRetry,
                                            RetryCommand(platform, command))) {
      log.Write(messages::kRetryNotArranged);
    }
  }
  log.KeepIfFailed(code);
  return code;
}

}  // namespace shell
