#include "install/component_registration.h"

#include <exception>
#include <string>

#include "install/install_messages.h"
#include "platform/administrators_only.h"

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

void Register(const InstallationContext& context, const Registration& registration) {
  platform::Platform& windows = context.windows;
  try {
    if (!windows.files.FileExists(registration.file)) return;
    // Run as administrator, it must be what the medium put there and nobody else could change.
    if (!platform::MayStartElevated(windows.files, registration.file)) {
      context.show_message({registration.error_text, messages::kApplicationTitle, true});
      return;
    }
    windows.processes.StartHidden(registration.first_command);
    if (windows.registry.KeyExists(platform::RegistryRoot::ClassesRoot, registration.prog_id)) return;
    windows.processes.StartHidden(registration.fallback_command);
  } catch (const std::exception&) {
    context.show_message({registration.error_text, messages::kApplicationTitle, true});
  }
}

}  // namespace

void RegisterComServer(const InstallationContext& context, const ComServer& server) {
  Register(context, {std::string(server.file), std::string(server.self_registration),
                  std::string(server.prog_id),
                  context.system_folder + std::string(server.fallback),
                  std::string(server.error_text)});
}

void RegisterTextControl(const InstallationContext& context) {
  std::string command = context.system_folder + kTextControlCommand;
  Register(context, {kTextControlFile, command, kTextControlProgId, command, kTextControlError});
}

}  // namespace install
