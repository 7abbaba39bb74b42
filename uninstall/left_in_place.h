#pragma once
// What the uninstall leaves where it is, and why: a Portuguese format with %s
// places, looked up in the user's language before the values go in, as for
// every other message.
#include <string>
#include <vector>

namespace uninstall {

struct LeftInPlace {
  std::string format;
  std::vector<std::string> values;
};

using LeftList = std::vector<LeftInPlace>;

}  // namespace uninstall
