#include "uninstall/uninstall_run.h"

#include "cad/running_host_check.h"
#include "record/change_record.h"
#include "uninstall/cad_restoration.h"
#include "uninstall/logon_setup.h"
#include "uninstall/product_removal.h"
#include "uninstall/product_scope.h"
#include "uninstall/uninstall_locations.h"

namespace uninstall {

namespace {

// The uninstaller goes; while users' profiles wait for their restore at
// logon, the program that gives them back stays, and so does its folder.
void RemoveRecordAndPrograms(platform::Platform& windows, const std::string& kept) {
  auto& files = windows.files;
  files.DeleteFile(MachineRecordPath(windows.shell));
  const std::string uninstaller = UninstallerPath(windows.shell);
  const std::string logon_program = LogonProgramPath(windows.shell);
  const std::string group = GroupFolder(windows.shell);
  const bool keep_folder = !kept.empty();
  if (NormalPath(kept) != NormalPath(logon_program) && files.FileExists(logon_program)) {
    files.DeleteFile(logon_program);
  }
  if (NormalPath(kept) == NormalPath(uninstaller)) return;
  // A running program cannot delete itself: Windows does it when it next starts.
  if (NormalPath(windows.system.ProgramPath()) == NormalPath(uninstaller)) {
    files.DeleteAtRestart(uninstaller);
    if (!keep_folder) files.DeleteAtRestart(group);
    return;
  }
  if (files.FileExists(uninstaller)) files.DeleteFile(uninstaller);
  if (!keep_folder) files.RemoveFolder(group);
}

// The program the restore at logon runs: the logon program, put in place
// when an installation made before it existed left none. Failing that, the
// uninstaller, as those installations named it.
std::string RestoreProgram(platform::Platform& windows) {
  if (PlaceLogonProgram(windows)) return LogonProgramPath(windows.shell);
  return UninstallerPath(windows.shell);
}

void RemoveUserCadRecord(platform::Platform& windows) {
  const std::string path = UserCadRecordPath(windows.shell);
  if (path.empty() || !windows.files.FileExists(path)) return;
  windows.files.DeleteFile(path);
  windows.files.RemoveFolder(path.substr(0, path.find_last_of('\\')));
}

}  // namespace

std::optional<std::string> InstalledLanguage(platform::Platform& windows) {
  const auto entries = record::ReadRecord(windows.files, MachineRecordPath(windows.shell));
  std::optional<std::string> language;
  for (const auto& entry : entries) {
    if (entry.kind == record::EntryKind::Run) language = entry.language;
  }
  return language;
}

bool HasUserCadRecord(platform::Platform& windows) {
  return !record::ReadRecord(windows.files, UserCadRecordPath(windows.shell)).empty();
}

namespace {

// The user's part of every uninstall; refused, as a whole, while a CAD host
// runs.
UninstallResult GiveBackUserCad(platform::Platform& windows, bool machine_installed) {
  UninstallResult result;
  const auto cad = record::ReadRecord(windows.files, UserCadRecordPath(windows.shell));
  if (!machine_installed && cad.empty()) {
    result.outcome = UninstallOutcome::NothingInstalled;
    return result;
  }
  if (auto refusal = cad::RunningHostMessage(windows.processes)) {
    result.outcome = UninstallOutcome::RefusedHostOpen;
    result.refusal = *refusal;
    return result;
  }
  RestoreCadProfiles(windows.registry, windows.files, cad, result.left);
  RemoveUserCadRecord(windows);
  return result;
}

}  // namespace

UninstallResult RestoreUserCadProfiles(platform::Platform& windows) { return GiveBackUserCad(windows, false); }

UninstallResult Uninstall(const UninstallContext& context) {
  auto& windows = context.windows;
  const auto machine = record::ReadRecord(windows.files, MachineRecordPath(windows.shell));
  // With the product gone, a user's own configurations are still this
  // user's to give back.
  UninstallResult result = GiveBackUserCad(windows, !machine.empty());
  if (machine.empty() || result.outcome != UninstallOutcome::Uninstalled) return result;

  const RemovalContext removal{windows, context.system_folder, context.translate};
  UnregisterComponents(removal, machine, result.left);
  RestoreClasses(removal, machine, result.left);
  RemoveShortcuts(removal, machine);
  RemoveFiles(removal, machine, result.left);
  windows.registry.DeleteKey(platform::RegistryRoot::LocalMachine, kUninstallKey);
  std::string kept;
  if (windows.registry.KeyExists(platform::RegistryRoot::LocalMachine, kCadSetupKey)) {
    kept = RestoreProgram(windows);
    ReplaceCadSetupWithRestore(windows.registry, kept);
  }
  RemoveRecordAndPrograms(windows, kept);
  return result;
}

}  // namespace uninstall
