// The three display-text rules on arbitrary key paths and search paths: every
// copy that starts at a found position and runs for a computed length stays
// inside the text, never splits a character, and keeps the shape the rule
// promises (no backslash left, at most 100 characters from the host's folder).
// Input: a key path, a line feed, a search path.
//
// fuzz-sources: cad/profile_display_text.cpp cad/cad_text.cpp cad/cad_registry.cpp cad/profile_discovery.cpp cad/key_search.cpp text/*.cpp
#include <cstddef>
#include <cstdint>
#include <string>

#include "cad/profile_display_text.h"
#include "tests/fuzz/fuzz_checks.h"
#include "text/case_folding.h"

namespace {

using fuzz::Require;
constexpr auto npos = std::string::npos;

// What follows "\<HOST>" up to the next backslash: no backslash, at most 100
// characters, and a prefix of the text after that backslash.
void CheckHostName(const std::string& name, const std::string& upper, std::size_t host,
                   const std::string& detail) {
  Require(name.find('\\') == npos, "host name holds a backslash", detail);
  Require(fuzz::Utf8Length(name) <= 100, "host name longer than 100 characters", detail);
  Require(fuzz::StartsWith(upper.substr(host + 1), name), "host name not taken from the path", detail);
}

void CheckAutoCad(const std::string& key_path, const std::string& search_path, bool whole) {
  const std::string upper = text::UpperAscii(search_path);
  const std::string detail = key_path + " | " + search_path;
  const std::string name = cad::AutoCadDisplayText("", search_path);
  const std::size_t host = upper.find("\\AUTOCAD");
  if (host == npos) {
    Require(name == upper, "AutoCAD line without \\AUTOCAD is not the search path", detail);
  } else {
    CheckHostName(name, upper, host, detail);
  }
  const std::string line = cad::AutoCadDisplayText(key_path, search_path);
  const std::size_t open = key_path.find("<<");
  const std::size_t close = key_path.find(">>");
  if (open == npos || close == npos) {
    Require(line == name, "AutoCAD line gained text without both markers", detail);
    return;
  }
  Require(fuzz::StartsWith(line, name + " "), "AutoCAD line lost its name", detail);
  const std::string part = line.substr(name.size() + 1);
  const std::size_t close_position = fuzz::Utf8Length(key_path.substr(0, close)) + 1;
  const std::size_t wanted = close_position > 2 ? close_position - 2 : 0;
  Require(fuzz::StartsWith(key_path.substr(open), part), "AutoCAD part not taken from \"<<\" on", detail);
  Require(fuzz::Utf8Length(part) <= wanted, "AutoCAD part longer than its computed length", detail);
  if (whole) Require(fuzz::IsWholeUtf8(line), "AutoCAD line splits a character", detail);
}

void CheckBricsCad(const std::string& path, bool whole) {
  const std::string upper = text::UpperAscii(path);
  std::string line = cad::BricsCadDisplayText(path);
  const std::size_t profiles = upper.find("\\PROFILES\\");
  if (profiles != npos) {
    const std::string rest = path.substr(profiles + 10);
    const std::string suffix = " - " + (rest.find('\\') == npos ? "" : rest.substr(0, rest.find('\\')));
    Require(fuzz::EndsWith(line, suffix), "BricsCAD line lost its profile suffix", path);
    line.resize(line.size() - suffix.size());
  }
  const std::size_t host = upper.find("\\BRICSCAD");
  if (host == npos) {
    Require(line == upper, "BricsCAD line without \\BRICSCAD is not the path", path);
  } else {
    Require(line.find('\\') == npos, "BricsCAD name holds a backslash", path);
    Require(fuzz::Utf8Length(line) <= 201, "BricsCAD name longer than two copies", path);
  }
  if (whole) Require(fuzz::IsWholeUtf8(line), "BricsCAD line splits a character", path);
}

void CheckGstarCad(const std::string& search_path, bool whole) {
  const std::string upper = text::UpperAscii(search_path);
  const std::string line = cad::GstarCadDisplayText(search_path);
  const std::size_t host = upper.find("\\GSTARCAD");
  if (host == npos) {
    Require(line == upper, "GstarCAD line without \\GSTARCAD is not the search path", search_path);
    return;
  }
  std::string spaced = upper;
  const std::size_t first_break = spaced.find('\\', host + 1);
  // Only a backslash inside the 100 characters copied becomes a space.
  if (first_break != npos && fuzz::Utf8Length(spaced.substr(host + 1, first_break - host - 1)) < 100) {
    spaced[first_break] = ' ';
  }
  CheckHostName(line, spaced, host, search_path);
  if (whole) Require(fuzz::IsWholeUtf8(line), "GstarCAD line splits a character", search_path);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input = fuzz::Bytes(data, size);
  const std::size_t feed = input.find('\n');
  const std::string key_path = input.substr(0, feed);
  const std::string search_path = feed == npos ? std::string() : input.substr(feed + 1);
  const bool whole = fuzz::IsWholeUtf8(input);
  CheckAutoCad(key_path, search_path, whole);
  CheckBricsCad(key_path, whole);
  CheckBricsCad(search_path, whole);
  CheckGstarCad(search_path, whole);
  CheckGstarCad(key_path, whole);
  return 0;
}
