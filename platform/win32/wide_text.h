#pragma once
// UTF-8 <-> UTF-16 at the boundary to the wide-character Windows API.
#include <string>

namespace platform {

// Invalid UTF-8 sequences become U+FFFD; unpaired surrogates likewise on the way back.
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);
std::string Narrow(const wchar_t* utf16);

}  // namespace platform
