#include "text/utf8.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace text {
namespace {

struct Decoded {
  char32_t code_point;
  bool valid;
  friend bool operator==(const Decoded&, const Decoded&) = default;
};

// Every character of the text, decoded one after the other.
std::vector<Decoded> DecodeAll(std::string_view utf8) {
  std::vector<Decoded> all;
  for (std::size_t at = 0; at < utf8.size();) {
    const DecodedCharacter character = DecodeCharacter(utf8, at);
    EXPECT_GE(character.length, 1u);
    all.push_back({character.code_point, character.valid});
    at += character.length;
  }
  return all;
}

Decoded Bad(unsigned char byte) { return {InvalidByteCodePoint(byte), false}; }

TEST(Utf8, WellFormedSequencesOfEveryLengthDecode) {
  EXPECT_EQ(DecodeAll("a\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E"),
            (std::vector<Decoded>{{U'a', true}, {0xE9, true}, {0x20AC, true}, {0x1D11E, true}}));
  // The first and last code point of each length.
  EXPECT_EQ(DecodeAll("\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"),
            (std::vector<Decoded>{{0x7F, true}, {0x80, true}, {0x7FF, true}, {0x800, true},
                                  {0xFFFF, true}, {0x10000, true}, {0x10FFFF, true}}));
  EXPECT_TRUE(DecodeAll("").empty());
}

TEST(Utf8, EachBadByteIsOneInvalidCharacterAndDecodingGoesOn) {
  // A stray continuation byte, and bytes that never start a sequence.
  EXPECT_EQ(DecodeAll("\x80" "a\xF8\xFF"), (std::vector<Decoded>{Bad(0x80), {U'a', true}, Bad(0xF8), Bad(0xFF)}));
  // Cut short by the end, and by a byte that does not continue it.
  EXPECT_EQ(DecodeAll("\xE2\x82"), (std::vector<Decoded>{Bad(0xE2), Bad(0x82)}));
  EXPECT_EQ(DecodeAll("\xC3" "a"), (std::vector<Decoded>{Bad(0xC3), {U'a', true}}));
  EXPECT_EQ(DecodeAll("\xE2\xC3\xA9"), (std::vector<Decoded>{Bad(0xE2), {0xE9, true}}));
}

TEST(Utf8, OverlongFormsSurrogatesAndValuesBeyondUnicodeAreInvalid) {
  EXPECT_EQ(DecodeAll("\xC0\xAF"), (std::vector<Decoded>{Bad(0xC0), Bad(0xAF)}));
  EXPECT_EQ(DecodeAll("\xE0\x80\xAF"), (std::vector<Decoded>{Bad(0xE0), Bad(0x80), Bad(0xAF)}));
  EXPECT_EQ(DecodeAll("\xF0\x80\x80\xAF")[0], Bad(0xF0));
  EXPECT_EQ(DecodeAll("\xED\xA0\x80")[0], Bad(0xED));  // U+D800
  EXPECT_EQ(DecodeAll("\xED\xBF\xBF")[0], Bad(0xED));  // U+DFFF
  EXPECT_EQ(DecodeAll("\xED\x9F\xBF")[0], (Decoded{0xD7FF, true}));
  EXPECT_EQ(DecodeAll("\xF4\x90\x80\x80")[0], Bad(0xF4));  // U+110000
  EXPECT_EQ(DecodeAll("\xF7\xBF\xBF\xBF")[0], Bad(0xF7));
}

TEST(Utf8, AppendingEncodesWhatDecodingReads) {
  for (char32_t point : {0x00u, 0x41u, 0x7Fu, 0x80u, 0xE9u, 0x7FFu, 0x800u, 0x20ACu, 0xD7FFu, 0xE000u, 0xFFFFu,
                         0x10000u, 0x1D11Eu, 0x10FFFFu}) {
    std::string encoded;
    AppendUtf8(encoded, point);
    const DecodedCharacter back = DecodeCharacter(encoded, 0);
    EXPECT_TRUE(back.valid) << std::hex << std::uint32_t(point);
    EXPECT_EQ(std::uint32_t(back.code_point), std::uint32_t(point));
    EXPECT_EQ(back.length, encoded.size());
  }
}

TEST(Utf8, CountsAndCutsGoByCharacters) {
  const std::string text = "ação€𝄞";  // characters of one to four bytes
  EXPECT_EQ(CharacterCount(text), 6u);
  EXPECT_EQ(CharacterCount(""), 0u);
  EXPECT_EQ(text.substr(0, AdvanceCharacters(text, 0, 2)), "aç");
  EXPECT_EQ(text.substr(0, AdvanceCharacters(text, 0, 5)), "ação€");
  EXPECT_EQ(AdvanceCharacters(text, 0, 6), text.size());
  EXPECT_EQ(AdvanceCharacters(text, 0, 60), text.size());
  EXPECT_EQ(AdvanceCharacters(text, 1, 1), 3u);  // from "ç" past it
  EXPECT_EQ(AdvanceCharacters(text, text.size(), 3), text.size());
  EXPECT_EQ(AdvanceCharacters(text, 2, 0), 2u);
  // Stray continuation bytes go with the character before them.
  EXPECT_EQ(CharacterCount("a\x80\x80" "b"), 2u);
  EXPECT_EQ(AdvanceCharacters("a\x80\x80" "b", 0, 1), 3u);
}

}  // namespace
}  // namespace text
