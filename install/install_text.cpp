#include "install/install_text.h"

namespace install {

std::string FillIn(std::string_view format, std::initializer_list<std::string_view> values) {
  std::string result;
  auto value = values.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    bool place = format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's';
    if (!place || value == values.end()) {
      result += format[i];
      continue;
    }
    result += *value++;
    ++i;
  }
  return result;
}

}  // namespace install
