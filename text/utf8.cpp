#include "text/utf8.h"

namespace text {

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (char byte : utf8) {
    if (!IsContinuationByte(byte)) ++count;
  }
  return count;
}

std::size_t AdvanceCharacters(std::string_view utf8, std::size_t start, std::size_t count) {
  std::size_t at = start;
  while (at < utf8.size() && count > 0) {
    ++at;
    while (at < utf8.size() && IsContinuationByte(utf8[at])) ++at;
    --count;
  }
  return at;
}

DecodedCharacter DecodeCharacter(std::string_view utf8, std::size_t at) {
  const auto lead = static_cast<unsigned char>(utf8[at]);
  if (lead < 0x80) return {lead, 1, true};
  const DecodedCharacter invalid{InvalidByteCodePoint(lead), 1, false};
  std::size_t length = 0;
  char32_t point = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    point = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    point = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    point = lead & 0x07;
  } else {
    return invalid;
  }
  if (length > utf8.size() - at) return invalid;
  for (std::size_t i = 1; i < length; ++i) {
    const char byte = utf8[at + i];
    if (!IsContinuationByte(byte)) return invalid;
    point = (point << 6) | (static_cast<unsigned char>(byte) & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (point < kSmallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return invalid;
  return {point, length, true};
}

void AppendUtf8(std::string& out, char32_t code_point) {
  const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
  if (code_point < 0x80) {
    out += byte(code_point);
  } else if (code_point < 0x800) {
    out += byte(0xC0 | (code_point >> 6));
    out += byte(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    out += byte(0xE0 | (code_point >> 12));
    out += byte(0x80 | ((code_point >> 6) & 0x3F));
    out += byte(0x80 | (code_point & 0x3F));
  } else {
    out += byte(0xF0 | (code_point >> 18));
    out += byte(0x80 | ((code_point >> 12) & 0x3F));
    out += byte(0x80 | ((code_point >> 6) & 0x3F));
    out += byte(0x80 | (code_point & 0x3F));
  }
}

}  // namespace text
