#include "i18n/form_stream_reader.h"

#include <cmath>
#include <cstring>

#include "i18n/cp1252.h"
#include "i18n/form_stream_error.h"

namespace i18n {

namespace {

// Nesting deeper than this is taken as a damaged stream rather than risking the stack.
constexpr int kMaximumDepth = 200;

std::string TagText(ValueTag tag) { return std::to_string(int(tag)); }

bool IsIntegerTag(ValueTag tag) {
  return tag == ValueTag::Int8 || tag == ValueTag::Int16 || tag == ValueTag::Int32;
}

void CheckDepth(int depth) {
  if (depth > kMaximumDepth) throw FormStreamError("Form stream nests too deeply");
}

// A 10-byte extended float: 64-bit mantissa with its integer bit, 15-bit
// exponent biased by 16383, sign in the top bit.
double ExtendedToDouble(const std::string& bytes) {
  std::uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | static_cast<unsigned char>(bytes[i]);
  const int top = static_cast<unsigned char>(bytes[9]) << 8 | static_cast<unsigned char>(bytes[8]);
  const bool negative = (top & 0x8000) != 0;
  const int exponent = top & 0x7FFF;
  double value = 0;
  if (exponent == 0x7FFF) {
    value = mantissa << 1 ? NAN : INFINITY;
  } else if (mantissa != 0) {
    const int unbiased = (exponent == 0 ? 1 : exponent) - 16383 - 63;
    value = std::ldexp(double(mantissa), unbiased);
  }
  return negative ? -value : value;
}

}  // namespace

FormStreamReader::FormStreamReader(std::string bytes) : bytes_(std::move(bytes)) {}

std::uint8_t FormStreamReader::ReadByte() {
  if (position_ >= bytes_.size()) throw FormStreamError("Form stream ends too early");
  return static_cast<std::uint8_t>(bytes_[position_++]);
}

std::string FormStreamReader::ReadBytes(std::size_t count) {
  if (count > bytes_.size() - position_) throw FormStreamError("Form stream ends too early");
  std::string out = bytes_.substr(position_, count);
  position_ += count;
  return out;
}

std::uint32_t FormStreamReader::ReadUnsigned(int byte_count) {
  const std::string bytes = ReadBytes(byte_count);
  std::uint32_t value = 0;
  for (int i = byte_count - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return value;
}

std::string FormStreamReader::ReadShortString() {
  const std::uint8_t length = ReadByte();
  return ReadBytes(length);
}

void FormStreamReader::ReadSignature() {
  if (ReadBytes(kFormSignature.size()) != kFormSignature) {
    throw FormStreamError("Form stream does not start with the signature TPF0");
  }
}

ObjectHeader FormStreamReader::ReadObjectHeader() {
  ObjectHeader header;
  if (position_ >= bytes_.size()) throw FormStreamError("Form stream ends too early");
  const auto first = static_cast<std::uint8_t>(bytes_[position_]);
  if ((first & kObjectPrefixMark) == kObjectPrefixMark) {
    ++position_;
    header.prefix_flags = first & 0x0F;
    if (first & kObjectPrefixHasPosition) header.position = ReadInteger();
  }
  header.class_name = Cp1252ToUtf8(ReadShortString());
  header.object_name = Cp1252ToUtf8(ReadShortString());
  return header;
}

std::string FormStreamReader::ReadPropertyName() { return Cp1252ToUtf8(ReadShortString()); }

ValueTag FormStreamReader::PeekTag() const {
  if (position_ >= bytes_.size()) throw FormStreamError("Form stream ends too early");
  const auto tag = static_cast<std::uint8_t>(bytes_[position_]);
  if (tag > kLastValueTag) throw FormStreamError("Unknown value tag " + std::to_string(tag));
  return ValueTag(tag);
}

ValueTag FormStreamReader::ReadTag() {
  const ValueTag tag = PeekTag();
  ++position_;
  return tag;
}

bool FormStreamReader::EndOfList() const {
  if (position_ >= bytes_.size()) throw FormStreamError("Form stream ends too early");
  return bytes_[position_] == 0;
}

void FormStreamReader::Expect(ValueTag wanted, const char* what) {
  const ValueTag tag = ReadTag();
  if (tag != wanted) {
    throw FormStreamError(std::string("Expected ") + what + " but found value tag " + TagText(tag));
  }
}

void FormStreamReader::ReadListEnd() { Expect(ValueTag::End, "the end of a list"); }
void FormStreamReader::ReadListBegin() { Expect(ValueTag::List, "a list"); }
void FormStreamReader::ReadNil() { Expect(ValueTag::Nil, "nil"); }
void FormStreamReader::ReadCollectionBegin() { Expect(ValueTag::Collection, "a collection"); }

std::int32_t FormStreamReader::ReadIntegerOfTag(ValueTag tag) {
  switch (tag) {
    case ValueTag::Int8: return static_cast<std::int8_t>(ReadUnsigned(1));
    case ValueTag::Int16: return static_cast<std::int16_t>(ReadUnsigned(2));
    case ValueTag::Int32: return static_cast<std::int32_t>(ReadUnsigned(4));
    default: throw FormStreamError("Expected an integer but found value tag " + TagText(tag));
  }
}

std::int32_t FormStreamReader::ReadInteger() { return ReadIntegerOfTag(ReadTag()); }

std::string FormStreamReader::ReadStringBytesOfTag(ValueTag tag) {
  if (tag == ValueTag::String) return ReadShortString();
  if (tag == ValueTag::LongString) return ReadBytes(ReadUnsigned(4));
  throw FormStreamError("Expected a string but found value tag " + TagText(tag));
}

std::string FormStreamReader::ReadStringBytes() { return ReadStringBytesOfTag(ReadTag()); }

std::string FormStreamReader::ReadString() { return Cp1252ToUtf8(ReadStringBytes()); }

std::string FormStreamReader::ReadIdentifier() {
  Expect(ValueTag::Identifier, "an identifier");
  return Cp1252ToUtf8(ReadShortString());
}

bool FormStreamReader::ReadBoolean() {
  const ValueTag tag = ReadTag();
  if (tag == ValueTag::True) return true;
  if (tag == ValueTag::False) return false;
  throw FormStreamError("Expected a boolean but found value tag " + TagText(tag));
}

double FormStreamReader::ReadFloat() {
  Expect(ValueTag::Extended, "a float");
  return ExtendedToDouble(ReadBytes(10));
}

std::string FormStreamReader::ReadBinary() {
  Expect(ValueTag::Binary, "binary data");
  return ReadBytes(ReadUnsigned(4));
}

std::vector<std::string> FormStreamReader::ReadSet() {
  Expect(ValueTag::Set, "a set");
  std::vector<std::string> members;
  for (std::string member = ReadShortString(); !member.empty(); member = ReadShortString()) {
    members.push_back(Cp1252ToUtf8(member));
  }
  return members;
}

std::optional<std::int32_t> FormStreamReader::ReadCollectionItemIndex() {
  if (!IsIntegerTag(PeekTag())) return std::nullopt;
  return ReadInteger();
}

void FormStreamReader::SkipValue() { SkipValue(0); }
void FormStreamReader::SkipProperties() { SkipProperties(0); }
void FormStreamReader::SkipObjectBody() { SkipObjectBody(0); }

void FormStreamReader::SkipValue(int depth) {
  CheckDepth(depth);
  const ValueTag tag = ReadTag();
  switch (tag) {
    case ValueTag::End:
      throw FormStreamError("Expected a value but found the end of a list");
    case ValueTag::List:
      while (!EndOfList()) SkipValue(depth + 1);
      ReadListEnd();
      return;
    case ValueTag::Int8:
    case ValueTag::Int16:
    case ValueTag::Int32:
      ReadIntegerOfTag(tag);
      return;
    case ValueTag::Extended:
      ReadBytes(10);
      return;
    case ValueTag::String:
    case ValueTag::Identifier:
      ReadShortString();
      return;
    case ValueTag::False:
    case ValueTag::True:
    case ValueTag::Nil:
      return;
    case ValueTag::Binary:
    case ValueTag::LongString:
      ReadBytes(ReadUnsigned(4));
      return;
    case ValueTag::Set:
      while (!ReadShortString().empty()) {
      }
      return;
    case ValueTag::Collection:
      while (!EndOfList()) {
        ReadCollectionItemIndex();
        SkipProperties(depth + 1);
      }
      ReadListEnd();
      return;
  }
}

void FormStreamReader::SkipProperties(int depth) {
  while (!EndOfList()) {
    ReadShortString();
    SkipValue(depth);
  }
  ReadListEnd();
}

void FormStreamReader::SkipObjectBody(int depth) {
  CheckDepth(depth);
  SkipProperties(depth);
  while (!EndOfList()) {
    ReadObjectHeader();
    SkipObjectBody(depth + 1);
  }
  ReadListEnd();
}

}  // namespace i18n
