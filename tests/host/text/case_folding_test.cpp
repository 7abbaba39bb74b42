#include "text/case_folding.h"

#include <gtest/gtest.h>

#include "text/utf8.h"

namespace text {
namespace {

TEST(CaseFolding, LettersOfEveryFoldedScriptTakeTheirCapitals) {
  EXPECT_EQ(UpperCase("geolume àéíõüç ÿ"), "GEOLUME ÀÉÍÕÜÇ Ÿ");
  // The final sigma keeps its own form, as Windows compares names.
  EXPECT_EQ(UpperCase("τοπογραφία σημεία ς ώ ϋ"), "ΤΟΠΟΓΡΑΦΊΑ ΣΗΜΕΊΑ ς Ώ Ϋ");
  EXPECT_EQ(UpperCase("съёмка ђ"), "СЪЁМКА Ђ");
  EXPECT_EQ(UpperCase("ａｂｚ"), "ＡＢＺ");
  // Latin Extended-A: the pairs change parity at U+0138 and U+0178.
  EXPECT_EQ(UpperCase("āčĺľŋőźž"), "ĀČĹĽŊŐŹŽ");
  EXPECT_EQ(UpperCase("ĀČĹĽŊŐŹŽ"), "ĀČĹĽŊŐŹŽ");
}

TEST(CaseFolding, CharactersWithoutASimpleCapitalStayAsTheyAre) {
  // Multiplication and division signs, sharp s, micro sign, kra, n preceded
  // by apostrophe, long s, and letters of scripts not folded.
  for (const char* same : {"×÷", "ß", "µ", "ĸ", "ŉ", "ſ", "測量データ", "1_[]~", ""}) {
    EXPECT_EQ(UpperCase(same), same);
  }
  EXPECT_EQ(UpperCaseOf(0xF7), U'\xF7');
  EXPECT_EQ(UpperCaseOf(0xFF), U'\x178');
}

TEST(CaseFolding, BytesThatAreNotUtf8AreKeptAndStayApartFromLetters) {
  EXPECT_EQ(UpperCase("a\xFF" "b\xC3"), "A\xFF" "B\xC3");
  EXPECT_EQ(UpperCase("\xED\xA0\x80" "x"), "\xED\xA0\x80" "X");
  EXPECT_EQ(UpperCase("\xC0\xAF" "é"), "\xC0\xAF" "É");
  EXPECT_EQ(FoldedCodePoints("a\xE9"), (std::u32string{U'A', InvalidByteCodePoint(0xE9)}));
  // Latin-1 "é" as a lone byte is not the letter é.
  EXPECT_FALSE(SameTextIgnoringCase("caf\xE9", "CAFÉ"));
}

TEST(CaseFolding, NamesCompareAsWindowsComparesThem) {
  EXPECT_TRUE(SameTextIgnoringCase("C:\\geolume\\TabelaPessoas.tbp", "c:\\GEOLUME\\tabelapessoas.TBP"));
  EXPECT_TRUE(SameTextIgnoringCase("Σημεία σ", "ΣΗΜΕΊΑ Σ"));
  EXPECT_FALSE(SameTextIgnoringCase("Σημεία ς", "ΣΗΜΕΊΑ Σ"));
  EXPECT_TRUE(SameTextIgnoringCase("", ""));
  EXPECT_FALSE(SameTextIgnoringCase("Τοπογραφια", "Τοπογραφία"));  // the accent counts
  EXPECT_FALSE(SameTextIgnoringCase("Cъёмка", "Съёмка"));          // a Latin C is no Cyrillic С
  EXPECT_FALSE(SameTextIgnoringCase("abc", "abcd"));
  // Ordered by the upper-case forms: '_' comes after the capitals.
  EXPECT_LT(FoldedCodePoints("az"), FoldedCodePoints("A_"));
}

TEST(AsciiCase, OnlyTheLettersAToZChange) {
  EXPECT_EQ(UpperAscii("acad.lsp é ç ÿ"), "ACAD.LSP é ç ÿ");
  EXPECT_EQ(LowerAscii("C:\\GEOLUME\\É"), "c:\\geolume\\É");
  EXPECT_EQ(LowerAscii("@[`{"), "@[`{");
  EXPECT_EQ(UpperAscii("@[`{"), "@[`{");
  EXPECT_EQ(UpperAscii(""), "");
  EXPECT_TRUE(SameTextIgnoringAsciiCase("TLabel", "tlabel"));
  EXPECT_TRUE(SameTextIgnoringAsciiCase("", ""));
  EXPECT_FALSE(SameTextIgnoringAsciiCase("Caption", "Captio"));
  EXPECT_FALSE(SameTextIgnoringAsciiCase("É", "é"));
  EXPECT_FALSE(SameTextIgnoringAsciiCase("[", "{"));
}

}  // namespace
}  // namespace text
