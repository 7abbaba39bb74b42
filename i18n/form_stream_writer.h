#pragma once
// Writes a binary form stream, for the build tool and for tests. Texts are
// given in UTF-8 and stored in code page 1252.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "i18n/form_stream_tags.h"

namespace i18n {

class FormStreamWriter {
 public:
  void WriteSignature();
  // With a position the record gets a prefix byte carrying the position flag.
  void WriteObjectHeader(const std::string& class_name, const std::string& object_name,
                         std::optional<std::int32_t> position = std::nullopt);
  void WritePropertyName(const std::string& name);

  // The 0 that ends a list, a property run, a child run or a collection.
  void WriteEnd();
  void WriteListBegin();
  // The smallest of the three integer tags that holds the value.
  void WriteInteger(std::int32_t value);
  // Tag 6 up to 255 bytes in code page 1252, tag 12 above.
  void WriteString(const std::string& utf8);
  void WriteIdentifier(const std::string& identifier);
  void WriteBoolean(bool value);
  void WriteFloat(double value);
  void WriteBinary(const std::string& bytes);
  void WriteSet(const std::vector<std::string>& members);
  void WriteNil();
  void WriteCollectionBegin();
  void WriteCollectionItemIndex(std::int32_t index);

  // Escape hatch for tests that need a stream no well-behaved writer makes.
  void WriteRawByte(std::uint8_t byte);

  const std::string& Bytes() const { return bytes_; }

 private:
  void WriteTag(ValueTag tag);
  void WriteUnsigned(std::uint32_t value, int byte_count);
  void WriteShortString(const std::string& cp1252);

  std::string bytes_;
};

}  // namespace i18n
