#pragma once
// Message formats of the installation, with %s places. Texts are UTF-8.
#include <initializer_list>
#include <string>
#include <string_view>

namespace install {

// Puts the values into the format's %s places, in order; places left over
// stay as they are, values left over are dropped.
std::string FillIn(std::string_view format, std::initializer_list<std::string_view> values);

}  // namespace install
