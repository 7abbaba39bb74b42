#pragma once
// The AutoCAD release a profile belongs to, read from its key path.
#include <string>

namespace cad {

// The number between the first "\R" of the path and the next backslash (at
// most 10 characters on), read with "." as the decimal separator whatever the
// locale; 0 when there is no such number.
double ReleaseNumber(const std::string& key_path);

}  // namespace cad
