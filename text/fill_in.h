#pragma once
// Message formats with %s places, filled in order.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace text {

// Puts the values into the format's %s places, in order; places left over
// stay as they are, values left over are dropped.
std::string FillIn(std::string_view format, std::initializer_list<std::string_view> values);
std::string FillIn(std::string_view format, const std::vector<std::string>& values);

}  // namespace text
