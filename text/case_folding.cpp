#include "text/case_folding.h"

#include <algorithm>

#include "text/utf8.h"

namespace text {

namespace {

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

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

char32_t UpperCaseOf(char32_t point) {
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

std::u32string FoldedCodePoints(std::string_view utf8) {
  std::u32string folded;
  folded.reserve(utf8.size());
  ForEachCharacter(utf8, [&](const DecodedCharacter& character, std::size_t) {
    folded.push_back(UpperCaseOf(character.code_point));
  });
  return folded;
}

std::string UpperCase(std::string_view utf8) {
  std::string upper;
  upper.reserve(utf8.size());
  ForEachCharacter(utf8, [&](const DecodedCharacter& character, std::size_t at) {
    const char32_t point = character.valid ? UpperCaseOf(character.code_point) : character.code_point;
    if (point == character.code_point) {
      upper.append(utf8.substr(at, character.length));
    } else {
      AppendUtf8(upper, point);
    }
  });
  return upper;
}

bool SameTextIgnoringCase(std::string_view left, std::string_view right) {
  return FoldedCodePoints(left) == FoldedCodePoints(right);
}

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), AsciiUpper);
  return upper;
}

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), AsciiLower);
  return lower;
}

bool SameTextIgnoringAsciiCase(std::string_view left, std::string_view right) {
  return std::equal(left.begin(), left.end(), right.begin(), right.end(),
                    [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

}  // namespace text
