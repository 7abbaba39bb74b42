#include "platform/memory/memory_resources.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/memory/folded_name.h"

namespace platform {

std::optional<std::string> MemoryResources::RcData(const std::string& name) {
  const auto found = resources_.find(FoldedName(name));
  if (found == resources_.end()) return std::nullopt;
  return found->second;
}

void MemoryResources::Add(const std::string& name, std::string bytes) {
  resources_[FoldedName(name)] = std::move(bytes);
}

void MemoryResources::Remove(const std::string& name) { resources_.erase(FoldedName(name)); }

void MemoryResources::LoadFile(const std::string& name, const std::string& host_path) {
  std::ifstream file(host_path, std::ios::binary);
  if (!file) throw std::runtime_error("Cannot read " + host_path);
  Add(name, std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
}

}  // namespace platform
