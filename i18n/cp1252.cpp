#include "i18n/cp1252.h"

#include <array>
#include <cstdint>

#include "i18n/form_stream_error.h"
#include "text/utf8.h"

namespace i18n {

namespace {

// The characters of bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CharacterOfByte(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

int ByteOfCharacter(char32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) return int(character);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == character) return int(0x80 + i);
  }
  return -1;
}

std::string DescribeCharacter(char32_t c) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (int shift = 20; shift >= 0; shift -= 4) hex += kDigits[(c >> shift) & 0xF];
  while (hex.size() > 4 && hex[0] == '0') hex.erase(0, 1);
  return "U+" + hex;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size());
  for (char byte : cp1252) text::AppendUtf8(out, CharacterOfByte(static_cast<unsigned char>(byte)));
  return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  text::ForEachCharacter(utf8, [&out](const text::DecodedCharacter& character, std::size_t) {
    if (!character.valid) throw FormStreamError("Text is not valid UTF-8");
    const int byte = ByteOfCharacter(character.code_point);
    if (byte < 0) {
      throw FormStreamError("The character " + DescribeCharacter(character.code_point) +
                            " has no place in code page 1252");
    }
    out += char(byte);
  });
  return out;
}

}  // namespace i18n
