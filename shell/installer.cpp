#include "shell/installer.h"

#include <exception>

#include "shell/agreement_form.h"
#include "shell/command_line.h"
#include "shell/installation_window.h"
#include "shell/installer_state.h"
#include "shell/main_form.h"
#include "shell/restart_form.h"
#include "shell/uninstall_command.h"
#include "ui/application.h"

namespace shell {

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
    if (command.uninstall) return RunUninstallCommand(main_form, command.quiet);
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
    // Nothing could be built: say why, then leave.
    application.HandleError(error);
    return 1;
  }
}

}  // namespace shell
