// MergeTrustedPath on arbitrary TRUSTEDPATHS values: every former entry is
// still there in its place, the product folder is trusted afterwards, at
// most one entry is added, and a second merge changes nothing more.
//
// fuzz-sources: cad/trusted_paths.cpp text/*.cpp
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>

#include "cad/trusted_paths.h"
#include "tests/fuzz/fuzz_checks.h"

namespace {

using fuzz::Require;

bool NamesNothing(const std::string& value) {
  const std::size_t first = value.find_first_not_of(' ');
  if (first == std::string::npos) return true;
  return value.substr(first, value.find_last_not_of(' ') - first + 1) == ".";
}

// The product folder as a user or an add-in may have written it, with the
// letter case, spaces, quotes and ending that the input's first bytes pick.
std::string Decorated(const std::string& input) {
  const auto pick = [&](std::size_t i) {
    return i < input.size() ? static_cast<unsigned char>(input[i]) : 0u;
  };
  std::string folder = "c:\\geolume";
  for (std::size_t i = 0; i < folder.size(); ++i) {
    if ((pick(i / 8) >> (i % 8)) & 1) folder[i] = static_cast<char>(std::toupper(folder[i]));
  }
  const unsigned shape = pick(2);
  folder += std::string((shape >> 1) & 3, '\\');
  if (shape & 1) folder += "\\...";
  if (shape & 8) folder = "\"" + folder + "\"";
  return std::string((shape >> 4) & 3, ' ') + folder + std::string((shape >> 6) & 3, ' ');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string former = fuzz::Bytes(data, size);
  const std::string product = Decorated(former);
  Require(cad::IsProductTrustedEntry(product), "product folder not recognised", product);
  Require(!cad::IsProductTrustedEntry(product + "x"), "another folder taken for the product's", product);
  const std::string merged = cad::MergeTrustedPath(former);
  const auto entries = fuzz::Split(merged, ';');
  Require(std::any_of(entries.begin(), entries.end(), cad::IsProductTrustedEntry),
          "product folder not trusted after the merge", merged);
  Require(cad::MergeTrustedPath(merged) == merged, "a second merge changed the value", merged);
  if (NamesNothing(former)) {
    Require(merged == "C:\\geolume", "a value naming no folder not replaced by the product's", former);
    return 0;
  }
  const auto before = fuzz::Split(former, ';');
  Require(entries.size() == before.size() || entries.size() == before.size() + 1,
          "more than one entry added", merged);
  Require(std::equal(before.begin(), before.end(), entries.begin()), "a former entry lost or moved", merged);
  const bool trusted_before = std::any_of(before.begin(), before.end(), cad::IsProductTrustedEntry);
  Require(trusted_before == (merged == former), "entry added though trusted, or not added", merged);
  return 0;
}
