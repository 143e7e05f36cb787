#include <gtest/gtest.h>

#include "support/Gbk.h"
#include "text/SplitChars.h"

TEST(SplitChars, UnitsOfText) {
  using V = std::vector<Text>;
  struct Case {
    const char* name;
    Text s;
    V expected;
  };
  const Case cases[] = {
      {"ASCII", "ab", {"a", "b"}},
      {"GBK characters", G("中a文"), {G("中"), "a", G("文")}},
      {"CR LF is one unit", "a\r\nb", {"a", "\r\n", "b"}},
      {"lone CR", "a\rb", {"a", "\r", "b"}},
      {"last byte stands alone", "a\xD6", {"a", "\xD6"}},
      {"0x80 is a one-byte unit",
       "\x80"
       "a",
       {"\x80", "a"}},
      {"empty", "", {}},
  };
  for (const auto& c : cases) {
    V list = {"left over"};
    EXPECT_EQ(SplitChars(c.s, list), static_cast<int>(c.expected.size())) << c.name;
    EXPECT_EQ(list, c.expected) << c.name;
  }
}
