#include "uninstall/cad_record_entries.h"

#include <array>
#include <string_view>
#include <vector>

#include "cad/own_startup_files.h"
#include "cad/startup_file_sweep.h"
#include "text/case_folding.h"

namespace uninstall {

namespace {

using Segments = std::vector<std::string>;

enum class Host { AutoCad, BricsCad, GstarCad };

struct HostRoot {
  Host host;
  std::array<std::string_view, 3> names;
};

constexpr HostRoot kHostRoots[] = {
    {Host::AutoCad, {"Software", "Autodesk", "AutoCAD"}},
    {Host::BricsCad, {"Software", "Bricsys", "BricsCAD"}},
    {Host::GstarCad, {"Software", "Gstarsoft", "GstarCAD"}},
};

// Stands for "1Startup", "2Startup", ...
constexpr std::string_view kNumberedStartup = "<n>Startup";

struct ConfiguredValue {
  Host host;
  std::string_view subkey;  // below the profile key
  std::string_view name;
  CadValueKind kind;
};

constexpr ConfiguredValue kConfigurationTable[] = {
    {Host::AutoCad, "General", "ACAD", CadValueKind::SearchPath},
    {Host::AutoCad, "Editor Configuration", "ACADLspAsDoc", CadValueKind::Setting},
    {Host::AutoCad, "Variables", "TRUSTEDPATHS", CadValueKind::TrustedPaths},
    {Host::AutoCad, "Variables", "LISPSYS", CadValueKind::Setting},
    {Host::BricsCad, "Config", "SRCHPATH", CadValueKind::SearchPath},
    {Host::BricsCad, "Config", "ACADLSPASDOC", CadValueKind::Setting},
    {Host::BricsCad, "Config", "ImportCuiFileExists", CadValueKind::Setting},
    {Host::GstarCad, "General", "GCAD", CadValueKind::SearchPath},
    {Host::GstarCad, "Editor Configuration", "ACADLspAsDoc", CadValueKind::Setting},
    {Host::GstarCad, "Dialogs\\Appload\\Startup", "NumStartup", CadValueKind::StartupSuite},
    {Host::GstarCad, "Dialogs\\Appload\\Startup", kNumberedStartup, CadValueKind::StartupSuite},
};

constexpr std::string_view kSuiteKeys[] = {"Dialogs", "Dialogs\\Appload", "Dialogs\\Appload\\Startup"};

constexpr std::string_view kStartupFileNames[] = {"acad.lsp", "on_start.lsp"};

bool Same(std::string_view left, std::string_view right) { return text::SameTextIgnoringCase(left, right); }

// The names between the separators, empty ones left out as Windows leaves
// them; nullopt when one is "." or "..", which could lead elsewhere.
std::optional<Segments> SegmentsOf(std::string_view path, std::string_view separators) {
  Segments segments;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find_first_of(separators, start), path.size());
    const std::string_view segment = path.substr(start, end - start);
    if (segment == "." || segment == "..") return std::nullopt;
    if (!segment.empty()) segments.emplace_back(segment);
    start = end + 1;
  }
  return segments;
}

bool EndsWithKeys(const Segments& segments, std::string_view subkey) {
  const auto tail = SegmentsOf(subkey, "\\");
  if (tail->size() > segments.size()) return false;
  const std::size_t first = segments.size() - tail->size();
  for (std::size_t i = 0; i < tail->size(); ++i) {
    if (!Same(segments[first + i], (*tail)[i])) return false;
  }
  return true;
}

// Whether the first `count` names make a profile key of the host: its root
// key, at least one key (the release), "Profiles", at least one key (the profile).
bool IsProfileKey(const Segments& segments, std::size_t count, Host host) {
  for (const HostRoot& root : kHostRoots) {
    if (root.host != host) continue;
    if (count > segments.size() || count < root.names.size() + 3) return false;
    for (std::size_t i = 0; i < root.names.size(); ++i) {
      if (!Same(segments[i], root.names[i])) return false;
    }
    for (std::size_t i = root.names.size() + 1; i + 1 < count; ++i) {
      if (Same(segments[i], "Profiles")) return true;
    }
  }
  return false;
}

// The key under a profile of the host: the profile key followed by `subkey`.
bool IsKeyUnderProfile(const std::string& key, Host host, std::string_view subkey) {
  const auto segments = SegmentsOf(key, "\\");
  if (!segments || !EndsWithKeys(*segments, subkey)) return false;
  return IsProfileKey(*segments, segments->size() - SegmentsOf(subkey, "\\")->size(), host);
}

bool IsNumberedStartup(std::string_view name) {
  constexpr std::string_view kSuffix = "Startup";
  if (name.size() <= kSuffix.size() || !Same(name.substr(name.size() - kSuffix.size()), kSuffix)) return false;
  const std::string_view number = name.substr(0, name.size() - kSuffix.size());
  return number.size() <= 5 && number.front() != '0' &&
         number.find_first_not_of("0123456789") == std::string_view::npos;
}

bool NameMatches(std::string_view name, std::string_view table_name) {
  return table_name == kNumberedStartup ? IsNumberedStartup(name) : Same(name, table_name);
}

struct FilePath {
  std::string folder;
  std::string name;
};

std::optional<FilePath> SplitFilePath(const std::string& path) {
  const std::size_t separator = path.find_last_of("\\/");
  if (separator == std::string::npos || separator == 0 || !SegmentsOf(path, "\\/")) return std::nullopt;
  return FilePath{path.substr(0, separator), path.substr(separator + 1)};
}

// "<stem>-Renomeado-pelo-Geolume-<k>.lsp", k from 1 to the last set-aside number.
bool IsSetAsideName(std::string_view name, std::string_view stem) {
  const std::string prefix = std::string(stem) + cad::kSetAsideMarker;
  constexpr std::string_view kExtension = ".lsp";
  if (name.size() <= prefix.size() + kExtension.size()) return false;
  if (!Same(name.substr(0, prefix.size()), prefix) || !Same(name.substr(name.size() - kExtension.size()), kExtension)) {
    return false;
  }
  const std::string_view number = name.substr(prefix.size(), name.size() - prefix.size() - kExtension.size());
  if (number.size() > 2 || number.front() == '0' || number.find_first_not_of("0123456789") != std::string_view::npos) {
    return false;
  }
  return std::stoi(std::string(number)) <= cad::kSetAsideNames;
}

}  // namespace

std::optional<CadValueKind> ConfiguredValueKind(const record::Entry& entry) {
  if (entry.kind != record::EntryKind::Value || entry.root != platform::RegistryRoot::CurrentUser) {
    return std::nullopt;
  }
  for (const ConfiguredValue& row : kConfigurationTable) {
    if (NameMatches(entry.name, row.name) && IsKeyUnderProfile(entry.key, row.host, row.subkey)) return row.kind;
  }
  return std::nullopt;
}

bool IsStartupSuiteKey(const record::Entry& entry) {
  if (entry.kind != record::EntryKind::Key || entry.root != platform::RegistryRoot::CurrentUser) return false;
  for (std::string_view subkey : kSuiteKeys) {
    if (IsKeyUnderProfile(entry.key, Host::GstarCad, subkey)) return true;
  }
  return false;
}

bool IsSetAsideStartupFile(const record::Entry& entry) {
  if (entry.kind != record::EntryKind::Renamed) return false;
  const auto former = SplitFilePath(entry.path);
  const auto aside = SplitFilePath(entry.other_path);
  if (!former || !aside || !Same(former->folder, aside->folder)) return false;
  for (std::string_view name : kStartupFileNames) {
    if (Same(former->name, name)) return IsSetAsideName(aside->name, name.substr(0, name.size() - 4));
  }
  return false;
}

bool IsOwnStartupFileEntry(const record::Entry& entry) {
  return entry.kind == record::EntryKind::File &&
         (Same(entry.path, cad::kAcadStartupFile) || Same(entry.path, cad::kOnStartStartupFile));
}

std::string KeyIdentity(const std::string& key) {
  std::string identity;
  for (const std::string& segment : SegmentsOf(key, "\\").value_or(Segments{key})) {
    identity += "\\" + text::UpperCase(segment);
  }
  return identity;
}

}  // namespace uninstall
