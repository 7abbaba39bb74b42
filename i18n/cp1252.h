#pragma once
// Code page 1252, the encoding of the stored dictionary data, and UTF-8, the
// encoding of text inside the program.
#include <string>
#include <string_view>

namespace i18n {

// Every byte has a character: the five bytes Windows leaves undefined map to
// the C1 control of the same number, as MultiByteToWideChar does.
std::string Cp1252ToUtf8(std::string_view cp1252);

// Throws FormStreamError when the text is not valid UTF-8 or holds a
// character that code page 1252 cannot show.
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace i18n
