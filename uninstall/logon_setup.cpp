#include "uninstall/logon_setup.h"

#include <algorithm>
#include <cstdint>

#include "uninstall/uninstall_locations.h"

namespace uninstall {

namespace {

constexpr auto kMachine = platform::RegistryRoot::LocalMachine;
constexpr auto kUser = platform::RegistryRoot::CurrentUser;

// The last of the four numbers of an entry's "Version"; 0 when there is none.
std::uint32_t SerialOf(platform::Registry& registry, const std::string& key) {
  const auto version = registry.ReadValue(kMachine, key, "Version");
  if (!version || version->type != platform::RegistryValueType::String) return 0;
  const std::string& text = version->text;
  const std::size_t comma = text.find_last_of(',');
  std::uint32_t serial = 0;
  for (std::size_t i = comma == std::string::npos ? 0 : comma + 1; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9' || serial > 100000000) return 0;
    serial = serial * 10 + static_cast<std::uint32_t>(text[i] - '0');
  }
  return serial;
}

// Windows runs an entry again for a user whose own copy of "Version" is
// lower, so each registration takes a number above both entries': a user
// configured, restored and configured again sees each change once.
std::string NextVersion(platform::Registry& registry) {
  const std::uint32_t serial = std::max(SerialOf(registry, kCadSetupKey), SerialOf(registry, kCadRestoreKey)) + 1;
  return "1,0,0," + std::to_string(serial);
}

bool WriteEntry(platform::Registry& registry, const std::string& key, const std::string& name,
                const std::string& version, const std::string& command) {
  return registry.CreateKey(kMachine, key) && registry.WriteString(kMachine, key, "", name) &&
         registry.WriteString(kMachine, key, "Version", version) &&
         registry.WriteString(kMachine, key, "StubPath", command) &&
         registry.WriteDword(kMachine, key, "IsInstalled", 1);
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

void DeleteRetry(platform::Registry& registry, const char* name) {
  if (registry.ReadValue(kUser, kRunOnceKey, name)) registry.DeleteValue(kUser, kRunOnceKey, name);
}

}  // namespace

bool PlaceLogonProgram(platform::Platform& windows) {
  const auto program = windows.resources.RcData(kLogonProgramResource);
  if (!program) return false;
  auto& files = windows.files;
  const std::string path = LogonProgramPath(windows.shell);
  // A user's logon may be running it: the same bytes need no writing.
  const bool current = files.FileExists(path) && files.ReadFile(path) == *program;
  if (!current && !files.WriteFile(path, *program)) return false;
  return files.SetAccess(path, platform::kProtectedFileAccess);
}

bool RegisterCadSetupAtLogon(platform::Registry& registry, const std::string& logon_program,
                             const std::string& display_name) {
  const std::string version = NextVersion(registry);
  if (registry.KeyExists(kMachine, kCadRestoreKey)) registry.DeleteKey(kMachine, kCadRestoreKey);
  return WriteEntry(registry, kCadSetupKey, display_name, version, Quoted(logon_program) + " /configurecad /quiet");
}

bool ReplaceCadSetupWithRestore(platform::Registry& registry, const std::string& logon_program) {
  if (!registry.KeyExists(kMachine, kCadSetupKey)) return false;
  const auto name = registry.ReadValue(kMachine, kCadSetupKey, "");
  const std::string version = NextVersion(registry);
  registry.DeleteKey(kMachine, kCadSetupKey);
  WriteEntry(registry, kCadRestoreKey, name ? name->text : "", version, Quoted(logon_program) + " /uninstall /quiet");
  return true;
}

bool RetryAtNextLogon(platform::Registry& registry, const std::string& value_name, const std::string& command) {
  DeleteRetry(registry, value_name == kCadSetupRetry ? kCadRestoreRetry : kCadSetupRetry);
  if (!registry.KeyExists(kUser, kRunOnceKey) && !registry.CreateKey(kUser, kRunOnceKey)) return false;
  return registry.WriteString(kUser, kRunOnceKey, value_name, command);
}

void ForgetRetries(platform::Registry& registry) {
  DeleteRetry(registry, kCadSetupRetry);
  DeleteRetry(registry, kCadRestoreRetry);
}

}  // namespace uninstall
