#pragma once
// What ends an installation run that no message box covers: a registry key
// or value that cannot be written, a shortcut folder that cannot be had.
#include <stdexcept>
#include <string>

namespace install {

class InstallError : public std::runtime_error {
 public:
  explicit InstallError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace install
