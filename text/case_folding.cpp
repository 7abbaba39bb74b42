#include "text/case_folding.h"

#include <algorithm>
#include <iterator>

#include "text/upper_case_table.h"
#include "text/utf8.h"

namespace text {

namespace {

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

char32_t UpperCaseOf(char32_t point) {
  if (point < 0x80) return point >= U'a' && point <= U'z' ? point - 0x20 : point;
  const auto after = std::upper_bound(
      std::begin(kUpperCaseRuns), std::end(kUpperCaseRuns), point,
      [](char32_t wanted, const UpperCaseRun& run) { return wanted < run.first; });
  if (after == std::begin(kUpperCaseRuns)) return point;
  const UpperCaseRun& run = *(after - 1);
  if (point > run.last || (point - run.first) % run.step != 0) return point;
  return static_cast<char32_t>(static_cast<std::int32_t>(point) + run.delta);
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
