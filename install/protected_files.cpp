#include "install/protected_files.h"

#include <array>
#include <string_view>

#include "install/install_folders.h"
#include "text/case_folding.h"

namespace install {

namespace {

// Programs, libraries and controls, and what CAD hosts load as code: LISP,
// compiled LISP, ObjectARX and its kin, VBA projects, menus with their macros
// and scripts.
constexpr std::array<std::string_view, 31> kCodeExtensions = {
    ".EXE", ".DLL", ".OCX", ".COM", ".CPL", ".SCR", ".BAT", ".CMD", ".VBS", ".JS",  ".WSF",
    ".PS1", ".MSI", ".LSP", ".MNL", ".VLX", ".FAS", ".DES", ".ARX", ".DBX", ".BRX", ".GRX",
    ".CRX", ".ZRX", ".RX",  ".DVB", ".CUI", ".CUIX", ".MNU", ".MNS", ".MNC"};

bool EndsWith(const std::string& text, std::string_view end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

bool IsProtectedProductFile(const std::string& path) {
  const std::string upper = text::UpperCase(path);
  const std::size_t name_start = upper.find_last_of('\\');
  if (name_start == std::string::npos) return false;
  const std::string folder = upper.substr(0, name_start);
  const std::string name = upper.substr(name_start + 1);
  const std::string root = text::UpperCase(kInstallRoot);
  if (folder != root && folder != root + "\\SIMBOLOS") return false;
  for (std::string_view extension : kCodeExtensions) {
    if (EndsWith(name, extension)) return true;
  }
  return false;
}

}  // namespace install
