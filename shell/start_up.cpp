#include "shell/start_up.h"

namespace shell {

std::string SourceFolderOf(const std::string& program_path) {
  std::size_t cut = program_path.find_last_of("\\:");
  std::string folder = cut == std::string::npos ? std::string() : program_path.substr(0, cut + 1);
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return folder;
}

std::string FormatFileVersion(const platform::FixedFileVersion& version) {
  auto part = [](std::uint32_t word, int shift) { return std::to_string((word >> shift) & 0xFFFF); };
  return part(version.most_significant, 16) + "." + part(version.most_significant, 0) + "." +
         part(version.least_significant, 16) + "." + part(version.least_significant, 0);
}

std::string FileVersionText(platform::System& system, const std::string& path) {
  auto version = system.FileVersion(path);
  if (!version) return {};
  return FormatFileVersion(*version);
}

std::string VersionLine(const std::string& version_text) { return "V." + version_text + "    "; }

}  // namespace shell
