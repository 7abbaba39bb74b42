#include "record/change_record.h"

#include <charconv>
#include <utility>

namespace record {

namespace {

constexpr char kSeparator = '\t';

struct KindName {
  EntryKind kind;
  const char* name;
};

constexpr KindName kKindNames[] = {
    {EntryKind::Run, "run"},         {EntryKind::Folder, "folder"},   {EntryKind::File, "file"},
    {EntryKind::Key, "key"},         {EntryKind::Value, "value"},     {EntryKind::Link, "link"},
    {EntryKind::Started, "started"}, {EntryKind::Renamed, "renamed"}, {EntryKind::Deleted, "deleted"},
    {EntryKind::Shared, "shared"},
};

// Tabs, line ends and "%" are written as %XX, so that any path, name or
// value stays on its one line and paths still read as they are.
std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '%': out += "%25"; break;
      case '\t': out += "%09"; break;
      case '\n': out += "%0A"; break;
      case '\r': out += "%0D"; break;
      default: out += c;
    }
  }
  return out;
}

std::optional<std::string> Unescaped(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    const std::string code = text.substr(i + 1, 2);
    if (code == "25") out += '%';
    else if (code == "09") out += '\t';
    else if (code == "0A") out += '\n';
    else if (code == "0D") out += '\r';
    else return std::nullopt;
    i += 2;
  }
  return out;
}

std::optional<std::uint32_t> Number(const std::string& text) {
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

const char* RootName(platform::RegistryRoot root) {
  switch (root) {
    case platform::RegistryRoot::ClassesRoot: return "HKCR";
    case platform::RegistryRoot::CurrentUser: return "HKCU";
    case platform::RegistryRoot::LocalMachine: break;
  }
  return "HKLM";
}

std::optional<platform::RegistryRoot> RootOf(const std::string& name) {
  if (name == "HKCR") return platform::RegistryRoot::ClassesRoot;
  if (name == "HKCU") return platform::RegistryRoot::CurrentUser;
  if (name == "HKLM") return platform::RegistryRoot::LocalMachine;
  return std::nullopt;
}

std::string HexOf(const std::vector<std::uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  for (std::uint8_t b : bytes) {
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
  return out;
}

std::optional<std::vector<std::uint8_t>> BytesOf(const std::string& hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    std::uint8_t b = 0;
    const auto [end, error] = std::from_chars(hex.data() + i, hex.data() + i + 2, b, 16);
    if (error != std::errc() || end != hex.data() + i + 2) return std::nullopt;
    bytes.push_back(b);
  }
  return bytes;
}

// "-" for none; else a type letter, ":" and the data.
std::string ValueText(const std::optional<platform::RegistryValue>& value) {
  if (!value) return "-";
  switch (value->type) {
    case platform::RegistryValueType::String: return "s:" + value->text;
    case platform::RegistryValueType::ExpandString: return "e:" + value->text;
    case platform::RegistryValueType::Dword: return "d:" + std::to_string(value->number);
    case platform::RegistryValueType::Binary: return "b:" + HexOf(value->bytes);
    case platform::RegistryValueType::Other: break;
  }
  return "o:" + HexOf(value->bytes);
}

// nullopt inside: the value was absent; outer nullopt: not a value's text.
std::optional<std::optional<platform::RegistryValue>> ParsedValue(const std::string& text) {
  if (text == "-") return std::optional<platform::RegistryValue>();
  if (text.size() < 2 || text[1] != ':') return std::nullopt;
  platform::RegistryValue value;
  const std::string data = text.substr(2);
  switch (text[0]) {
    case 's': value.type = platform::RegistryValueType::String; value.text = data; break;
    case 'e': value.type = platform::RegistryValueType::ExpandString; value.text = data; break;
    case 'd': {
      const auto number = Number(data);
      if (!number) return std::nullopt;
      value.type = platform::RegistryValueType::Dword;
      value.number = *number;
      break;
    }
    case 'b':
    case 'o': {
      auto bytes = BytesOf(data);
      if (!bytes) return std::nullopt;
      value.type = text[0] == 'b' ? platform::RegistryValueType::Binary : platform::RegistryValueType::Other;
      value.bytes = std::move(*bytes);
      break;
    }
    default: return std::nullopt;
  }
  return std::optional<platform::RegistryValue>(value);
}

std::vector<std::string> FieldsOf(const Entry& entry) {
  switch (entry.kind) {
    case EntryKind::Run: return {entry.text, entry.language};
    case EntryKind::Folder:
    case EntryKind::Link:
    case EntryKind::Deleted:
    case EntryKind::Shared: return {entry.path};
    case EntryKind::File:
      return {entry.path, entry.existed ? "1" : "0", std::to_string(entry.stamp.size_low),
              std::to_string(entry.stamp.dos_date_time)};
    case EntryKind::Key: return {RootName(entry.root), entry.key};
    case EntryKind::Value:
      return {RootName(entry.root), entry.key, entry.name, ValueText(entry.former), ValueText(entry.written)};
    case EntryKind::Started: return {entry.text};
    case EntryKind::Renamed: return {entry.path, entry.other_path};
  }
  return {};
}

std::optional<Entry> Filled(EntryKind kind, const std::vector<std::string>& f) {
  Entry entry;
  entry.kind = kind;
  const auto count = [&f](std::size_t n) { return f.size() == n; };
  switch (kind) {
    case EntryKind::Run:
      if (!count(2)) return std::nullopt;
      entry.text = f[0];
      entry.language = f[1];
      return entry;
    case EntryKind::Folder:
    case EntryKind::Link:
    case EntryKind::Deleted:
    case EntryKind::Shared:
      if (!count(1)) return std::nullopt;
      entry.path = f[0];
      return entry;
    case EntryKind::File: {
      if (!count(4) || (f[1] != "0" && f[1] != "1")) return std::nullopt;
      const auto size = Number(f[2]);
      const auto time = Number(f[3]);
      if (!size || !time) return std::nullopt;
      entry.path = f[0];
      entry.existed = f[1] == "1";
      entry.stamp = {*time, *size};
      return entry;
    }
    case EntryKind::Key: {
      const auto root = count(2) ? RootOf(f[0]) : std::nullopt;
      if (!root) return std::nullopt;
      entry.root = *root;
      entry.key = f[1];
      return entry;
    }
    case EntryKind::Value: {
      const auto root = count(5) ? RootOf(f[0]) : std::nullopt;
      if (!root) return std::nullopt;
      const auto former = ParsedValue(f[3]);
      const auto written = ParsedValue(f[4]);
      if (!former || !written || !*written) return std::nullopt;
      entry.root = *root;
      entry.key = f[1];
      entry.name = f[2];
      entry.former = *former;
      entry.written = **written;
      return entry;
    }
    case EntryKind::Started:
      if (!count(1)) return std::nullopt;
      entry.text = f[0];
      return entry;
    case EntryKind::Renamed:
      if (!count(2)) return std::nullopt;
      entry.path = f[0];
      entry.other_path = f[1];
      return entry;
  }
  return std::nullopt;
}

}  // namespace

std::string LineOf(const Entry& entry) {
  std::string line;
  for (const KindName& known : kKindNames) {
    if (known.kind == entry.kind) line = known.name;
  }
  for (const std::string& field : FieldsOf(entry)) line += kSeparator + Escaped(field);
  return line;
}

std::optional<Entry> EntryOf(const std::string& line) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find(kSeparator, start);
    const auto unescaped = Unescaped(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (!unescaped) return std::nullopt;
    parts.push_back(*unescaped);
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  for (const KindName& known : kKindNames) {
    if (parts.front() == known.name) return Filled(known.kind, {parts.begin() + 1, parts.end()});
  }
  return std::nullopt;
}

std::vector<Entry> ParseRecord(const std::string& text) {
  std::vector<Entry> entries;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    // A last line without its line end was cut while it was written.
    if (end == std::string::npos) break;
    if (auto entry = EntryOf(text.substr(start, end - start))) entries.push_back(std::move(*entry));
    start = end + 1;
  }
  return entries;
}

ChangeRecord::ChangeRecord(platform::FileSystem& files, std::string path, std::string what, std::string language)
    : files_(files), path_(std::move(path)) {
  // No path: nowhere it could be kept.
  failed_ = path_.empty();
  run_.kind = EntryKind::Run;
  run_.text = std::move(what);
  run_.language = std::move(language);
}

bool ChangeRecord::Add(const Entry& entry) {
  if (failed_) return false;
  std::string lines;
  if (!started_) {
    const std::size_t folder_end = path_.find_last_of('\\');
    if (folder_end != std::string::npos) files_.CreateFolders(path_.substr(0, folder_end));
    lines = LineOf(run_) + "\n";
  }
  lines += LineOf(entry) + "\n";
  failed_ = !files_.AppendFile(path_, lines);
  started_ = !failed_;
  return !failed_;
}

std::vector<Entry> ReadRecord(platform::FileSystem& files, const std::string& path) {
  if (path.empty()) return {};
  const auto text = files.ReadFile(path);
  return text ? ParseRecord(*text) : std::vector<Entry>{};
}

}  // namespace record
