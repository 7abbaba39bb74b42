#pragma once
// The value tags of the binary form stream, shared by its reader and writer.
#include <cstdint>
#include <string_view>

namespace i18n {

enum class ValueTag : std::uint8_t {
  End = 0,  // ends a list, a property run, a child run or a collection
  List = 1,
  Int8 = 2,
  Int16 = 3,
  Int32 = 4,
  Extended = 5,  // 10-byte float
  String = 6,    // length byte, bytes
  Identifier = 7,
  False = 8,
  True = 9,
  Binary = 10,  // 4-byte length, bytes
  Set = 11,     // short strings up to an empty one
  LongString = 12,
  Nil = 13,
  Collection = 14,
};

inline constexpr std::uint8_t kLastValueTag = 14;

inline constexpr std::string_view kFormSignature = "TPF0";

// The prefix byte of an object record has these four bits set; its low bits
// are flags, and the flag below is followed by the child-position value.
inline constexpr std::uint8_t kObjectPrefixMark = 0xF0;
inline constexpr std::uint8_t kObjectPrefixHasPosition = 0x02;

}  // namespace i18n
