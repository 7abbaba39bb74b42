// PathListField on arbitrary path lists: the fields, joined again with ";",
// are the list itself; no field holds a ";"; a field number beyond the last,
// below 1 or as large as an int goes gives empty text.
//
// fuzz-sources: cad/startup_file_sweep.cpp cad/cad_text.cpp cad/own_startup_files.cpp text/*.cpp
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>

#include "cad/startup_file_sweep.h"
#include "tests/fuzz/fuzz_checks.h"

using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string list = fuzz::Bytes(data, size);
  const auto fields = fuzz::Split(list, ';');
  if (fields.size() > 2000) return 0;
  std::string joined;
  for (int n = 1; n <= static_cast<int>(fields.size()); ++n) {
    const std::string field = cad::PathListField(list, n);
    Require(field.find(';') == std::string::npos, "field holds a separator", list);
    Require(field == fields[n - 1], "field differs from the text between separators", list);
    joined += (n > 1 ? ";" : "") + field;
  }
  Require(joined == list, "fields do not make up the list", list);
  Require(cad::PathListField(list, static_cast<int>(fields.size()) + 1).empty(), "field beyond the last", list);
  Require(cad::PathListField(list, 0).empty(), "field 0 not empty", list);
  Require(cad::PathListField(list, -1).empty(), "negative field not empty", list);
  Require(cad::PathListField(list, INT_MIN).empty(), "INT_MIN field not empty", list);
  Require(cad::PathListField(list, INT_MAX).empty() || fields.size() >= static_cast<std::size_t>(INT_MAX),
          "INT_MAX field not empty", list);
  return 0;
}
