#pragma once
// A form stream that cannot be read or written as it stands.
#include <stdexcept>
#include <string>

namespace i18n {

class FormStreamError : public std::runtime_error {
 public:
  explicit FormStreamError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace i18n
