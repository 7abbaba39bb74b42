#include "cad/product_paths.h"

#include "text/case_folding.h"

namespace cad {

namespace {

constexpr char kUpperRoot[] = "C:\\GEOLUME";
constexpr char kUpperSymbols[] = "C:\\GEOLUME\\SIMBOLOS";

std::string WithFolder(const std::string& search_path, const char* upper_folder,
                       const char* folder) {
  if (text::UpperCase(search_path).find(upper_folder) != std::string::npos) return search_path;
  return search_path + ";" + folder;
}

}  // namespace

std::string AddProductPaths(const std::string& search_path) {
  const std::string with_root = WithFolder(search_path, kUpperRoot, "C:\\geolume");
  return WithFolder(with_root, kUpperSymbols, "C:\\geolume\\simbolos");
}

bool IsProductSearchFolder(const std::string& entry) {
  const std::string upper = text::UpperCase(entry);
  return upper == kUpperRoot || upper == kUpperSymbols;
}

}  // namespace cad
