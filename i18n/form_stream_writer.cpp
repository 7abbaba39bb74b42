#include "i18n/form_stream_writer.h"

#include <cmath>
#include <limits>

#include "i18n/cp1252.h"
#include "i18n/form_stream_error.h"

namespace i18n {

namespace {

constexpr std::size_t kShortStringLimit = 255;

// The inverse of the reader's conversion; finite values only.
std::string DoubleToExtended(double value) {
  if (!std::isfinite(value)) throw FormStreamError("Only finite floats can be written");
  std::string bytes(10, '\0');
  const bool negative = std::signbit(value);
  int exponent = 0;
  std::uint64_t mantissa = 0;
  int biased = 0;
  if (value != 0) {
    const double fraction = std::frexp(std::fabs(value), &exponent);  // [0.5, 1)
    mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    biased = exponent - 1 + 16383;
  }
  for (int i = 0; i < 8; ++i) bytes[i] = char((mantissa >> (8 * i)) & 0xFF);
  const int top = (negative ? 0x8000 : 0) | biased;
  bytes[8] = char(top & 0xFF);
  bytes[9] = char(top >> 8);
  return bytes;
}

}  // namespace

void FormStreamWriter::WriteTag(ValueTag tag) { bytes_ += char(tag); }

void FormStreamWriter::WriteRawByte(std::uint8_t byte) { bytes_ += char(byte); }

void FormStreamWriter::WriteUnsigned(std::uint32_t value, int byte_count) {
  for (int i = 0; i < byte_count; ++i) bytes_ += char((value >> (8 * i)) & 0xFF);
}

void FormStreamWriter::WriteShortString(const std::string& cp1252) {
  if (cp1252.size() > kShortStringLimit) {
    throw FormStreamError("A name of more than 255 bytes cannot be written: " + cp1252.substr(0, 40));
  }
  bytes_ += char(cp1252.size());
  bytes_ += cp1252;
}

void FormStreamWriter::WriteSignature() { bytes_ += kFormSignature; }

void FormStreamWriter::WriteObjectHeader(const std::string& class_name,
                                         const std::string& object_name,
                                         std::optional<std::int32_t> position) {
  if (position) {
    bytes_ += char(kObjectPrefixMark | kObjectPrefixHasPosition);
    WriteInteger(*position);
  }
  WriteShortString(Utf8ToCp1252(class_name));
  WriteShortString(Utf8ToCp1252(object_name));
}

void FormStreamWriter::WritePropertyName(const std::string& name) {
  WriteShortString(Utf8ToCp1252(name));
}

void FormStreamWriter::WriteEnd() { WriteTag(ValueTag::End); }
void FormStreamWriter::WriteListBegin() { WriteTag(ValueTag::List); }
void FormStreamWriter::WriteNil() { WriteTag(ValueTag::Nil); }
void FormStreamWriter::WriteCollectionBegin() { WriteTag(ValueTag::Collection); }
void FormStreamWriter::WriteCollectionItemIndex(std::int32_t index) { WriteInteger(index); }

void FormStreamWriter::WriteInteger(std::int32_t value) {
  if (value >= std::numeric_limits<std::int8_t>::min() &&
      value <= std::numeric_limits<std::int8_t>::max()) {
    WriteTag(ValueTag::Int8);
    WriteUnsigned(std::uint32_t(value), 1);
    return;
  }
  if (value >= std::numeric_limits<std::int16_t>::min() &&
      value <= std::numeric_limits<std::int16_t>::max()) {
    WriteTag(ValueTag::Int16);
    WriteUnsigned(std::uint32_t(value), 2);
    return;
  }
  WriteTag(ValueTag::Int32);
  WriteUnsigned(std::uint32_t(value), 4);
}

void FormStreamWriter::WriteString(const std::string& utf8) {
  const std::string cp1252 = Utf8ToCp1252(utf8);
  if (cp1252.size() <= kShortStringLimit) {
    WriteTag(ValueTag::String);
    WriteShortString(cp1252);
    return;
  }
  WriteTag(ValueTag::LongString);
  WriteUnsigned(std::uint32_t(cp1252.size()), 4);
  bytes_ += cp1252;
}

void FormStreamWriter::WriteIdentifier(const std::string& identifier) {
  WriteTag(ValueTag::Identifier);
  WriteShortString(Utf8ToCp1252(identifier));
}

void FormStreamWriter::WriteBoolean(bool value) { WriteTag(value ? ValueTag::True : ValueTag::False); }

void FormStreamWriter::WriteFloat(double value) {
  WriteTag(ValueTag::Extended);
  bytes_ += DoubleToExtended(value);
}

void FormStreamWriter::WriteBinary(const std::string& bytes) {
  WriteTag(ValueTag::Binary);
  WriteUnsigned(std::uint32_t(bytes.size()), 4);
  bytes_ += bytes;
}

void FormStreamWriter::WriteSet(const std::vector<std::string>& members) {
  WriteTag(ValueTag::Set);
  for (const std::string& member : members) {
    const std::string cp1252 = Utf8ToCp1252(member);
    if (cp1252.empty()) throw FormStreamError("A set member cannot be empty");
    WriteShortString(cp1252);
  }
  WriteShortString("");
}

}  // namespace i18n
