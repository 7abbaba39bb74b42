#include "uninstall/windows_registration.h"

#include <map>
#include <set>

#include "install/copy_table.h"
#include "install/install_folders.h"
#include "uninstall/logon_setup.h"
#include "uninstall/product_scope.h"
#include "uninstall/uninstall_locations.h"

namespace uninstall {

namespace {

constexpr auto kMachine = platform::RegistryRoot::LocalMachine;

std::string VersionText(const platform::FixedFileVersion& version) {
  return std::to_string(version.most_significant >> 16) + "." + std::to_string(version.most_significant & 0xFFFF) +
         "." + std::to_string(version.least_significant >> 16) + "." +
         std::to_string(version.least_significant & 0xFFFF);
}

// The system-folder files of the medium's copy step, as installed.
std::vector<std::string> SystemFiles(platform::FileSystem& files, const WindowsRegistration& registration) {
  std::vector<std::string> paths;
  for (const install::CopyStep& step : install::kCopyTable) {
    if (step.target != install::TargetFolder::System) continue;
    const auto listing = files.ListFolder(install::CopyStepSource(step, registration.source_folder, {}));
    for (const auto& entry : listing.value_or(std::vector<platform::DirectoryEntry>{})) {
      if (!entry.is_folder) paths.push_back(registration.system_folder + "\\" + entry.name);
    }
  }
  return paths;
}

// Each system-folder file the product installs counts once for it, however
// many installations put it there, as Windows Installer does; a file that
// was there already counts too, for whoever else counts on it.
void RaiseSharedCounts(platform::Platform& windows, record::ChangeRecord& record,
                       const std::vector<record::Entry>& entries, const WindowsRegistration& registration) {
  auto& registry = windows.registry;
  std::set<std::string> counted;
  for (const auto& entry : entries) {
    if (entry.kind == record::EntryKind::Shared) counted.insert(NormalPath(entry.path));
  }
  for (const std::string& path : SystemFiles(windows.files, registration)) {
    if (!windows.files.FileExists(path) || !counted.insert(NormalPath(path)).second) continue;
    if (!registry.KeyExists(kMachine, kSharedDllsKey)) registry.CreateKey(kMachine, kSharedDllsKey);
    const auto count = registry.ReadValue(kMachine, kSharedDllsKey, path);
    const std::uint32_t now = count && count->type == platform::RegistryValueType::Dword ? count->number : 0;
    if (!registry.WriteDword(kMachine, kSharedDllsKey, path, now + 1)) continue;
    record::Entry shared;
    shared.kind = record::EntryKind::Shared;
    shared.path = path;
    record.Add(shared);
  }
}

// In KiB, as Windows' list shows it: the files as the installations left them.
std::uint32_t EstimatedSize(const std::vector<record::Entry>& entries) {
  std::map<std::string, std::uint32_t> sizes;
  for (const auto& entry : entries) {
    if (entry.kind == record::EntryKind::File) sizes[NormalPath(entry.path)] = entry.stamp.size_low;
  }
  std::uint64_t total = 0;
  for (const auto& [path, size] : sizes) total += size;
  return static_cast<std::uint32_t>((total + 1023) / 1024);
}

}  // namespace

bool RegisterWithWindows(platform::Platform& windows, record::ChangeRecord& record,
                         const WindowsRegistration& registration) {
  const auto entries = record::ReadRecord(windows.files, record.Path());
  RaiseSharedCounts(windows, record, entries, registration);

  const std::string program = windows.system.ProgramPath();
  const std::string uninstaller = UninstallerPath(windows.shell);
  windows.files.CreateFolders(GroupFolder(windows.shell));
  if (NormalPath(program) != NormalPath(uninstaller) && !windows.files.CopyFile(program, uninstaller)) return false;
  windows.files.SetAttributes(uninstaller, platform::kAttributeNormal);

  auto& registry = windows.registry;
  if (!registry.CreateKey(kMachine, kUninstallKey)) return false;
  const auto version = windows.system.FileVersion(program);
  const std::string quoted = "\"" + uninstaller + "\"";
  bool written = registry.WriteString(kMachine, kUninstallKey, "DisplayName", registration.display_name) &&
                 registry.WriteString(kMachine, kUninstallKey, "DisplayVersion", version ? VersionText(*version) : "") &&
                 registry.WriteString(kMachine, kUninstallKey, "DisplayIcon", uninstaller + ",0") &&
                 registry.WriteString(kMachine, kUninstallKey, "InstallLocation", install::kInstallRoot) &&
                 registry.WriteString(kMachine, kUninstallKey, "UninstallString", quoted + " /uninstall") &&
                 registry.WriteString(kMachine, kUninstallKey, "QuietUninstallString", quoted + " /uninstall /quiet") &&
                 registry.WriteDword(kMachine, kUninstallKey, "EstimatedSize", EstimatedSize(entries)) &&
                 registry.WriteDword(kMachine, kUninstallKey, "NoModify", 1) &&
                 registry.WriteDword(kMachine, kUninstallKey, "NoRepair", 1);
  if (version) {
    written = written && registry.WriteDword(kMachine, kUninstallKey, "VersionMajor", version->most_significant >> 16) &&
              registry.WriteDword(kMachine, kUninstallKey, "VersionMinor", version->most_significant & 0xFFFF);
  }
  // The installing account is one user of many: the others' CAD profiles are
  // configured at their own logon, by a program that asks for no elevation.
  // Without it in place no logon is told to run it.
  if (!PlaceLogonProgram(windows)) return false;
  return RegisterCadSetupAtLogon(registry, LogonProgramPath(windows.shell), registration.display_name) && written;
}

}  // namespace uninstall
