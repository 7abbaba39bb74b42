#pragma once
// The text shown for an error that nothing else handled.
#include <string>
#include <vector>

namespace i18n {

// The message (a format, when it has values) looked up in the first
// registered dictionary when it is active, the values put in, with "."
// appended when it ends in a character that sorts after ".".
std::string ApplicationErrorText(const std::string& message, const std::vector<std::string>& values = {});

}  // namespace i18n
