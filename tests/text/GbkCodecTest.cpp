#include <gtest/gtest.h>

#include "text/GbkCodec.h"

TEST(GbkCodec, RoundTripsThroughEveryBoundary) {
  const std::string utf8 = "知岚试题搜索：ABC　123";
  const Text gbk = Utf8ToGbk(utf8);
  // 知 is D6 AA in GBK; the full-width space A1 A1.
  EXPECT_EQ(gbk.substr(0, 2), "\xD6\xAA");
  EXPECT_NE(gbk.find("\xA1\xA1"), Text::npos);
  EXPECT_EQ(GbkToUtf8(gbk), utf8);
  EXPECT_EQ(Utf16ToGbk(GbkToUtf16(gbk)), gbk);
  EXPECT_EQ(QStringToGbk(GbkToQString(gbk)), gbk);
  EXPECT_EQ(GbkToQString(gbk), QString::fromUtf8(utf8.c_str()));
}

TEST(GbkCodec, CharactersOutsideGbkBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToGbk("a\xF0\x9F\x98\x80"
                      "b"),
            "a?b");
}

TEST(GbkCodec, TextEndsAtNul) {
  EXPECT_EQ(TextFromBytes(Bytes{'a', 'b', 0, 'c'}), "ab");
  EXPECT_EQ(TextFromBytes(Bytes{}), "");
  EXPECT_EQ(Utf16ToGbk(std::u16string(u"ab\0cd", 5)), "ab");
  EXPECT_EQ(Utf8ToGbk(""), "");
  EXPECT_TRUE(GbkToUtf16("").empty());
}
