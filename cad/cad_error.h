#pragma once
// What stops a CAD listing or configuration: a registry value of the wrong
// type, a setting that must be written and cannot be, an unreadable or
// unwritable startup file, a startup suite that holds no usable count.
#include <string>
#include <utility>
#include <vector>

#include "text/formatted_error.h"

namespace cad {

class CadError : public text::FormattedError {
 public:
  explicit CadError(const std::string& message) : FormattedError(message, {}) {}
  // Shown with the format looked up in the user's language.
  CadError(std::string format, std::vector<std::string> values)
      : FormattedError(std::move(format), std::move(values)) {}
};

}  // namespace cad
