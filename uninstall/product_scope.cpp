#include "uninstall/product_scope.h"

#include <vector>

#include "install/file_associations.h"
#include "install/install_folders.h"
#include "text/case_folding.h"

namespace uninstall {

namespace {

constexpr char kViewerClassKey[] = "CLSID\\{6F55C185-A9A7-11D3-91F8-0000E878EB25}";
constexpr char kViewerProgId[] = "Visor de Arquivos";

constexpr const char* kUserTables[] = {
    "TabelaEquipamentosGeorreferenciamento.tbp",
    "TabelaPessoasGeorreferenciamento.tbp",
    "TabelaProfissionaisGeorreferenciamento.tbp",
    "TabelaVerticesUtilizadosGeorreferenciamento.tbp",
};

bool StartsWithFolder(const std::string& path, const std::string& folder) {
  const std::string normal_folder = NormalPath(folder);
  return path.size() > normal_folder.size() + 1 && path.compare(0, normal_folder.size(), normal_folder) == 0 &&
         path[normal_folder.size()] == '\\';
}

bool IsKeyOrBelow(const std::string& key, const std::string& top) {
  const std::string normal = text::UpperCase(NormalKey(key));
  const std::string upper_top = text::UpperCase(top);
  return normal == upper_top || (normal.size() > upper_top.size() && normal.compare(0, upper_top.size(), upper_top) == 0 &&
                                 normal[upper_top.size()] == '\\');
}

}  // namespace

std::string NormalPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  const std::string upper = text::UpperCase(path);
  for (std::size_t i = 0; i <= upper.size(); ++i) {
    if (i < upper.size() && upper[i] != '\\' && upper[i] != '/') {
      part += upper[i];
      continue;
    }
    // Windows drops trailing dots and spaces of a name.
    while (!part.empty() && (part.back() == '.' || part.back() == ' ') && part != "..") part.pop_back();
    if (part == "..") {
      if (parts.size() > 1) parts.pop_back();
    } else if (!part.empty()) {
      parts.push_back(part);
    }
    part.clear();
  }
  std::string normal;
  for (const std::string& each : parts) normal += (normal.empty() ? "" : "\\") + each;
  return normal;
}

bool IsUnderInstallRoot(const std::string& path) { return StartsWithFolder(NormalPath(path), install::kInstallRoot); }

bool IsInstallRoot(const std::string& path) { return NormalPath(path) == NormalPath(install::kInstallRoot); }

bool IsInSystemFolder(const std::string& path, const std::string& system_folder) {
  const std::string normal = NormalPath(path);
  return StartsWithFolder(normal, system_folder) &&
         normal.find('\\', NormalPath(system_folder).size() + 1) == std::string::npos;
}

bool IsUserTable(const std::string& path) {
  const std::string normal = NormalPath(path);
  for (const char* table : kUserTables) {
    if (normal == NormalPath(std::string(install::kInstallRoot) + "\\" + table)) return true;
  }
  return false;
}

bool IsProductExtensionKey(const std::string& key) {
  for (const install::FileAssociation& row : install::kFileAssociations) {
    if (SameKey(key, "." + std::string(row.extension))) return true;
  }
  return false;
}

bool IsViewerControlKey(const std::string& key) {
  return IsKeyOrBelow(key, kViewerClassKey) || IsKeyOrBelow(key, kViewerProgId);
}

std::string NormalKey(const std::string& key) {
  std::string normal;
  for (char c : key) {
    if (c == '\\' && (normal.empty() || normal.back() == '\\')) continue;
    normal += c;
  }
  while (!normal.empty() && normal.back() == '\\') normal.pop_back();
  return normal;
}

bool SameKey(const std::string& left, const std::string& right) {
  return text::SameTextIgnoringCase(NormalKey(left), NormalKey(right));
}

}  // namespace uninstall
