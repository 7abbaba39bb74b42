#pragma once
// The registry key search that finds CAD profiles.
#include <string>
#include <vector>

#include "platform/registry.h"

namespace cad {

// Every key below `start_key` whose name contains `search_text` (letter case
// of A-Z ignored; an empty text matches every key), as paths that begin with
// a backslash, in depth-first pre-order. Every key is descended into, matched
// or not; keys that cannot be opened contribute nothing.
std::vector<std::string> FindKeys(platform::Registry& registry, platform::RegistryRoot root,
                                  const std::string& start_key, const std::string& search_text);

// The start key as the search uses it: "" and "\" give the empty path;
// otherwise one trailing backslash goes and a leading one is ensured.
std::string NormaliseStartKey(const std::string& start_key);

}  // namespace cad
