#include "install/code_folders.h"

#include <set>

#include "install/copy_table.h"
#include "install/file_comparison.h"
#include "install/protected_files.h"
#include "platform/administrators_only.h"
#include "text/case_folding.h"

namespace install {

namespace {

constexpr char kSymbolsFolder[] = "simbolos";
// Written by the CAD configuration, not copied: the product's all the same.
constexpr std::array<const char*, 2> kStartupFiles = {"ACAD.LSP", "ON_START.LSP"};

bool IsLink(std::uint32_t attributes) { return (attributes & platform::kAttributeReparsePoint) != 0; }

// The names the medium's steps copy into the root and the symbols folder, in
// either language, folded for comparison.
std::set<std::u32string> MediumNames(const InstallationContext& context) {
  std::set<std::u32string> names;
  for (const char* startup : kStartupFiles) names.insert(text::FoldedCodePoints(startup));
  for (const CopyStep& step : kCopyTable) {
    if (step.target != TargetFolder::Root && step.target != TargetFolder::Symbols) continue;
    for (Language language : {Language::Portuguese, Language::Spanish}) {
      const auto listing = context.windows.files.ListFolder(CopyStepSource(step, context.source_folder, language));
      for (const auto& entry : listing.value_or(std::vector<platform::DirectoryEntry>{})) {
        if (!entry.is_folder) names.insert(text::FoldedCodePoints(entry.name));
      }
    }
  }
  return names;
}

class TreeTakeBack {
 public:
  TreeTakeBack(const InstallationContext& context) : context_(context), files_(context.windows.files) {}

  std::vector<std::string> Run() {
    files_.SetAccess(kInstallRoot, platform::kProtectedFolderAccess);
    medium_names_ = MediumNames(context_);
    Folder(kInstallRoot);
    return foreign_code_;
  }

 private:
  void Folder(const std::string& folder) {
    const auto entries = files_.ListFolder(folder);
    if (!entries) return;
    for (const auto& entry : *entries) {
      if (entry.name == "." || entry.name == "..") continue;
      const std::string path = folder + "\\" + entry.name;
      const auto attributes = files_.GetAttributes(path);
      // A link is neither followed nor given back; it is named instead.
      if (!attributes || IsLink(*attributes)) {
        foreign_code_.push_back(path);
        continue;
      }
      files_.SetAccess(path, platform::kAdministratorsInheritedAccess);
      if (entry.is_folder) {
        Folder(path);
      } else if (IsProtectedProductFile(path) && !medium_names_.count(text::FoldedCodePoints(entry.name))) {
        foreign_code_.push_back(path);
      }
    }
  }

  const InstallationContext& context_;
  platform::FileSystem& files_;
  std::set<std::u32string> medium_names_;
  std::vector<std::string> foreign_code_;
};

}  // namespace

RootCheck CheckInstallRoot(const InstallationContext& context) {
  auto& files = context.windows.files;
  RootCheck check;
  const auto attributes = files.GetAttributes(kInstallRoot);
  if (!attributes) return check;
  if (IsLink(*attributes) || (*attributes & platform::kAttributeDirectory) == 0) {
    check.refused = IsLink(*attributes);
    return check;
  }
  if (platform::OnlyAdministratorsMayChange(files, kInstallRoot)) return check;
  check.taken_back = true;
  check.foreign_code = TreeTakeBack(context).Run();
  return check;
}

std::vector<std::pair<std::string, std::uint32_t>> SetFolderAccess(platform::FileSystem& files) {
  std::vector<std::pair<std::string, std::uint32_t>> failed;
  const auto set = [&files, &failed](const std::string& folder, const char* access) {
    if (!files.SetAccess(folder, access)) failed.emplace_back(folder, files.LastError());
  };
  const std::string root(kInstallRoot);
  const std::string symbols = root + "\\" + kSymbolsFolder;
  set(root, platform::kProtectedFolderAccess);
  if (files.FolderExists(symbols)) set(symbols, platform::kProtectedFolderAccess);
  const auto entries = files.ListFolder(root);
  for (const auto& entry : entries.value_or(std::vector<platform::DirectoryEntry>{})) {
    if (!entry.is_folder || entry.name == "." || entry.name == "..") continue;
    if (text::FoldedCodePoints(entry.name) == text::FoldedCodePoints(kSymbolsFolder)) continue;
    const std::string folder = root + "\\" + entry.name;
    const auto attributes = files.GetAttributes(folder);
    if (!attributes || IsLink(*attributes)) continue;
    set(folder, platform::kUsersModifyFolderAccess);
  }
  return failed;
}

void OpenUserTables(platform::FileSystem& files) {
  for (const char* table : kPreservedTables) {
    if (files.FileExists(table)) files.SetAccess(table, platform::kUsersWriteFileAccess);
  }
}

}  // namespace install
