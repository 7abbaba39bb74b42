#include "platform/memory/folded_name.h"

namespace platform {
namespace {

// Code points standing for bytes that are not valid UTF-8, out of the way of letters.
char32_t InvalidByte(unsigned char byte) { return 0xDC00 + byte; }

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes one code point at text[index] and advances index past it.
char32_t DecodeAt(std::string_view text, size_t& index) {
  const auto lead = static_cast<unsigned char>(text[index]);
  size_t length = 0;
  char32_t point = 0;
  if (lead < 0x80) {
    ++index;
    return lead;
  }
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
    ++index;
    return InvalidByte(lead);
  }
  if (index + length > text.size()) {
    ++index;
    return InvalidByte(lead);
  }
  for (size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[index + i]);
    if (!IsContinuation(byte)) {
      ++index;
      return InvalidByte(lead);
    }
    point = (point << 6) | (byte & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (point < kSmallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
    ++index;
    return InvalidByte(lead);
  }
  index += length;
  return point;
}

// Latin Extended-A pairs an upper-case letter with the lower-case one after it;
// the parity of the upper-case letters changes at U+0138 and U+0178.
char32_t UpperLatinExtendedA(char32_t point) {
  const bool even_upper = (point < 0x0138) || (point >= 0x014A && point < 0x0178);
  if (point == 0x0138 || point == 0x0149 || point == 0x0178 || point == 0x017F) return point;
  const bool is_lower = even_upper ? (point % 2 == 1) : (point % 2 == 0);
  return is_lower ? point - 1 : point;
}

// Greek small letters, the accented ones and the final sigma included.
char32_t UpperGreek(char32_t point) {
  if (point == 0x03C2) return 0x03A3;
  if (point >= 0x03B1 && point <= 0x03CB) return point - 0x20;
  if (point == 0x03AC) return 0x0386;
  if (point >= 0x03AD && point <= 0x03AF) return point - 0x25;
  if (point == 0x03CC) return 0x038C;
  if (point == 0x03CD || point == 0x03CE) return point - 0x3F;
  return point;
}

char32_t Upper(char32_t point) {
  if (point >= U'a' && point <= U'z') return point - 0x20;
  if (point >= 0xE0 && point <= 0xFE && point != 0xF7) return point - 0x20;
  if (point == 0xFF) return 0x0178;
  if (point >= 0x0100 && point <= 0x017F) return UpperLatinExtendedA(point);
  if (point >= 0x0430 && point <= 0x044F) return point - 0x20;
  if (point >= 0x0450 && point <= 0x045F) return point - 0x50;
  if (point >= 0x03AC && point <= 0x03CE) return UpperGreek(point);
  if (point >= 0xFF41 && point <= 0xFF5A) return point - 0x20;  // full-width Latin
  return point;
}

}  // namespace

std::u32string FoldedName(std::string_view utf8) {
  std::u32string folded;
  folded.reserve(utf8.size());
  size_t index = 0;
  while (index < utf8.size()) folded.push_back(Upper(DecodeAt(utf8, index)));
  return folded;
}

}  // namespace platform
