#pragma once
// The text shown for an error that nothing else handled.
#include <string>

namespace i18n {

// The message through Translate of the first registered dictionary when it
// is active, with "." appended when it ends in a character that sorts after ".".
std::string ApplicationErrorText(const std::string& message);

}  // namespace i18n
