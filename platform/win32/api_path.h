#pragma once
// Paths as the wide-character calls take them.
#include <string>

namespace platform {

// The path as GetFullPathNameW makes it: absolute, "." and ".." resolved,
// the dots and spaces Windows drops taken off; unchanged when that fails.
std::wstring FullPath(const std::wstring& path);

// Short paths go to Windows as they are. Long absolute ones are normalised
// first ("\\?\" turns that off) and then given the prefix that lifts the limit.
std::wstring ApiPath(const std::wstring& path);

// The full path in the form the native calls take ("\??\C:\…").
std::wstring NativePath(const std::wstring& full);

}  // namespace platform
