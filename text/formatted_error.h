#pragma once
// An error whose message is a format with values, so that whoever shows it
// can look the format up in the user's language before the values go in.
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "text/fill_in.h"

namespace text {

class FormattedError : public std::runtime_error {
 public:
  FormattedError(std::string format, std::vector<std::string> values)
      : std::runtime_error(FillIn(format, values)), format_(std::move(format)), values_(std::move(values)) {}

  const std::string& Format() const { return format_; }
  const std::vector<std::string>& Values() const { return values_; }

 private:
  std::string format_;
  std::vector<std::string> values_;
};

}  // namespace text
