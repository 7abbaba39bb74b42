#pragma once
// Merging the product's folders into a host's support search path.
#include <string>

namespace cad {

// Appends ";C:\geolume" unless the text already holds "C:\GEOLUME" anywhere,
// then ";C:\geolume\simbolos" unless it holds "C:\GEOLUME\SIMBOLOS" anywhere
// (letter case ignored); nothing else changes.
std::string AddProductPaths(const std::string& search_path);

// Whether one entry of a search path is one of those two folders, in any
// letter case.
bool IsProductSearchFolder(const std::string& entry);

}  // namespace cad
