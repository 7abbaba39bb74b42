#include "cad/cad_text.h"

namespace cad {

namespace {

bool IsContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// Byte offset of the character `count` characters after `start`, or the end.
std::size_t AdvanceCharacters(std::string_view text, std::size_t start, std::size_t count) {
  std::size_t at = start;
  while (at < text.size() && count > 0) {
    ++at;
    while (at < text.size() && IsContinuation(text[at])) ++at;
    --count;
  }
  return at;
}

}  // namespace

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

std::string UpperText(std::string_view text) {
  std::string upper = UpperAscii(text);
  // Latin-1 small letters U+00E0..U+00FE (but U+00F7, the division sign) are
  // C3 A0..C3 BE; their capitals lie 0x20 below. U+00FF becomes U+0178.
  for (std::size_t i = 0; i + 1 < upper.size(); ++i) {
    if (static_cast<unsigned char>(upper[i]) != 0xC3) continue;
    const auto second = static_cast<unsigned char>(upper[i + 1]);
    if (second >= 0xA0 && second <= 0xBE && second != 0xB7) {
      upper[i + 1] = static_cast<char>(second - 0x20);
    } else if (second == 0xBF) {
      upper[i] = static_cast<char>(0xC5);
      upper[i + 1] = static_cast<char>(0xB8);
    }
    ++i;
  }
  return upper;
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) {
    if (!IsContinuation(c)) ++count;
  }
  return count;
}

std::string CopyCharacters(std::string_view text, std::size_t start, std::size_t count) {
  if (start >= text.size()) return {};
  return std::string(text.substr(start, AdvanceCharacters(text, start, count) - start));
}

std::string DropLastCharacters(std::string_view text, std::size_t count) {
  const std::size_t total = CharacterCount(text);
  if (total <= count) return {};
  return std::string(text.substr(0, AdvanceCharacters(text, 0, total - count)));
}

std::string BeforeBackslash(std::string_view text) {
  return std::string(text.substr(0, text.find('\\')));
}

}  // namespace cad
