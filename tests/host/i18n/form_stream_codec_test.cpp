#include <gtest/gtest.h>

#include "i18n/cp1252.h"
#include "i18n/form_stream_error.h"
#include "i18n/form_stream_reader.h"
#include "i18n/form_stream_writer.h"

namespace {

using namespace i18n;

FormStreamReader ReaderOf(const FormStreamWriter& writer) { return FormStreamReader(writer.Bytes()); }

TEST(FormStreamCodec, IntegersTakeTheSmallestTagAndReadBackFromAny) {
  const struct { std::int32_t value; ValueTag tag; std::size_t size; } cases[] = {
      {0, ValueTag::Int8, 2},        {127, ValueTag::Int8, 2},       {-128, ValueTag::Int8, 2},
      {128, ValueTag::Int16, 3},     {217, ValueTag::Int16, 3},      {-129, ValueTag::Int16, 3},
      {32767, ValueTag::Int16, 3},   {32768, ValueTag::Int32, 5},    {-32769, ValueTag::Int32, 5},
      {INT32_MIN, ValueTag::Int32, 5}, {INT32_MAX, ValueTag::Int32, 5}};
  for (const auto& c : cases) {
    FormStreamWriter writer;
    writer.WriteInteger(c.value);
    ASSERT_EQ(writer.Bytes().size(), c.size) << c.value;
    FormStreamReader reader = ReaderOf(writer);
    EXPECT_EQ(reader.PeekTag(), c.tag) << c.value;
    EXPECT_EQ(reader.ReadInteger(), c.value);
    EXPECT_TRUE(reader.AtEnd());
  }
  // A small value stored with a wide tag, as other writers may do.
  FormStreamReader wide(std::string("\x04\xFE\xFF\xFF\xFF", 5));
  EXPECT_EQ(wide.ReadInteger(), -2);
}

TEST(FormStreamCodec, EveryTaggedValueRoundTrips) {
  FormStreamWriter writer;
  writer.WriteListBegin();
  writer.WriteString("Configuração");
  writer.WriteIdentifier("ivsEmbedded");
  writer.WriteBoolean(false);
  writer.WriteBoolean(true);
  writer.WriteFloat(-1234.5);
  writer.WriteFloat(0.0);
  writer.WriteBinary(std::string("\0\x01\xFF", 3));
  writer.WriteSet({"ivdoYear2000", "ivdoAutoTranslate"});
  writer.WriteNil();
  writer.WriteCollectionBegin();
  writer.WriteCollectionItemIndex(3);
  writer.WritePropertyName("Caption");
  writer.WriteString("Sair");
  writer.WriteEnd();
  writer.WritePropertyName("Width");  // an item without an index
  writer.WriteInteger(640);
  writer.WriteEnd();
  writer.WriteEnd();
  writer.WriteEnd();

  FormStreamReader reader = ReaderOf(writer);
  reader.ReadListBegin();
  EXPECT_EQ(reader.ReadString(), "Configuração");
  EXPECT_EQ(reader.ReadIdentifier(), "ivsEmbedded");
  EXPECT_FALSE(reader.ReadBoolean());
  EXPECT_TRUE(reader.ReadBoolean());
  EXPECT_DOUBLE_EQ(reader.ReadFloat(), -1234.5);
  EXPECT_DOUBLE_EQ(reader.ReadFloat(), 0.0);
  EXPECT_EQ(reader.ReadBinary(), std::string("\0\x01\xFF", 3));
  EXPECT_EQ(reader.ReadSet(), (std::vector<std::string>{"ivdoYear2000", "ivdoAutoTranslate"}));
  reader.ReadNil();
  reader.ReadCollectionBegin();
  EXPECT_EQ(reader.ReadCollectionItemIndex(), 3);
  EXPECT_EQ(reader.ReadPropertyName(), "Caption");
  EXPECT_EQ(reader.ReadString(), "Sair");
  reader.ReadListEnd();
  EXPECT_EQ(reader.ReadCollectionItemIndex(), std::nullopt);
  EXPECT_EQ(reader.ReadPropertyName(), "Width");
  EXPECT_EQ(reader.ReadInteger(), 640);
  reader.ReadListEnd();
  EXPECT_TRUE(reader.EndOfList());
  reader.ReadListEnd();
  EXPECT_TRUE(reader.EndOfList());
  reader.ReadListEnd();
  EXPECT_TRUE(reader.AtEnd());

  // The same value skipped as a whole leaves nothing behind.
  FormStreamReader skipper = ReaderOf(writer);
  skipper.SkipValue();
  EXPECT_TRUE(skipper.AtEnd());
}

TEST(FormStreamCodec, ExtendedFloatHasTheTenByteLayout) {
  FormStreamWriter writer;
  writer.WriteFloat(1.0);
  // Tag, mantissa 0x8000000000000000, exponent 16383.
  EXPECT_EQ(writer.Bytes(), std::string("\x05\0\0\0\0\0\0\0\x80\xFF\x3F", 11));
}

TEST(FormStreamCodec, StringsAboveTwoHundredFiftyFiveBytesUseTheLongTag) {
  const std::string exact(255, 'a');
  const std::string longer(256, 'b');
  FormStreamWriter writer;
  writer.WriteString(exact);
  writer.WriteString(longer);
  ASSERT_EQ(std::uint8_t(writer.Bytes()[0]), 6);
  ASSERT_EQ(std::uint8_t(writer.Bytes()[257]), 12);
  EXPECT_EQ(writer.Bytes().substr(258, 4), std::string("\x00\x01\x00\x00", 4));
  FormStreamReader reader = ReaderOf(writer);
  EXPECT_EQ(reader.ReadString(), exact);
  EXPECT_EQ(reader.ReadString(), longer);
}

TEST(FormStreamCodec, StringLimitCountsCodePageBytesNotUtf8Bytes) {
  // 255 characters of two UTF-8 bytes each are 255 bytes in code page 1252.
  std::string text;
  for (int i = 0; i < 255; ++i) text += "ç";
  FormStreamWriter writer;
  writer.WriteString(text);
  EXPECT_EQ(std::uint8_t(writer.Bytes()[0]), 6);
  EXPECT_EQ(writer.Bytes().size(), 257u);
}

TEST(FormStreamCodec, ObjectHeadersWithAndWithoutPrefix) {
  FormStreamWriter writer;
  writer.WriteObjectHeader("TLabel", "Label2");
  writer.WriteObjectHeader("TButton", "Button1", 3);
  FormStreamReader reader = ReaderOf(writer);
  const ObjectHeader plain = reader.ReadObjectHeader();
  EXPECT_FALSE(plain.prefix_flags);
  EXPECT_EQ(plain.class_name, "TLabel");
  EXPECT_EQ(plain.object_name, "Label2");
  const ObjectHeader positioned = reader.ReadObjectHeader();
  EXPECT_EQ(positioned.prefix_flags, 2);
  EXPECT_EQ(positioned.position, 3);
  EXPECT_EQ(positioned.class_name, "TButton");
  // A prefix with other flags carries no position.
  FormStreamReader flagged(std::string("\xF1\x06TPanel\x06Panel1", 15));
  const ObjectHeader inherited = flagged.ReadObjectHeader();
  EXPECT_EQ(inherited.prefix_flags, 1);
  EXPECT_FALSE(inherited.position);
  EXPECT_EQ(inherited.object_name, "Panel1");
}

TEST(Cp1252, EveryByteDecodesAndEncodesBack) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += char(byte);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("\x80\x8A\x99\x9F\xE9"), "€Š™Ÿé");
  EXPECT_EQ(Utf8ToCp1252("€…“”—"), "\x80\x85\x93\x94\x97");
}

TEST(Cp1252, CharactersOutsideTheCodePageAreRefusedWhenWriting) {
  EXPECT_THROW(Utf8ToCp1252("Москва"), FormStreamError);
  EXPECT_THROW(Utf8ToCp1252("\xC2\x80"), FormStreamError);  // U+0080 is not byte 0x80
  EXPECT_THROW(Utf8ToCp1252("\xE9t\xE9"), FormStreamError);  // Latin-1 bytes, not UTF-8
  EXPECT_THROW(Utf8ToCp1252("\xC0\xAF"), FormStreamError);  // overlong
  // An encoded surrogate or a value beyond Unicode is no character at all.
  for (const char* malformed : {"\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
    try {
      Utf8ToCp1252(malformed);
      ADD_FAILURE() << "accepted " << malformed;
    } catch (const FormStreamError& error) {
      EXPECT_STREQ(error.what(), "Text is not valid UTF-8");
    }
  }
  FormStreamWriter writer;
  EXPECT_THROW(writer.WriteString("日本語"), FormStreamError);
}

TEST(FormStreamReader, EveryCutOfAValidStreamIsRefusedCleanly) {
  FormStreamWriter writer;
  writer.WriteSignature();
  writer.WriteObjectHeader("TForm1", "Form1", 1);
  writer.WritePropertyName("Caption");
  writer.WriteString(std::string(300, 'x'));
  writer.WritePropertyName("Items");
  writer.WriteListBegin();
  writer.WriteInteger(100000);
  writer.WriteFloat(2.5);
  writer.WriteBinary("abc");
  writer.WriteSet({"a"});
  writer.WriteEnd();
  writer.WriteEnd();
  writer.WriteObjectHeader("TLabel", "Label1");
  writer.WriteEnd();
  writer.WriteEnd();
  writer.WriteEnd();
  const std::string whole = writer.Bytes();
  {
    FormStreamReader reader(whole);
    reader.ReadSignature();
    reader.ReadObjectHeader();
    reader.SkipObjectBody();
    EXPECT_TRUE(reader.AtEnd());
  }
  for (std::size_t length = 0; length < whole.size(); ++length) {
    FormStreamReader reader(whole.substr(0, length));
    EXPECT_THROW(
        {
          reader.ReadSignature();
          reader.ReadObjectHeader();
          reader.SkipObjectBody();
        },
        FormStreamError)
        << "cut at " << length;
  }
}

TEST(FormStreamReader, GarbledStreamsAreRefusedCleanly) {
  const auto refuse = [](const std::string& bytes) {
    FormStreamReader reader(bytes);
    reader.SkipValue();
  };
  EXPECT_THROW(refuse("\x0F"), FormStreamError);                             // no such tag
  EXPECT_THROW(refuse(std::string("\x0C\xFF\xFF\xFF\xFF", 5)), FormStreamError);  // length past the end
  EXPECT_THROW(refuse(std::string("\x0A\x00\x00\x00\x80", 5)), FormStreamError);
  EXPECT_THROW(refuse(std::string(1000, '\x01')), FormStreamError);          // nesting without end
  EXPECT_THROW(refuse(std::string(1, '\0')), FormStreamError);               // an end where a value belongs
  EXPECT_THROW(FormStreamReader("TPF1").ReadSignature(), FormStreamError);

  FormStreamReader mistyped(std::string("\x06\x02" "ab"));
  EXPECT_THROW(mistyped.ReadInteger(), FormStreamError);
  FormStreamReader not_a_list(std::string("\x02\x01", 2));
  EXPECT_THROW(not_a_list.ReadListBegin(), FormStreamError);
}

}  // namespace
