#pragma once
// The program's RCDATA resources for host tests: a map from name to bytes.
// Names compare without regard to letter case, as Windows' resource names do.
#include <map>
#include <string>

#include "platform/resources.h"

namespace platform {

class MemoryResources : public Resources {
 public:
  std::optional<std::string> RcData(const std::string& name) override;

  // Test helpers.
  void Add(const std::string& name, std::string bytes);
  void Remove(const std::string& name);
  // Adds the whole content of a host file; throws std::runtime_error when it cannot be read.
  void LoadFile(const std::string& name, const std::string& host_path);

 private:
  std::map<std::u32string, std::string> resources_;
};

}  // namespace platform
