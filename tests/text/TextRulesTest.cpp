#include <gtest/gtest.h>

#include "support/Gbk.h"
#include "text/TextRules.h"

namespace {

// "中" is D6 D0 and "文" is CE C4 in GBK; "中文" thus holds the bytes D0 CE,
// which a byte search would wrongly find in the middle.
const Text kChinese = G("中文");

struct FindCase {
  const char* name;
  Text s, sub;
  int start;
  bool ignoreCase;
  int expected;
};

TEST(TextRules, FindForward) {
  const FindCase cases[] = {
      {"first occurrence", "abcabc", "bc", 1, false, 2},
      {"from a later start", "abcabc", "bc", 3, false, 5},
      {"start below one counts as one", "abc", "a", -5, false, 1},
      {"start past the end", "abc", "a", 4, false, -1},
      {"not found", "abc", "x", 1, false, -1},
      {"case differs", "ABC", "b", 1, false, -1},
      {"ASCII case folded", "ABC", "b", 1, true, 2},
      {"only ASCII is folded", G("中A"), G("中a"), 1, true, 1},
      // 乤 is 81 61 and 丄 is 81 41: their second bytes look like "a" and "A".
      {"second bytes are never folded", G("乤"), G("丄"), 1, true, -1},
      {"second bytes match themselves", G("x乤"), G("乤"), 1, true, 2},
      {"never inside a character", kChinese, "\xD0\xCE", 1, false, -1},
      {"whole character found", kChinese, G("文"), 1, false, 3},
      {"start inside a character finds the next", G("中文中"), G("中"), 2, false, 5},
      {"empty search text", "abc", "", 2, false, 1},
      {"empty search text, nothing left", "abc", "", 4, false, -1},
      {"empty text", "", "a", 1, false, -1},
      {"longer than the text", "ab", "abc", 1, false, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(text::Find(c.s, c.sub, c.start, c.ignoreCase), c.expected) << c.name;
  }
}

struct BackCase {
  const char* name;
  Text s, sub;
  std::optional<int> bound;
  int expected;
};

TEST(TextRules, FindBackward) {
  const BackCase cases[] = {
      {"whole text", "a;b;c", ";", std::nullopt, 4},
      {"bound keeps the match wholly inside 1..bound-1", "a;b;c", ";", 4, 2},
      {"a match ending on bound-1 counts", "a;b;c", ";", 5, 4},
      {"bound of one finds nothing", "a;b", "a", 1, -1},
      {"bound below one finds nothing", "a;b", "a", -3, -1},
      {"bound beyond the text", "a;b", ";", 99, 2},
      {"never inside a character", G("中文中文"), "\xD0\xCE", std::nullopt, -1},
      {"last whole character", G("中文中文"), G("中"), std::nullopt, 5},
      {"empty search text", "abc", "", std::nullopt, 1},
      {"empty search text, nothing to search", "abc", "", 1, -1},
      {"empty text", "", "a", std::nullopt, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(text::FindBack(c.s, c.sub, c.bound), c.expected) << c.name;
  }
  EXPECT_EQ(text::FindBack("xAbXaB", "ab", std::nullopt, true), 5);
  EXPECT_EQ(text::FindBack(G("乤"), G("丄"), std::nullopt, true), -1);
}

TEST(TextRules, LeftRightMid) {
  const Text s = "abcdef";
  struct Case {
    const char* name;
    Text actual, expected;
  };
  const Case cases[] = {
      {"Left of 0", text::Left(s, 0), ""},
      {"Left below 0", text::Left(s, -1), ""},
      {"Left", text::Left(s, 2), "ab"},
      {"Left of the length", text::Left(s, 6), s},
      {"Left beyond", text::Left(s, 60), s},
      {"Right of 0", text::Right(s, 0), ""},
      {"Right", text::Right(s, 2), "ef"},
      {"Right of the length", text::Right(s, 6), s},
      {"Right beyond", text::Right(s, 60), s},
      {"Mid", text::Mid(s, 2, 3), "bcd"},
      {"Mid to the end at most", text::Mid(s, 5, 60), "ef"},
      {"Mid of the last byte", text::Mid(s, 6, 1), "f"},
      {"Mid from 0", text::Mid(s, 0, 2), ""},
      {"Mid beyond the length", text::Mid(s, 7, 2), ""},
      {"Mid of 0 bytes", text::Mid(s, 1, 0), ""},
      {"Mid of the empty text", text::Mid("", 1, 1), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected) << c.name;
}

TEST(TextRules, Split) {
  using V = std::vector<Text>;
  EXPECT_EQ(text::Split("", ","), V{});
  EXPECT_EQ(text::Split("a,b", ""), V{"a,b"});
  EXPECT_EQ(text::Split("a,b", ","), (V{"a", "b"}));
  EXPECT_EQ(text::Split(",a,,b,", ","), (V{"", "a", "", "b"}));
  EXPECT_EQ(text::Split(",", ","), V{""});
  EXPECT_EQ(text::Split(",,", ","), (V{"", ""}));
  EXPECT_EQ(text::Split("a/pelox/b/pelox/", "/pelox/"), (V{"a", "b"}));
  // The delimiter is exact: no case folding.
  EXPECT_EQ(text::Split("a/PELOX/b", "/pelox/"), V{"a/PELOX/b"});
  // A delimiter byte pair inside a character is no delimiter.
  EXPECT_EQ(text::Split(kChinese, "\xD0\xCE"), V{kChinese});
  EXPECT_EQ(text::Split(G("甲、乙、丙"), G("、")), (V{G("甲"), G("乙"), G("丙")}));
}

TEST(TextRules, Trim) {
  EXPECT_EQ(text::Trim("  a b  "), "a b");
  EXPECT_EQ(text::Trim(G("　 中 　")), G("中"));
  EXPECT_EQ(text::Trim("\ta\r\n "), "\ta\r\n");
  EXPECT_EQ(text::Trim("   "), "");
  EXPECT_EQ(text::Trim(""), "");
  // A1 A1 that is the tail of a character plus a lead byte is not a space:
  // "\xB0\xA1" is 啊, followed by a lone A1.
  EXPECT_EQ(text::Trim("\xB0\xA1\xA1"), "\xB0\xA1\xA1");
}

TEST(TextRules, ToInteger) {
  const std::pair<Text, long long> cases[] = {
      {"4500", 4500},
      {"  42abc", 42},
      {"-17", -17},
      {"+8", 8},
      {G("４５００"), 4500},
      {G("　－１２"), -12},
      {"abc", 0},
      {"", 0},
      {"- 5", 0},
      {"\r\n 7", 7},
      {"99999999999999999999999", std::numeric_limits<long long>::max()},
      {"-99999999999999999999999", std::numeric_limits<long long>::min()},
  };
  for (const auto& [s, expected] : cases) EXPECT_EQ(text::ToInteger(s), expected) << U(s);
}

TEST(TextRules, ReplaceAll) {
  struct Case {
    const char* name;
    Text s, find, replacement;
    bool ignoreCase;
    Text expected;
  };
  const Case cases[] = {
      {"every occurrence", "a-b-c", "-", "+", false, "a+b+c"},
      {"inserted text is not scanned again", "aa", "a", "aa", false, "aaaa"},
      {"case folded", "Abc aBC", "bc", "X", true, "AX aX"},
      {"exact case", "Abc aBC", "bc", "X", false, "AX aBC"},
      {"empty find changes nothing", "abc", "", "X", false, "abc"},
      {"never inside a character", kChinese, "\xD0\xCE", "X", false, kChinese},
      {"whole characters", G("中文中"), G("中"), "[z]", false, "[z]" + G("文") + "[z]"},
      {"overlapping candidates", "aaa", "aa", "b", false, "ba"},
      {"second bytes are never folded", G("乤A"), G("丄a"), "X", true, G("乤A")},
  };
  for (const auto& c : cases)
    EXPECT_EQ(text::ReplaceAll(c.s, c.find, c.replacement, c.ignoreCase), c.expected) << c.name;
}

}  // namespace
