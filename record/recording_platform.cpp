#include "record/recording_platform.h"

#include <vector>

#include "platform/administrators_only.h"

namespace record {

namespace {

// The path's folders from the top down, the drive (or share) itself left out.
std::vector<std::string> FoldersDownTo(const std::string& path) {
  std::vector<std::string> folders;
  std::string trimmed = path;
  while (!trimmed.empty() && trimmed.back() == '\\') trimmed.pop_back();
  for (std::size_t at = trimmed.find('\\'); at != std::string::npos; at = trimmed.find('\\', at + 1)) {
    if (at > 0 && trimmed[at - 1] != '\\' && trimmed[at - 1] != ':') folders.push_back(trimmed.substr(0, at));
  }
  if (!trimmed.empty() && trimmed.back() != ':') folders.push_back(trimmed);
  return folders;
}

std::vector<std::string> KeysDownTo(const std::string& key) {
  std::vector<std::string> keys;
  std::string path;
  std::size_t start = 0;
  while (start <= key.size()) {
    const std::size_t end = std::min(key.find('\\', start), key.size());
    if (end > start) {
      path += (path.empty() ? "" : "\\") + key.substr(start, end - start);
      keys.push_back(path);
    }
    start = end + 1;
  }
  return keys;
}

Entry ValueEntry(platform::RegistryRoot root, const std::string& key, const std::string& name,
                 std::optional<platform::RegistryValue> former, platform::RegistryValue written) {
  Entry entry;
  entry.kind = EntryKind::Value;
  entry.root = root;
  entry.key = key;
  entry.name = name;
  entry.former = std::move(former);
  entry.written = std::move(written);
  return entry;
}

Entry PathEntry(EntryKind kind, const std::string& path) {
  Entry entry;
  entry.kind = kind;
  entry.path = path;
  return entry;
}

Entry Started(const std::string& command_line) {
  Entry entry;
  entry.kind = EntryKind::Started;
  entry.text = command_line;
  return entry;
}

}  // namespace

bool RecordingRegistry::KeyExists(platform::RegistryRoot root, const std::string& key) {
  return inner_.KeyExists(root, key);
}

bool RecordingRegistry::CreateKey(platform::RegistryRoot root, const std::string& key) {
  std::vector<std::string> missing;
  for (const std::string& each : KeysDownTo(key)) {
    if (!missing.empty() || !inner_.KeyExists(root, each)) missing.push_back(each);
  }
  const bool created = inner_.CreateKey(root, key);
  for (const std::string& each : missing) {
    if (!inner_.KeyExists(root, each)) break;
    Entry entry;
    entry.kind = EntryKind::Key;
    entry.root = root;
    entry.key = each;
    record_.Add(entry);
  }
  return created;
}

std::optional<std::vector<std::string>> RecordingRegistry::SubKeys(platform::RegistryRoot root,
                                                                   const std::string& key) {
  return inner_.SubKeys(root, key);
}

std::optional<platform::RegistryValue> RecordingRegistry::ReadValue(platform::RegistryRoot root,
                                                                    const std::string& key,
                                                                    const std::string& name) {
  return inner_.ReadValue(root, key, name);
}

bool RecordingRegistry::WriteString(platform::RegistryRoot root, const std::string& key, const std::string& name,
                                    const std::string& text) {
  platform::RegistryValue value;
  value.type = platform::RegistryValueType::String;
  value.text = text;
  return WriteValue(root, key, name, value);
}

bool RecordingRegistry::WriteDword(platform::RegistryRoot root, const std::string& key, const std::string& name,
                                   std::uint32_t number) {
  platform::RegistryValue value;
  value.type = platform::RegistryValueType::Dword;
  value.number = number;
  return WriteValue(root, key, name, value);
}

bool RecordingRegistry::WriteValue(platform::RegistryRoot root, const std::string& key, const std::string& name,
                                   const platform::RegistryValue& value) {
  auto former = inner_.ReadValue(root, key, name);
  const bool written = value.type == platform::RegistryValueType::String ? inner_.WriteString(root, key, name, value.text)
                       : value.type == platform::RegistryValueType::Dword
                           ? inner_.WriteDword(root, key, name, value.number)
                           : inner_.WriteValue(root, key, name, value);
  if (written) record_.Add(ValueEntry(root, key, name, std::move(former), value));
  return written;
}

bool RecordingRegistry::DeleteValue(platform::RegistryRoot root, const std::string& key, const std::string& name) {
  return inner_.DeleteValue(root, key, name);
}

bool RecordingRegistry::DeleteKey(platform::RegistryRoot root, const std::string& key) {
  return inner_.DeleteKey(root, key);
}

bool RecordingFileSystem::CreateFolders(const std::string& path) {
  std::vector<std::string> missing;
  for (const std::string& folder : FoldersDownTo(path)) {
    if (!missing.empty() || !inner_.FolderExists(folder)) missing.push_back(folder);
  }
  const bool created = inner_.CreateFolders(path);
  for (const std::string& folder : missing) {
    if (!inner_.FolderExists(folder)) break;
    record_.Add(PathEntry(EntryKind::Folder, folder));
  }
  return created;
}

bool RecordingFileSystem::Written(const std::string& path, bool existed, bool succeeded) {
  if (!succeeded) return false;
  if (platform::IsTemporaryName(path)) return true;
  const auto stamp = inner_.StampOf(path);
  Entry entry = PathEntry(EntryKind::File, path);
  entry.existed = existed;
  if (stamp) entry.stamp = *stamp;
  record_.Add(entry);
  return true;
}

bool RecordingFileSystem::CopyFile(const std::string& source, const std::string& target) {
  const bool existed = inner_.StampOf(target).has_value();
  return Written(target, existed, inner_.CopyFile(source, target));
}

bool RecordingFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
  const bool existed = inner_.StampOf(path).has_value();
  return Written(path, existed, inner_.WriteFile(path, bytes));
}

bool RecordingFileSystem::AppendFile(const std::string& path, const std::string& bytes) {
  const bool existed = inner_.StampOf(path).has_value();
  return Written(path, existed, inner_.AppendFile(path, bytes));
}

// The renamed file stands under the target's name now: recorded as written there.
bool RecordingFileSystem::ReplaceFile(const std::string& from, const std::string& to) {
  const bool existed = inner_.StampOf(to).has_value();
  return Written(to, existed, inner_.ReplaceFile(from, to));
}

bool RecordingFileSystem::DeleteFile(const std::string& path) {
  if (!inner_.DeleteFile(path)) return false;
  record_.Add(PathEntry(EntryKind::Deleted, path));
  return true;
}

bool RecordingFileSystem::RenameFile(const std::string& from, const std::string& to) {
  if (!inner_.RenameFile(from, to)) return false;
  Entry entry = PathEntry(EntryKind::Renamed, from);
  entry.other_path = to;
  record_.Add(entry);
  return true;
}

bool RecordingShell::SaveLink(const platform::ShellLink& link, const std::string& link_path) {
  if (!inner_.SaveLink(link, link_path)) return false;
  record_.Add(PathEntry(EntryKind::Link, link_path));
  return true;
}

bool RecordingProcesses::StartHidden(const std::string& command_line) {
  const bool started = inner_.StartHidden(command_line);
  if (started) record_.Add(Started(command_line));
  return started;
}

bool RecordingProcesses::RunHiddenAndWait(const std::string& command_line, std::uint32_t timeout_ms) {
  const bool ran = inner_.RunHiddenAndWait(command_line, timeout_ms);
  if (ran) record_.Add(Started(command_line));
  return ran;
}

}  // namespace record
