#include "cad/trusted_paths.h"

#include <algorithm>
#include <string_view>

#include "text/case_folding.h"
#include "text/trim.h"

namespace cad {

namespace {

constexpr char kProductFolder[] = "C:\\geolume";

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

bool IsProductTrustedEntry(const std::string& entry) {
  std::string_view folder = text::Trim(entry, " \"");
  if (EndsWith(folder, "\\...")) folder.remove_suffix(4);
  while (EndsWith(folder, "\\")) folder.remove_suffix(1);
  return text::UpperCase(folder) == "C:\\GEOLUME";
}

std::string MergeTrustedPath(const std::string& trusted_paths) {
  const std::string_view former = text::Trim(trusted_paths, text::kSpace);
  if (former.empty() || former == ".") return kProductFolder;
  std::size_t start = 0;
  while (start <= trusted_paths.size()) {
    const std::size_t end = std::min(trusted_paths.find(';', start), trusted_paths.size());
    if (IsProductTrustedEntry(trusted_paths.substr(start, end - start))) return trusted_paths;
    start = end + 1;
  }
  return trusted_paths + ";" + kProductFolder;
}

}  // namespace cad
