#include "platform/memory/folded_name.h"

#include <algorithm>
#include <iterator>

#include "platform/memory/upper_case_table.h"

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

char32_t Upper(char32_t point) {
  if (point < 0x80) return point >= U'a' && point <= U'z' ? point - 0x20 : point;
  const auto after = std::upper_bound(
      std::begin(kUpperCaseRuns), std::end(kUpperCaseRuns), point,
      [](char32_t wanted, const UpperCaseRun& run) { return wanted < run.first; });
  if (after == std::begin(kUpperCaseRuns)) return point;
  const UpperCaseRun& run = *(after - 1);
  if (point > run.last || (point - run.first) % run.step != 0) return point;
  return static_cast<char32_t>(static_cast<std::int32_t>(point) + run.delta);
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
