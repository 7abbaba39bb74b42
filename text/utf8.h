#pragma once
// UTF-8, the encoding of text inside the program: walking it by characters
// and decoding it to code points.
#include <cstddef>
#include <string>
#include <string_view>

namespace text {

constexpr bool IsContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// Characters counted by the bytes that start them; a stray continuation byte
// belongs to the character before it.
std::size_t CharacterCount(std::string_view utf8);

// The byte offset `count` characters after `start`, or the end of the text.
// A character is the byte at the current offset with the continuation bytes
// after it, so a cut never splits one.
std::size_t AdvanceCharacters(std::string_view utf8, std::size_t start, std::size_t count);

struct DecodedCharacter {
  char32_t code_point = 0;
  std::size_t length = 0;  // in bytes, at least 1
  bool valid = false;
};

// Where a byte does not start a well-formed sequence: a lone low surrogate
// standing for that byte, so it stays distinct from every character.
constexpr char32_t InvalidByteCodePoint(unsigned char byte) { return 0xDC00 + byte; }

// The character starting at utf8[at] (at < size). A byte that does not start a
// well-formed sequence (a stray continuation byte, a sequence cut short, an
// overlong form, an encoded surrogate, a value beyond U+10FFFF, the bytes
// F8..FF) is one invalid character of one byte, and decoding goes on with the
// byte after it.
DecodedCharacter DecodeCharacter(std::string_view utf8, std::size_t at);

// Calls visit(character, byte offset) for each character of the text, in order.
template <class Visit>
void ForEachCharacter(std::string_view utf8, Visit visit) {
  for (std::size_t at = 0; at < utf8.size();) {
    const DecodedCharacter character = DecodeCharacter(utf8, at);
    visit(character, at);
    at += character.length;
  }
}

void AppendUtf8(std::string& out, char32_t code_point);

}  // namespace text
