#include <gtest/gtest.h>

#include <climits>

#include "util/StringUtil.h"

TEST(Numbers, WriteDecimalAndReadLikeAStreamExtraction) {
  EXPECT_EQ(IntToStr(-25), "-25");
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(StrToInt(IntToStr(INT_MIN)), INT_MIN);

  EXPECT_EQ(StrToInt("-7"), -7);
  EXPECT_EQ(StrToInt("+7"), 7);
  EXPECT_EQ(StrToInt("12abc"), 12);
  EXPECT_EQ(StrToInt(" \t\r\n042 9"), 42);
  EXPECT_EQ(StrToInt("abc"), 0);
  EXPECT_EQ(StrToInt(""), 0);
  EXPECT_EQ(StrToInt("- 5"), 0);
  EXPECT_EQ(StrToInt("0x1A"), 0);
  // Out of range: clamped, as the stream does.
  EXPECT_EQ(StrToInt("2147483648"), INT_MAX);
  EXPECT_EQ(StrToInt("-99999999999999999999999"), INT_MIN);
}

TEST(GetField, CutsAtEverySeparator) {
  EXPECT_EQ(GetField("1 2 3", 0, " "), "1");
  EXPECT_EQ(GetField("1 2 3", 2, " "), "3");
  EXPECT_EQ(GetField("1 2 3", 3, " "), "");
  EXPECT_EQ(GetField("1 2 3", -1, " "), "1");
  EXPECT_EQ(GetField("1  2", 1, " "), "");
  EXPECT_EQ(GetField("1  2", 2, " "), "2");
  EXPECT_EQ(GetField("", 0, " "), "");
  EXPECT_EQ(GetField("a, b, c", 1, ", "), "b");
  EXPECT_EQ(GetField("a b", 1, ""), "");
}

TEST(GetField, NeverMatchesInsideAMultibyteCharacter) {
  // Shift-JIS "表" is 95 5C: its trail byte is a backslash.
  EXPECT_EQ(GetField("\x95\x5C" "a\\b", 1, "\\", CodePage::ShiftJis), "b");
  EXPECT_EQ(GetField("a\x81\x40" "b", 1, "\x81\x40", CodePage::ShiftJis), "b");
  // UTF-8 "テ" is E3 83 86; read as Shift-JIS, 86 would swallow the blank.
  EXPECT_EQ(GetField("\xE3\x83\x86 1 2", 1, " "), "1");
  EXPECT_EQ(GetField("\xE3 x", 1, " ", CodePage::Utf8), "x");  // broken sequence
}
