#include "install/component_registration.h"

#include <exception>
#include <string>

#include "install/install_messages.h"
#include "ui/application.h"

namespace install {

namespace {

constexpr char kTextControlFile[] = "c:\\geolume\\tx4ole17.ocx";
constexpr char kTextControlCommand[] = "\\regsvr32 \"c:\\geolume\\tx4ole17.ocx\" -s";
constexpr char kTextControlProgId[] = "TIS.TX.TextControl.17";
constexpr char kTextControlError[] = "Erro ao registrar tx4ole17.ocx";

struct Registration {
  std::string file;
  std::string first_command;
  std::string prog_id;
  std::string fallback_command;
  std::string error_text;
};

void Register(shell::MainForm& form, const Registration& registration) {
  platform::Platform& windows = form.GetPlatform();
  try {
    if (!windows.files.FileExists(registration.file)) return;
    windows.processes.StartHidden(registration.first_command);
    if (windows.registry.KeyExists(platform::RegistryRoot::ClassesRoot, registration.prog_id)) return;
    windows.processes.StartHidden(registration.fallback_command);
  } catch (const std::exception&) {
    form.App().ShowMessage(
        {registration.error_text, messages::kApplicationTitle, ui::MessageIcon::None, &form});
  }
}

}  // namespace

void RegisterComServer(shell::MainForm& form, const ComServer& server) {
  Register(form, {std::string(server.file), std::string(server.self_registration),
                  std::string(server.prog_id),
                  form.GetState().system_folder + std::string(server.fallback),
                  std::string(server.error_text)});
}

void RegisterTextControl(shell::MainForm& form) {
  std::string command = form.GetState().system_folder + kTextControlCommand;
  Register(form, {kTextControlFile, command, kTextControlProgId, command, kTextControlError});
}

}  // namespace install
