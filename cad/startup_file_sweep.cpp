#include "cad/startup_file_sweep.h"

#include "cad/cad_messages.h"
#include "cad/cad_text.h"
#include "cad/own_startup_files.h"
#include "text/case_folding.h"

namespace cad {

namespace {

constexpr int kFoldersLookedAt = 49;

// The installation root or a folder below it, however the path spells it.
bool IsUnderInstallRoot(const std::string& folder) {
  const std::string upper = text::UpperAscii(folder);
  const std::string root = text::UpperAscii(kInstallRoot);
  return upper.compare(0, root.size(), root) == 0 &&
         (upper.size() == root.size() || upper[root.size()] == '\\');
}

}  // namespace

std::string PathListField(const std::string& path_list, int field) {
  if (field < 1) return {};
  std::size_t start = 0;
  for (int n = 1; n < field; ++n) {
    const std::size_t separator = path_list.find(';', start);
    if (separator == std::string::npos) return {};
    start = separator + 1;
  }
  return path_list.substr(start, path_list.find(';', start) - start);
}

std::string SetAsideName(platform::FileSystem& files, const std::string& startup_file) {
  const std::string stem = DropLastCharacters(startup_file, 4) + kSetAsideMarker;
  std::string candidate;
  for (int k = 1; k <= kSetAsideNames; ++k) {
    candidate = stem + std::to_string(k) + ".lsp";
    if (!files.FileExists(candidate)) break;
  }
  return candidate;
}

bool SetAsideStartupFile(platform::FileSystem& files, const std::string& search_path,
                         const std::string& name, const ShowMessage& show_message, bool leave_install_root) {
  const std::string own_path = "C:\\GEOLUME\\" + text::UpperAscii(name);
  bool all_set_aside = true;
  for (int field = 1; field <= kFoldersLookedAt; ++field) {
    const std::string folder = PathListField(search_path, field);
    if (folder.empty()) break;
    if (leave_install_root && IsUnderInstallRoot(folder)) continue;
    const std::string file = folder + "\\" + name;
    if (!files.FileExists(file)) continue;
    const bool own = text::UpperAscii(file) == own_path || IsOwnStartupFile(files, file);
    const bool done = own ? files.DeleteFile(file) : files.RenameFile(file, SetAsideName(files, file));
    if (done) continue;
    all_set_aside = false;
    show_message(messages::kStartupFileNotMoved + file + messages::kMoveItManually);
  }
  return all_set_aside;
}

}  // namespace cad
