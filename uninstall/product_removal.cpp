#include "uninstall/product_removal.h"

#include <algorithm>
#include <map>
#include <set>

#include "install/component_registration.h"
#include "install/file_associations.h"
#include "install/install_folders.h"
#include "install/shortcuts.h"
#include "platform/administrators_only.h"
#include "text/case_folding.h"
#include "uninstall/product_scope.h"
#include "uninstall/uninstall_locations.h"
#include "uninstall/uninstall_messages.h"

namespace uninstall {

namespace {

using record::Entry;
using record::EntryKind;

constexpr auto kClasses = platform::RegistryRoot::ClassesRoot;
constexpr auto kMachine = platform::RegistryRoot::LocalMachine;
// An unregistration that takes longer than this is left to run on.
constexpr std::uint32_t kUnregistrationTimeoutMs = 30000;

bool Mentions(const std::vector<Entry>& entries, const std::string& file) {
  const std::string wanted = text::UpperCase(file);
  return std::any_of(entries.begin(), entries.end(), [&wanted](const Entry& entry) {
    return entry.kind == EntryKind::Started && text::UpperCase(entry.text).find(wanted) != std::string::npos;
  });
}

bool SameValue(const std::optional<platform::RegistryValue>& now, const platform::RegistryValue& written) {
  if (!now || now->type != written.type) return false;
  return now->text == written.text && now->number == written.number && now->bytes == written.bytes;
}

// A top-level class key that an installation wrote as one of the
// associations' classes, in either language it may have run in.
bool IsProductClass(const RemovalContext& context, const std::string& top_key) {
  for (const install::FileAssociation& row : install::kFileAssociations) {
    const std::string portuguese(row.class_key);
    if (SameKey(top_key, portuguese)) return true;
    if (context.translate && SameKey(top_key, context.translate(portuguese))) return true;
  }
  return false;
}

std::string TopKey(const std::string& key) {
  const std::string normal = NormalKey(key);
  return normal.substr(0, normal.find('\\'));
}

bool IsProductClassesKey(const RemovalContext& context, const std::string& key) {
  return IsProductExtensionKey(key) || IsViewerControlKey(key) || IsProductClass(context, TopKey(key));
}

struct ValueHistory {
  const Entry* first = nullptr;
  const Entry* last = nullptr;
};

struct FileHistory {
  const Entry* first = nullptr;
  const Entry* last = nullptr;
  bool shared = false;
  std::string shared_path;
};

int Depth(const std::string& path) { return static_cast<int>(std::count(path.begin(), path.end(), '\\')); }

}  // namespace

void UnregisterComponents(const RemovalContext& context, const std::vector<Entry>& entries, LeftList& left) {
  auto& windows = context.windows;
  const auto unregister = [&](const std::string& file, const std::string& command) {
    if (!Mentions(entries, file) || !windows.files.FileExists(file)) return;
    if (!platform::MayStartElevated(windows.files, file)) {
      left.push_back({messages::kNotStartedUnprotected, {file}});
      return;
    }
    windows.processes.RunHiddenAndWait(command, kUnregistrationTimeoutMs);
  };
  for (const install::ComServer* server : {&install::kPlotsumServer, &install::kDrafterServer}) {
    const std::string file(server->file);
    unregister(file, file + " /unregserver");
  }
  const std::string text_control = std::string(install::kInstallRoot) + "\\tx4ole17.ocx";
  unregister(text_control, context.system_folder + "\\regsvr32 /u /s \"" + text_control + "\"");
}

void RestoreClasses(const RemovalContext& context, const std::vector<Entry>& entries, LeftList& left) {
  auto& registry = context.windows.registry;
  std::map<std::string, ValueHistory> values;
  std::vector<std::string> order;
  for (const Entry& entry : entries) {
    if (entry.kind != EntryKind::Value || entry.root != kClasses) continue;
    const std::string id = text::UpperCase(NormalKey(entry.key)) + "\n" + text::UpperCase(entry.name);
    auto& history = values[id];
    if (!history.first) order.push_back(id);
    if (!history.first) history.first = &entry;
    history.last = &entry;
  }
  for (const std::string& id : order) {
    const ValueHistory& history = values[id];
    const Entry& last = *history.last;
    if (!IsProductClassesKey(context, last.key)) {
      left.push_back({messages::kEntryIgnored, {"HKEY_CLASSES_ROOT\\" + NormalKey(last.key)}});
      continue;
    }
    const auto now = registry.ReadValue(kClasses, last.key, last.name);
    if (!now) continue;
    if (!SameValue(now, last.written)) {
      left.push_back({messages::kClassValueChanged, {NormalKey(last.key)}});
      continue;
    }
    if (history.first->former) {
      registry.WriteValue(kClasses, last.key, last.name, *history.first->former);
    } else {
      registry.DeleteValue(kClasses, last.key, last.name);
    }
  }
  // The keys the installations made, deepest first, once nothing is in them.
  std::vector<std::string> keys;
  for (const Entry& entry : entries) {
    if (entry.kind == EntryKind::Key && entry.root == kClasses && IsProductClassesKey(context, entry.key)) {
      keys.push_back(NormalKey(entry.key));
    }
  }
  std::stable_sort(keys.begin(), keys.end(),
                   [](const std::string& a, const std::string& b) { return Depth(a) > Depth(b); });
  for (const std::string& key : keys) {
    const auto subkeys = registry.SubKeys(kClasses, key);
    const auto names = registry.ValueNames(kClasses, key);
    if (subkeys && names && subkeys->empty() && names->empty()) registry.DeleteKey(kClasses, key);
  }
}

void RemoveShortcuts(const RemovalContext& context, const std::vector<Entry>& entries) {
  auto& windows = context.windows;
  const std::string name = std::string(install::kShortcutName) + ".lnk";
  const std::set<std::string> ours = {
      NormalPath(GroupFolder(windows.shell) + "\\" + name),
      NormalPath(windows.shell.SpecialFolder(platform::kFolderDesktop) + "\\" + name)};
  for (const Entry& entry : entries) {
    if (entry.kind != EntryKind::Link || !ours.count(NormalPath(entry.path))) continue;
    if (windows.files.FileExists(entry.path)) windows.files.DeleteFile(entry.path);
  }
}

void RemoveFiles(const RemovalContext& context, const std::vector<Entry>& entries, LeftList& left) {
  auto& files = context.windows.files;
  auto& registry = context.windows.registry;
  std::map<std::string, FileHistory> histories;
  std::vector<std::string> order;
  for (const Entry& entry : entries) {
    if (entry.kind != EntryKind::File && entry.kind != EntryKind::Shared) continue;
    const std::string id = NormalPath(entry.path);
    auto& history = histories[id];
    if (!history.first && !history.shared) order.push_back(id);
    if (entry.kind == EntryKind::Shared) {
      history.shared = true;
      history.shared_path = entry.path;
      continue;
    }
    if (!history.first) history.first = &entry;
    history.last = &entry;
  }
  for (const std::string& id : order) {
    const FileHistory& history = histories[id];
    const std::string& path = history.last ? history.last->path : history.shared_path;
    const bool system = IsInSystemFolder(path, context.system_folder);
    // A shared count is a system-folder file's; anywhere else only a line
    // saying the file was written makes it the product's.
    if ((!IsUnderInstallRoot(path) && !(system && history.shared)) || (!system && !history.last)) {
      left.push_back({messages::kEntryIgnored, {path}});
      continue;
    }
    if (IsUserTable(path)) continue;
    if (system) {
      // Another program may count on the file too: it goes with the last count,
      // and only when an installation of ours brought it.
      const auto count = registry.ReadValue(kMachine, kSharedDllsKey, path);
      const std::uint32_t now = count && count->type == platform::RegistryValueType::Dword ? count->number : 1;
      if (now > 1) {
        registry.WriteDword(kMachine, kSharedDllsKey, path, now - 1);
        continue;
      }
      registry.DeleteValue(kMachine, kSharedDllsKey, path);
      if (!history.first || history.first->existed) continue;
    }
    const auto stamp = files.StampOf(path);
    if (!stamp) continue;
    if (stamp->size_low != history.last->stamp.size_low || stamp->dos_date_time != history.last->stamp.dos_date_time) {
      left.push_back({messages::kFileChanged, {path}});
      continue;
    }
    files.SetAttributes(path, platform::kAttributeNormal);
    if (!files.DeleteFile(path)) left.push_back({messages::kInstalledFileNotRemoved, {path, std::to_string(files.LastError())}});
  }
  std::vector<std::string> folders;
  std::set<std::string> seen;
  for (const Entry& entry : entries) {
    if (entry.kind != EntryKind::Folder || !(IsUnderInstallRoot(entry.path) || IsInstallRoot(entry.path))) continue;
    if (seen.insert(NormalPath(entry.path)).second) folders.push_back(entry.path);
  }
  std::stable_sort(folders.begin(), folders.end(),
                   [](const std::string& a, const std::string& b) { return Depth(NormalPath(a)) > Depth(NormalPath(b)); });
  for (const std::string& folder : folders) {
    if (!files.FolderExists(folder) || files.RemoveFolder(folder)) continue;
    if (IsInstallRoot(folder)) left.push_back({messages::kRootKept, {folder}});
  }
}

}  // namespace uninstall
