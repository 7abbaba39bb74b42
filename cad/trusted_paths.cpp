#include "cad/trusted_paths.h"

#include <algorithm>
#include <string_view>

#include "cad/cad_text.h"

namespace cad {

namespace {

constexpr char kProductFolder[] = "C:\\geolume";

std::string_view Trimmed(std::string_view text, std::string_view characters) {
  const std::size_t first = text.find_first_not_of(characters);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(characters);
  return text.substr(first, last - first + 1);
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

bool IsProductTrustedEntry(const std::string& entry) {
  std::string_view folder = Trimmed(entry, " \"");
  if (EndsWith(folder, "\\...")) folder.remove_suffix(4);
  while (EndsWith(folder, "\\")) folder.remove_suffix(1);
  return UpperText(folder) == "C:\\GEOLUME";
}

std::string MergeTrustedPath(const std::string& trusted_paths) {
  const std::string_view former = Trimmed(trusted_paths, " ");
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
