#include "cad/profile_discovery.h"

#include <algorithm>

#include "cad/cad_text.h"
#include "cad/key_search.h"
#include "text/case_folding.h"

namespace cad {

namespace {

constexpr auto kCurrentUser = platform::RegistryRoot::CurrentUser;
constexpr char kEditorConfiguration[] = "Editor Configuration";

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

bool IsAutoCadProfile(const std::string& path) {
  return Contains(path, "Profiles") && !Contains(path, "aecProfile") &&
         !Contains(path, "FixedProfile") && !Contains(path, "R14");
}

// Examined from the last to the first, and never down to nothing: a lone
// entry outside any user profile still stands for the installed release.
void KeepAutoCadProfiles(std::vector<std::string>& paths) {
  for (std::size_t index = paths.size(); index-- > 0;) {
    if (paths.size() > 1 && !IsAutoCadProfile(paths[index])) {
      paths.erase(paths.begin() + static_cast<std::ptrdiff_t>(index));
    }
  }
}

template <typename Predicate>
void RemoveWhere(std::vector<std::string>& paths, Predicate predicate) {
  paths.erase(std::remove_if(paths.begin(), paths.end(), predicate), paths.end());
}

}  // namespace

std::vector<std::string> FindAutoCadProfiles(platform::Registry& registry) {
  auto paths = FindKeys(registry, kCurrentUser, "Software\\Autodesk\\AutoCAD", kEditorConfiguration);
  KeepAutoCadProfiles(paths);
  return paths;
}

std::vector<std::string> FindBricsCadProfiles(platform::Registry& registry) {
  auto paths = FindKeys(registry, kCurrentUser, "Software\\Bricsys\\BricsCAD", "Config");
  RemoveWhere(paths, [](const std::string& path) { return !Contains(text::UpperAscii(path), "\\BRICSCAD"); });
  return paths;
}

std::vector<std::string> FindGstarCadProfiles(platform::Registry& registry) {
  auto paths =
      FindKeys(registry, kCurrentUser, "SOFTWARE\\Gstarsoft\\GstarCAD", kEditorConfiguration);
  RemoveWhere(paths, [](const std::string& path) { return Contains(path, "FixedProfile"); });
  return paths;
}

std::string ProfileKeyPath(const std::string& found_path) {
  return DropLastCharacters(found_path, 21);
}

std::vector<CadProfile> FindCadProfiles(platform::Registry& registry) {
  std::vector<CadProfile> profiles;
  for (const auto& path : FindAutoCadProfiles(registry)) {
    profiles.push_back({CadHost::AutoCad, ProfileKeyPath(path), {}});
  }
  for (const auto& path : FindBricsCadProfiles(registry)) {
    profiles.push_back({CadHost::BricsCad, path, {}});
  }
  for (const auto& path : FindGstarCadProfiles(registry)) {
    profiles.push_back({CadHost::GstarCad, ProfileKeyPath(path), {}});
  }
  return profiles;
}

}  // namespace cad
