#include "platform/memory/memory_system.h"

#include <algorithm>
#include <cctype>

namespace platform {

namespace {
std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}
}  // namespace

std::optional<FixedFileVersion> MemorySystem::FileVersion(const std::string& path) {
  for (const auto& [file, version] : versions) {
    if (Lower(file) == Lower(path)) return version;
  }
  return std::nullopt;
}


}  // namespace platform
