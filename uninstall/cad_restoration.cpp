#include "uninstall/cad_restoration.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string>

#include "cad/product_paths.h"
#include "cad/startup_suite.h"
#include "cad/trusted_paths.h"
#include "text/case_folding.h"
#include "text/trim.h"
#include "uninstall/cad_record_entries.h"
#include "uninstall/uninstall_messages.h"

namespace uninstall {

namespace {

using platform::RegistryValue;
using platform::RegistryValueType;
using OptionalValue = std::optional<RegistryValue>;

constexpr auto kUser = platform::RegistryRoot::CurrentUser;
constexpr char kSuiteCount[] = "NumStartup";

// What the configurations did to one value: what stood there before the
// first of them, and what the last one wrote.
struct ValueHistory {
  CadValueKind kind;
  std::string key;
  std::string name;
  OptionalValue former;
  RegistryValue written;
};

struct SuiteHistory {
  std::string key;
  // Whether the first configuration that wrote the count found none.
  bool count_was_absent = false;
  bool count_seen = false;
};

bool IsText(const RegistryValue& value) {
  return value.type == RegistryValueType::String || value.type == RegistryValueType::ExpandString;
}

bool SameValue(const OptionalValue& left, const OptionalValue& right) {
  if (!left || !right) return !left && !right;
  if (left->type != right->type) return false;
  if (IsText(*left)) return left->text == right->text;
  if (left->type == RegistryValueType::Dword) return left->number == right->number;
  return left->bytes == right->bytes;
}

// Every ";"-separated field, empty ones included, so that joining them gives
// the list back as it was.
std::vector<std::string> Fields(const std::string& list) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t end = list.find(';'); end != std::string::npos; end = list.find(';', start)) {
    fields.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  fields.push_back(list.substr(start));
  return fields;
}

std::string Joined(const std::vector<std::string>& fields) {
  std::string list;
  for (std::size_t index = 0; index < fields.size(); ++index) list += (index == 0 ? "" : ";") + fields[index];
  return list;
}

// Blank, or the "." by which TRUSTEDPATHS says none.
bool IsEmptyList(const std::string& list) {
  const std::string_view trimmed = text::Trim(list, text::kSpace);
  return trimmed.empty() || trimmed == ".";
}

bool IsEmptyList(const OptionalValue& value) { return !value || (IsText(*value) && IsEmptyList(value->text)); }

std::string KeyName(platform::RegistryRoot root, const std::string& key) {
  const char* root_name = root == platform::RegistryRoot::ClassesRoot   ? "HKEY_CLASSES_ROOT"
                          : root == platform::RegistryRoot::CurrentUser ? "HKEY_CURRENT_USER"
                                                                         : "HKEY_LOCAL_MACHINE";
  return root_name + std::string(!key.empty() && key.front() == '\\' ? "" : "\\") + key;
}

std::string KeyName(const std::string& key) { return KeyName(kUser, key); }

std::string Described(const record::Entry& entry) {
  switch (entry.kind) {
    case record::EntryKind::Value: return KeyName(entry.root, entry.key) + " (" + entry.name + ")";
    case record::EntryKind::Key: return KeyName(entry.root, entry.key);
    case record::EntryKind::Renamed: return entry.path + " -> " + entry.other_path;
    case record::EntryKind::Run:
    case record::EntryKind::Started: return entry.text;
    default: return entry.path;
  }
}

std::string NumberedStartup(std::size_t number) { return std::to_string(number) + "Startup"; }

class CadRestoration {
 public:
  CadRestoration(platform::Registry& registry, platform::FileSystem& files, LeftList& left)
      : registry_(registry), files_(files), left_(left) {}

  void Run(const std::vector<record::Entry>& cad_record) {
    for (const record::Entry& entry : cad_record) Take(entry);
    for (const ValueHistory& value : values_) Restore(value);
    for (const SuiteHistory& suite : suites_) Restore(suite);
    // Made from the top down, so removed from the bottom up.
    std::for_each(created_keys_.rbegin(), created_keys_.rend(), [this](const auto& key) { RemoveIfEmpty(key); });
    for (const std::string& path : own_files_) Remove(path);
    // The last set aside goes back first: it is what stood there last.
    std::for_each(set_aside_.rbegin(), set_aside_.rend(), [this](const auto& entry) { RenameBack(entry); });
  }

 private:
  void Take(const record::Entry& entry) {
    switch (entry.kind) {
      case record::EntryKind::Run:
      // Old menu files and copies of the product's own startup file: nothing of the user's to give back.
      case record::EntryKind::Deleted: return;
      case record::EntryKind::Value:
        if (const auto kind = ConfiguredValueKind(entry)) {
          Note(*kind, entry);
          return;
        }
        break;
      case record::EntryKind::Key:
        if (IsStartupSuiteKey(entry)) {
          created_keys_.push_back(entry.key);
          return;
        }
        break;
      case record::EntryKind::Renamed:
        if (IsSetAsideStartupFile(entry)) {
          set_aside_.push_back(entry);
          return;
        }
        break;
      case record::EntryKind::File:
        if (IsOwnStartupFileEntry(entry)) {
          own_files_.push_back(entry.path);
          return;
        }
        break;
      default: break;
    }
    Leave(messages::kEntryIgnored, {Described(entry)});
  }

  // The first entry about a value keeps its former content; the last, what was written.
  void Note(CadValueKind kind, const record::Entry& entry) {
    const std::string identity = KeyIdentity(entry.key);
    if (kind == CadValueKind::StartupSuite) return NoteSuite(identity, entry);
    const auto [found, first] = value_index_.try_emplace(identity + "\\" + text::UpperCase(entry.name), values_.size());
    if (first) {
      values_.push_back({kind, entry.key, entry.name, entry.former, entry.written});
    } else {
      values_[found->second].written = entry.written;
    }
  }

  void NoteSuite(const std::string& identity, const record::Entry& entry) {
    const auto [found, first] = suite_index_.try_emplace(identity, suites_.size());
    if (first) suites_.push_back({entry.key});
    SuiteHistory& suite = suites_[found->second];
    if (suite.count_seen || !text::SameTextIgnoringCase(entry.name, kSuiteCount)) return;
    suite.count_seen = true;
    suite.count_was_absent = !entry.former;
  }

  void Restore(const ValueHistory& value) {
    // A profile, or a whole host, removed since: nothing to give back.
    if (!registry_.KeyExists(kUser, value.key)) return;
    switch (value.kind) {
      case CadValueKind::SearchPath: return RestoreList(value, cad::IsProductSearchFolder);
      case CadValueKind::TrustedPaths: return RestoreList(value, cad::IsProductTrustedEntry);
      case CadValueKind::Setting: return RestoreSetting(value);
      case CadValueKind::StartupSuite: return;
    }
  }

  // The product's entries leave the list; the user's stay in their order,
  // added since or not.
  void RestoreList(const ValueHistory& value, bool (*is_product)(const std::string&)) {
    const auto now = registry_.ReadValue(kUser, value.key, value.name);
    if (!now) return;
    if (!IsText(*now)) return Leave(messages::kValueChanged, {value.name, KeyName(value.key)});
    auto fields = Fields(now->text);
    const auto product = std::remove_if(fields.begin(), fields.end(), is_product);
    if (product == fields.end()) return;
    fields.erase(product, fields.end());
    RegistryValue rest = *now;
    rest.text = Joined(fields);
    // A list the configuration made from nothing goes back to that nothing.
    if (IsEmptyList(rest.text) && IsEmptyList(value.former)) return GiveBack(value, value.former);
    GiveBack(value, rest);
  }

  void RestoreSetting(const ValueHistory& value) {
    const auto now = registry_.ReadValue(kUser, value.key, value.name);
    if (SameValue(now, value.former)) return;
    if (!SameValue(now, value.written)) return Leave(messages::kValueChanged, {value.name, KeyName(value.key)});
    GiveBack(value, value.former);
  }

  void GiveBack(const ValueHistory& value, const OptionalValue& content) {
    if (!Put(value.key, value.name, content)) Leave(messages::kValueNotRestored, {value.name, KeyName(value.key)});
  }

  // Writes the value, or deletes it for none; never makes the key.
  bool Put(const std::string& key, const std::string& name, const OptionalValue& content) {
    return content ? registry_.WriteValue(kUser, key, name, *content) : registry_.DeleteValue(kUser, key, name);
  }

  // The product's application leaves GstarCAD's startup suite; the entries
  // after it move down and the count follows.
  void Restore(const SuiteHistory& suite) {
    if (!registry_.KeyExists(kUser, suite.key)) return;
    const auto count_value = registry_.ReadValue(kUser, suite.key, kSuiteCount);
    if (!count_value) return;
    const auto count = IsText(*count_value) ? cad::StartupSuiteCount(count_value->text) : std::nullopt;
    if (!count) {
      return Leave(messages::kStartupSuiteCountInvalid,
                   {KeyName(suite.key), IsText(*count_value) ? count_value->text : "?"});
    }
    std::vector<OptionalValue> entries;
    for (int number = 1; number <= *count; ++number) {
      entries.push_back(registry_.ReadValue(kUser, suite.key, NumberedStartup(number)));
    }
    auto kept = entries;
    const auto product = std::remove_if(kept.begin(), kept.end(), [](const OptionalValue& entry) {
      return entry && IsText(*entry) && cad::IsProductApplication(entry->text);
    });
    if (product == kept.end()) return;
    kept.erase(product, kept.end());
    for (std::size_t index = 0; index < entries.size(); ++index) {
      const OptionalValue wanted = index < kept.size() ? kept[index] : std::nullopt;
      if (SameValue(entries[index], wanted)) continue;
      const std::string name = NumberedStartup(index + 1);
      if (!Put(suite.key, name, wanted)) Leave(messages::kValueNotRestored, {name, KeyName(suite.key)});
    }
    OptionalValue new_count = *count_value;
    new_count->text = std::to_string(kept.size());
    if (kept.empty() && suite.count_was_absent) new_count.reset();
    if (!Put(suite.key, kSuiteCount, new_count)) {
      Leave(messages::kValueNotRestored, {kSuiteCount, KeyName(suite.key)});
    }
  }

  // A key the configuration made stays when anyone has put anything in it since.
  void RemoveIfEmpty(const std::string& key) {
    const auto subkeys = registry_.SubKeys(kUser, key);
    const auto values = registry_.ValueNames(kUser, key);
    if (!subkeys || !values || !subkeys->empty() || !values->empty()) return;
    if (!registry_.DeleteKey(kUser, key)) Leave(messages::kKeyNotRemoved, {KeyName(key)});
  }

  void Remove(const std::string& path) {
    if (!files_.FileExists(path)) return;
    if (!files_.DeleteFile(path)) Leave(messages::kFileNotRemoved, {path});
  }

  void RenameBack(const record::Entry& entry) {
    const std::string& former = entry.path;
    const std::string& aside = entry.other_path;
    if (!files_.FileExists(aside)) return;
    if (files_.FileExists(former) || files_.FolderExists(former)) {
      return Leave(messages::kFormerNameInUse, {aside, former});
    }
    if (!files_.RenameFile(aside, former)) Leave(messages::kNotRenamedBack, {aside, former});
  }

  void Leave(const char* format, std::vector<std::string> values) { left_.push_back({format, std::move(values)}); }

  platform::Registry& registry_;
  platform::FileSystem& files_;
  LeftList& left_;
  std::vector<ValueHistory> values_;
  std::map<std::string, std::size_t> value_index_;
  std::vector<SuiteHistory> suites_;
  std::map<std::string, std::size_t> suite_index_;
  std::vector<std::string> created_keys_;
  std::vector<std::string> own_files_;
  std::vector<record::Entry> set_aside_;
};

}  // namespace

void RestoreCadProfiles(platform::Registry& registry, platform::FileSystem& files,
                        const std::vector<record::Entry>& cad_record, LeftList& left) {
  CadRestoration(registry, files, left).Run(cad_record);
}

}  // namespace uninstall
