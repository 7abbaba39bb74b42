#pragma once
// Reads a binary form stream. Every read is checked against the end of the
// bytes: a stream that is cut short or malformed raises FormStreamError.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "i18n/form_stream_tags.h"

namespace i18n {

struct ObjectHeader {
  std::optional<std::uint8_t> prefix_flags;  // set when the record has a prefix byte
  std::optional<std::int32_t> position;      // the child-position value
  std::string class_name;
  std::string object_name;
};

class FormStreamReader {
 public:
  explicit FormStreamReader(std::string bytes);

  void ReadSignature();
  ObjectHeader ReadObjectHeader();
  std::string ReadPropertyName();

  ValueTag PeekTag() const;
  ValueTag ReadTag();
  // True when the next byte is the 0 that ends a run; it is not consumed.
  bool EndOfList() const;
  void ReadListEnd();
  void ReadListBegin();

  std::int32_t ReadInteger();
  // Strings are code page 1252 in the stream and UTF-8 here.
  std::string ReadString();
  // The stored bytes of a string, undecoded.
  std::string ReadStringBytes();
  std::string ReadIdentifier();
  bool ReadBoolean();
  double ReadFloat();
  std::string ReadBinary();
  std::vector<std::string> ReadSet();
  void ReadNil();
  void ReadCollectionBegin();
  // The optional integer value that starts a collection item.
  std::optional<std::int32_t> ReadCollectionItemIndex();

  // Skips one tagged value, lists and collections with all they hold.
  void SkipValue();
  // Skips property names and values up to the 0 that ends the run, which is consumed.
  void SkipProperties();
  // Skips the rest of an object record whose header was read: its
  // properties and its whole subtree.
  void SkipObjectBody();

  std::size_t Position() const { return position_; }
  bool AtEnd() const { return position_ == bytes_.size(); }

 private:
  std::uint8_t ReadByte();
  std::string ReadBytes(std::size_t count);
  std::uint32_t ReadUnsigned(int byte_count);
  std::string ReadShortString();
  std::int32_t ReadIntegerOfTag(ValueTag tag);
  std::string ReadStringBytesOfTag(ValueTag tag);
  void Expect(ValueTag wanted, const char* what);
  void SkipValue(int depth);
  void SkipProperties(int depth);
  void SkipObjectBody(int depth);

  std::string bytes_;
  std::size_t position_ = 0;
};

}  // namespace i18n
