#pragma once
// Data resources embedded in the program.
#include <optional>
#include <string>

namespace platform {

class Resources {
 public:
  virtual ~Resources() = default;
  // The bytes of the RCDATA resource of that name; nullopt when there is none.
  virtual std::optional<std::string> RcData(const std::string& name) = 0;
};

}  // namespace platform
