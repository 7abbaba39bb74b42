#pragma once
// The RCDATA resources of the running program.
#include "platform/resources.h"

namespace platform {

class Win32Resources : public Resources {
 public:
  std::optional<std::string> RcData(const std::string& name) override;
};

}  // namespace platform
