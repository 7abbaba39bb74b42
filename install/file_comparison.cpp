#include "install/file_comparison.h"

#include <array>

#include "install/install_error.h"
#include "text/case_folding.h"

namespace install {

namespace {

platform::FileStamp RequireStamp(platform::FileSystem& files, const std::string& path) {
  auto stamp = files.ReadStamp(path);
  if (!stamp) throw InstallError("Cannot open " + path + " (error " + std::to_string(files.LastError()) + ")");
  return *stamp;
}

}  // namespace

bool IsPreservedTable(const std::string& path) {
  static const std::array<std::u32string, kPreservedTables.size()> folded_tables = [] {
    std::array<std::u32string, kPreservedTables.size()> folded;
    for (std::size_t i = 0; i < folded.size(); ++i) folded[i] = text::FoldedCodePoints(kPreservedTables[i]);
    return folded;
  }();
  std::u32string folded = text::FoldedCodePoints(path);
  for (const std::u32string& table : folded_tables) {
    if (folded == table) return true;
  }
  return false;
}

bool IsSameFile(platform::FileSystem& files, const std::string& source, const std::string& target) {
  platform::FileStamp from = RequireStamp(files, source);
  platform::FileStamp to = RequireStamp(files, target);
  return from.dos_date_time == to.dos_date_time && from.size_low == to.size_low;
}

bool IsTargetNewer(platform::FileSystem& files, const std::string& source, const std::string& target) {
  if (!files.FileExists(target)) return false;
  auto from = files.ReadStamp(source);
  auto to = files.ReadStamp(target);
  if (!from || !to) return false;
  return from->dos_date_time < to->dos_date_time;
}

}  // namespace install
