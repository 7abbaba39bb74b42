// AddProductPaths on arbitrary search paths: the former text stays whole at
// the front, only the missing product folders follow it, both are then there
// in any letter case, and a second merge changes nothing more.
//
// fuzz-sources: cad/product_paths.cpp text/*.cpp
#include <cstddef>
#include <cstdint>
#include <string>

#include "cad/product_paths.h"
#include "tests/fuzz/fuzz_checks.h"
#include "text/case_folding.h"

using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string former = fuzz::Bytes(data, size);
  const std::string merged = cad::AddProductPaths(former);
  Require(fuzz::StartsWith(merged, former), "former search path not kept whole", former);
  const std::string added = merged.substr(former.size());
  Require(added.empty() || added == ";C:\\geolume" || added == ";C:\\geolume\\simbolos" ||
              added == ";C:\\geolume;C:\\geolume\\simbolos",
          "something other than the product folders added", merged);
  const std::string upper = text::UpperCase(merged);
  Require(upper.find("C:\\GEOLUME\\SIMBOLOS") != std::string::npos, "symbols folder missing", merged);
  if (text::UpperCase(former).find("C:\\GEOLUME\\SIMBOLOS") != std::string::npos) {
    Require(added.empty(), "folders added to a path that holds both", former);
  }
  Require(cad::AddProductPaths(merged) == merged, "a second merge changed the search path", merged);
  if (fuzz::IsWholeUtf8(former)) Require(fuzz::IsWholeUtf8(merged), "merge split a character", former);
  return 0;
}
