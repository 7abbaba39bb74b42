#include "text/trim.h"

#include <gtest/gtest.h>

#include <string>

namespace text {
namespace {

TEST(Trim, SpacesAlone) {
  EXPECT_EQ(Trim("  a b  ", kSpace), "a b");
  EXPECT_EQ(Trim("\ta b\r\n", kSpace), "\ta b\r\n");
  EXPECT_EQ(Trim("   ", kSpace), "");
  EXPECT_EQ(Trim("", kSpace), "");
  EXPECT_EQ(TrimEnd("  Chinese (Taiwan) ", kSpace), "  Chinese (Taiwan)");
  EXPECT_EQ(TrimEnd("   ", kSpace), "");
}

TEST(Trim, SpacesAndControlsTakeEveryByteUpToTheSpace) {
  const std::string blanks = std::string("\0\x01\t\n\r\x1F ", 7);
  EXPECT_EQ(Trim(blanks + "c:\\geolume\\a b" + blanks, kSpaceAndControls), "c:\\geolume\\a b");
  EXPECT_EQ(Trim(blanks, kSpaceAndControls), "");
  // Delete and the no-break space are no blanks here.
  EXPECT_EQ(Trim("\x7F" "a\xC2\xA0", kSpaceAndControls), "\x7F" "a\xC2\xA0");
}

TEST(Trim, AnySetOfBlanks) {
  EXPECT_EQ(Trim(" \"C:\\geolume\\...\" ", " \""), "C:\\geolume\\...");
  EXPECT_EQ(Trim("\"\"", " \""), "");
}

}  // namespace
}  // namespace text
