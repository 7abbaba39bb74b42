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

// While users' profiles wait for their restore at logon, the uninstaller
// that gives them back stays.
void RemoveRecordAndUninstaller(platform::Platform& windows, bool keep_uninstaller) {
  auto& files = windows.files;
  files.DeleteFile(MachineRecordPath(windows.shell));
  if (keep_uninstaller) return;
  const std::string uninstaller = UninstallerPath(windows.shell);
  const std::string group = GroupFolder(windows.shell);
  // A running program cannot delete itself: Windows does it when it next starts.
  if (NormalPath(windows.system.ProgramPath()) == NormalPath(uninstaller)) {
    files.DeleteAtRestart(uninstaller);
    files.DeleteAtRestart(group);
    return;
  }
  if (files.FileExists(uninstaller)) files.DeleteFile(uninstaller);
  files.RemoveFolder(group);
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

UninstallResult Uninstall(const UninstallContext& context) {
  auto& windows = context.windows;
  UninstallResult result;
  const auto machine = record::ReadRecord(windows.files, MachineRecordPath(windows.shell));
  // With the product gone, a user's own configurations are still this
  // user's to give back: the restore at logon comes here.
  const auto cad = record::ReadRecord(windows.files, UserCadRecordPath(windows.shell));
  if (machine.empty() && cad.empty()) {
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
  if (machine.empty()) return result;

  const RemovalContext removal{windows, context.system_folder, context.translate};
  UnregisterComponents(removal, machine, result.left);
  RestoreClasses(removal, machine, result.left);
  RemoveShortcuts(removal, machine);
  RemoveFiles(removal, machine, result.left);
  windows.registry.DeleteKey(platform::RegistryRoot::LocalMachine, kUninstallKey);
  const bool restore_at_logon = ReplaceCadSetupWithRestore(windows.registry, UninstallerPath(windows.shell));
  RemoveRecordAndUninstaller(windows, restore_at_logon);
  return result;
}

}  // namespace uninstall
