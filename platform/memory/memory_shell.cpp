#include "platform/memory/memory_shell.h"

#include <charconv>
#include <stdexcept>

namespace platform {
namespace {

constexpr const char* kLinkHeader = "[MemoryShellLink]";

// One field per line, so line breaks (and the escape character) are escaped.
std::string Escape(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    if (c == '%') escaped += "%25";
    else if (c == '\r') escaped += "%0D";
    else if (c == '\n') escaped += "%0A";
    else escaped += c;
  }
  return escaped;
}

std::string Unescape(const std::string& text) {
  std::string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    const std::string code = text.substr(i, 3);
    if (code == "%25") plain += '%';
    else if (code == "%0D") plain += '\r';
    else if (code == "%0A") plain += '\n';
    else {
      plain += text[i];
      continue;
    }
    i += 2;
  }
  return plain;
}

std::string Serialize(const ShellLink& link) {
  std::string text = std::string(kLinkHeader) + "\r\n";
  text += "Target=" + Escape(link.target) + "\r\n";
  text += "WorkingFolder=" + Escape(link.working_folder) + "\r\n";
  text += "Description=" + Escape(link.description) + "\r\n";
  text += "IconPath=" + Escape(link.icon_path) + "\r\n";
  text += "IconIndex=" + std::to_string(link.icon_index) + "\r\n";
  return text;
}

void ReadField(ShellLink& link, const std::string& key, const std::string& value) {
  if (key == "Target") link.target = Unescape(value);
  if (key == "WorkingFolder") link.working_folder = Unescape(value);
  if (key == "Description") link.description = Unescape(value);
  if (key == "IconPath") link.icon_path = Unescape(value);
  if (key == "IconIndex") std::from_chars(value.data(), value.data() + value.size(), link.icon_index);
}

std::optional<ShellLink> Deserialize(const std::string& text) {
  const std::string header = std::string(kLinkHeader) + "\r\n";
  if (text.rfind(header, 0) != 0) return std::nullopt;
  ShellLink link;
  size_t start = header.size();
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    const size_t equals = line.find('=');
    if (equals != std::string::npos) ReadField(link, line.substr(0, equals), line.substr(equals + 1));
    start = end + 2;
  }
  return link;
}

}  // namespace

MemoryShell::MemoryShell(FileSystem& files) : files_(files) {
  special_folders_[kFolderDesktop] = "C:\\Users\\Usuario\\Desktop";
  special_folders_[kFolderProgramFiles] = "C:\\Program Files (x86)";
  special_folders_[kFolderLocalAppData] = "C:\\Users\\Usuario\\AppData\\Local";
}

std::string MemoryShell::SpecialFolder(int csidl) {
  const auto found = special_folders_.find(csidl);
  return found == special_folders_.end() ? std::string() : found->second;
}

bool MemoryShell::SaveLink(const ShellLink& link, const std::string& link_path) {
  if (link_creation_fails_) throw std::runtime_error("no shell link object could be created");
  if (!files_.WriteFile(link_path, Serialize(link))) return false;
  saved_links_.push_back(link_path);
  return true;
}

std::optional<ShellLink> MemoryShell::ReadLink(const std::string& link_path) {
  if (link_creation_fails_) throw std::runtime_error("no shell link object could be created");
  const auto bytes = files_.ReadFile(link_path);
  if (!bytes) return std::nullopt;
  return Deserialize(*bytes);
}

void MemoryShell::SetSpecialFolder(int csidl, const std::string& path) {
  special_folders_[csidl] = path;
}

void MemoryShell::SetLinkCreationFails(bool fails) { link_creation_fails_ = fails; }

const std::vector<std::string>& MemoryShell::SavedLinks() const { return saved_links_; }

}  // namespace platform
