#pragma once
// What stops a CAD listing or configuration: a registry value of the wrong
// type, a setting that must be written and cannot be, an unreadable or
// unwritable startup file, a startup suite that holds no usable count.
#include <stdexcept>
#include <string>

namespace cad {

class CadError : public std::runtime_error {
 public:
  explicit CadError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace cad
