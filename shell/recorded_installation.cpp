#include "shell/recorded_installation.h"

#include <utility>

#include "install/install_messages.h"
#include "record/change_record.h"
#include "record/recording_platform.h"
#include "uninstall/uninstall_locations.h"
#include "uninstall/uninstall_messages.h"
#include "uninstall/windows_registration.h"

namespace shell {

namespace {

void RegisterUninstaller(MainForm& form, record::ChangeRecord& machine_record,
                         const ShowInstallationMessage& show_message) {
  const uninstall::WindowsRegistration registration{form.Translate(uninstall::messages::kProductName),
                                                    form.GetState().source_folder, form.GetState().system_folder};
  const bool registered = uninstall::RegisterWithWindows(form.GetPlatform(), machine_record, registration);
  if (registered && !machine_record.Failed()) return;
  show_message({form.Translate(uninstall::messages::kNotRegistered), form.Translate(install::messages::kErrorCaption),
                false});
}

}  // namespace

install::InstallationContext InstallationContextOf(MainForm& form, platform::Platform& windows,
                                                   install::InstallationProgress& progress,
                                                   ShowInstallationMessage show_message) {
  return {windows,
          form.GetState().source_folder,
          form.GetState().system_folder,
          install::LanguageOf(form.Dictionary().Language()),
          [&form](const std::string& text) { return form.Translate(text); },
          std::move(show_message),
          progress,
          form.GetState().restart_needed};
}

install::InstallationOutcome InstallWithRecord(MainForm& form, install::InstallationProgress& progress,
                                               const ShowInstallationMessage& show_message) {
  platform::Platform& windows = form.GetPlatform();
  const bool spanish = install::LanguageOf(form.Dictionary().Language()) == install::Language::Spanish;
  record::ChangeRecord machine_record(windows.files, uninstall::MachineRecordPath(windows.shell), "install",
                                      spanish ? "es" : "pt");
  record::RecordingPlatform recorded(windows, machine_record);
  const auto outcome = install::InstallProduct(InstallationContextOf(form, recorded.Get(), progress, show_message));
  if (outcome == install::InstallationOutcome::Completed) RegisterUninstaller(form, machine_record, show_message);
  return outcome;
}

}  // namespace shell
