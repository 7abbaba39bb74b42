#include "cad/profile_display_text.h"

#include "cad/cad_registry.h"
#include "cad/cad_text.h"
#include "cad/profile_discovery.h"
#include "text/case_folding.h"
#include "text/utf8.h"

namespace cad {

namespace {

constexpr std::size_t kNameLength = 100;
constexpr auto npos = std::string::npos;

// The "<<...>>" part of a profile key path, as many characters long as the
// position (from 1) of the first ">>" less two: in practice the rest of the
// path from "<<" on. Empty when ">>" comes too early to leave a length.
std::string BracketedPart(const std::string& key_path, std::size_t open, std::size_t close) {
  const std::size_t close_position = text::CharacterCount(std::string_view(key_path).substr(0, close)) + 1;
  if (close_position <= 2) return {};
  return CopyCharacters(key_path, open, close_position - 2);
}

}  // namespace

std::string AutoCadDisplayText(const std::string& key_path, const std::string& search_path) {
  std::string name = text::UpperAscii(search_path);
  const std::size_t host = name.find("\\AUTOCAD");
  if (host != npos) name = BeforeBackslash(CopyCharacters(name, host + 1, kNameLength));
  const std::size_t open = key_path.find("<<");
  const std::size_t close = key_path.find(">>");
  if (open != npos && close != npos) name += " " + BracketedPart(key_path, open, close);
  return name;
}

std::string BricsCadDisplayText(const std::string& config_path) {
  const std::string upper = text::UpperAscii(config_path);
  std::string suffix;
  const std::size_t profiles = upper.find("\\PROFILES\\");
  if (profiles != npos) {
    const std::string rest = config_path.substr(profiles + 10);
    suffix = " - " + (rest.find('\\') == npos ? std::string() : BeforeBackslash(rest));
  }
  std::string name = upper;
  const std::size_t host = upper.find("\\BRICSCAD");
  if (host != npos) {
    name = CopyCharacters(upper, host + 1, kNameLength);
    const std::size_t first_break = name.find('\\');
    if (first_break != npos) {
      const std::string first = name.substr(0, first_break);
      name = CopyCharacters(name, first_break + 1, kNameLength);
      if (name.find('\\') != npos) name = first + " " + BeforeBackslash(name);
    }
  }
  return name + suffix;
}

std::string GstarCadDisplayText(const std::string& search_path) {
  std::string name = text::UpperAscii(search_path);
  const std::size_t host = name.find("\\GSTARCAD");
  if (host == npos) return name;
  name = CopyCharacters(name, host + 1, kNameLength);
  const std::size_t first_break = name.find('\\');
  if (first_break != npos) name[first_break] = ' ';
  return BeforeBackslash(name);
}

std::string DisplayTextOf(platform::Registry& registry, const CadProfile& profile) {
  switch (profile.host) {
    case CadHost::AutoCad:
      return AutoCadDisplayText(profile.keyPath,
                                ReadRegString(registry, profile.keyPath + "\\General", "ACAD"));
    case CadHost::BricsCad:
      return BricsCadDisplayText(profile.keyPath);
    case CadHost::GstarCad:
      return GstarCadDisplayText(ReadRegString(registry, profile.keyPath + "\\General", "GCAD"));
  }
  return {};
}

std::vector<CadProfile> ListedCadProfiles(platform::Registry& registry) {
  auto profiles = FindCadProfiles(registry);
  for (auto& profile : profiles) profile.displayText = DisplayTextOf(registry, profile);
  return profiles;
}

}  // namespace cad
