// Discovery over a registry built from arbitrary lines, and the key-path
// arithmetic it does: the 21 characters cut from a found path, the start key
// made into a search path, the key search's order, and the lines made from
// what was found. Every cut stays inside its path and on a character.
// Input: one key per line under HKEY_CURRENT_USER; a first character A, B or
// G puts the rest below AutoCAD's, BricsCAD's or GstarCAD's start key; a "|"
// gives the key the rest of the line as its "ACAD", "GCAD" and "SRCHPATH".
//
// fuzz-sources: cad/key_search.cpp cad/profile_discovery.cpp cad/profile_display_text.cpp cad/cad_text.cpp cad/cad_registry.cpp platform/memory/memory_registry.cpp text/*.cpp
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cad/key_search.h"
#include "cad/profile_discovery.h"
#include "cad/profile_display_text.h"
#include "platform/memory/memory_registry.h"
#include "tests/fuzz/fuzz_checks.h"
#include "text/case_folding.h"

namespace {

using fuzz::Require;
constexpr auto kUser = platform::RegistryRoot::CurrentUser;
constexpr std::size_t kMostKeys = 64;

std::string Placed(const std::string& line) {
  if (line.empty()) return line;
  switch (line.front()) {
    case 'A': return "\\Software\\Autodesk\\AutoCAD\\" + line.substr(1);
    case 'B': return "\\Software\\Bricsys\\BricsCAD\\" + line.substr(1);
    case 'G': return "\\SOFTWARE\\Gstarsoft\\GstarCAD\\" + line.substr(1);
    default: return line;
  }
}

void Seed(platform::MemoryRegistry& registry, const std::vector<std::string>& lines) {
  for (std::size_t i = 0; i < lines.size() && i < kMostKeys; ++i) {
    const std::size_t bar = lines[i].find('|');
    const std::string key = Placed(lines[i].substr(0, bar));
    if (bar == std::string::npos) {
      registry.AddKey(kUser, key);
      continue;
    }
    const std::string text = lines[i].substr(bar + 1);
    registry.SetString(kUser, key, "ACAD", text);
    registry.SetString(kUser, key, "GCAD", text);
    registry.SetString(kUser, key, "SRCHPATH", text);
  }
}

void CheckProfileKeyPath(const std::string& found) {
  const std::string key = cad::ProfileKeyPath(found);
  const std::size_t length = fuzz::Utf8Length(found);
  if (length <= 21) {
    Require(key.empty(), "a path of 21 characters or fewer leaves a key path", found);
    return;
  }
  Require(fuzz::StartsWith(found, key) && key.size() < found.size(),
          "key path not a shorter start of the found path", found);
  // Registry names reach the program as whole UTF-8 (converted from UTF-16);
  // only there is a character count exact.
  if (!fuzz::IsWholeUtf8(found)) return;
  Require(fuzz::Utf8Length(found.substr(key.size())) == 21, "key path cut by other than 21", found);
  Require(fuzz::IsWholeUtf8(key), "key path splits a character", found);
}

void CheckStartKey(const std::string& start) {
  const std::string key = cad::NormaliseStartKey(start);
  if (start.empty() || start == "\\") {
    Require(key.empty(), "root start key not the empty path", start);
    return;
  }
  Require(!key.empty() && key.front() == '\\', "start key without its leading backslash", start);
  Require(key.size() + 1 >= start.size() && key.size() <= start.size() + 1,
          "start key changed by more than one backslash", start);
}

// Pre-order: no match comes after a match inside it; nothing twice; every
// match lies below the start key and its own name holds the search text.
void CheckFoundKeys(platform::Registry& registry, const std::string& start, const std::string& text) {
  const auto found = cad::FindKeys(registry, kUser, start, text);
  const std::string below = cad::NormaliseStartKey(start) + "\\";
  const std::string wanted = text::LowerAscii(text);
  for (std::size_t i = 0; i < found.size(); ++i) {
    Require(fuzz::StartsWith(found[i], below), "found key not below the start key", found[i]);
    const std::string name = found[i].substr(found[i].rfind('\\') + 1);
    Require(text::LowerAscii(name).find(wanted) != std::string::npos, "found key does not match", found[i]);
    for (std::size_t j = 0; j < i; ++j) {
      Require(found[j] != found[i], "key found twice", found[i]);
      Require(!fuzz::StartsWith(found[j], found[i] + "\\"), "key found after a key inside it", found[i]);
    }
  }
}

void CheckProfiles(platform::Registry& registry, bool whole) {
  const auto autocad = cad::FindAutoCadProfiles(registry);
  const auto bricscad = cad::FindBricsCadProfiles(registry);
  const auto gstarcad = cad::FindGstarCadProfiles(registry);
  for (const auto& found : autocad) CheckProfileKeyPath(found);
  for (const auto& found : gstarcad) CheckProfileKeyPath(found);
  const auto listed = cad::ListedCadProfiles(registry);
  Require(listed.size() == autocad.size() + bricscad.size() + gstarcad.size(),
          "list lines and profiles differ in number");
  for (std::size_t k = 0; k < listed.size(); ++k) {
    const bool gstar = k >= autocad.size() + bricscad.size();
    const bool brics = !gstar && k >= autocad.size();
    const std::string found = gstar ? gstarcad[k - autocad.size() - bricscad.size()]
                              : brics ? bricscad[k - autocad.size()]
                                      : autocad[k];
    const std::string key = brics ? found : cad::ProfileKeyPath(found);
    Require(listed[k].keyPath == key, "line paired with another profile's key", found);
    if (whole) Require(fuzz::IsWholeUtf8(listed[k].displayText), "line splits a character", found);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return 0;
  const std::string input = fuzz::Bytes(data, size);
  const auto lines = fuzz::Split(input, '\n');
  for (const auto& line : lines) {
    CheckProfileKeyPath(line);
    CheckStartKey(line);
  }
  platform::MemoryRegistry registry;
  Seed(registry, lines);
  CheckFoundKeys(registry, lines.front(), lines.size() > 1 ? lines[1] : std::string());
  CheckFoundKeys(registry, "Software", "Config");
  CheckProfiles(registry, fuzz::IsWholeUtf8(input));
  return 0;
}
