#include <gtest/gtest.h>

#include "app/Program.h"
#include "bank/Search.h"
#include "support/FixtureProgram.h"
#include "support/ResultPages.h"
#include "support/TempDir.h"

namespace {

class SearchTest : public FixtureProgram {
 protected:
  void SetUp() override {
    FixtureProgram::SetUp();
    ui_[Control::时钟1].period = 4000;  // as if the slideshow ran
  }
  void Search(const std::string& keyword) {
    ui_.Type(Control::编辑框1, keyword);
    StartSearch(program_);
  }
};

TEST_F(SearchTest, FoundInQuestionTexts) {
  Search("首都");
  EXPECT_EQ(ui_.StatusTexts(), std::vector<std::string>{"共查到1条试题"});
  EXPECT_EQ(ui_[Control::编辑框1].text, "");
  EXPECT_EQ(ui_[Control::超文本浏览框1].addressLoads, 1) << "options not searched";
  // The banner goes first, the timer stopped before it is hidden.
  const auto log = ui_.Log();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[0], "时钟1.period=0");
  EXPECT_EQ(log[1], "超级按钮1.hidden");
  EXPECT_FALSE(ui_[Control::超级按钮1].visible);

  // A later search finds the banner hidden and leaves the timer alone.
  ui_.ClearLog();
  Search("一年");
  for (const auto& line : ui_.Log()) EXPECT_EQ(line.find("时钟1"), std::string::npos) << line;
}

TEST_F(SearchTest, FoundOnlyAmongTheOptions) {
  Search("黄铜矿");
  EXPECT_EQ(ui_.StatusTexts(), (std::vector<std::string>{"共查到0条试题", "共查到1条试题"}));
  EXPECT_EQ(ui_[Control::超文本浏览框1].addressLoads, 2)
      << "first the empty page, then the matches";
  EXPECT_EQ(ReadFile(dir_ / "index.html"),
            Page(Block("B", "化学符号Au表示哪种金属？",
                       Li("A、银") + LiText("B、金") + Li("C、" + Hl("黄铜矿")))));
  EXPECT_EQ(ui_[Control::编辑框1].text, "");
}

TEST_F(SearchTest, FoundNowhere) {
  for (const char* keyword : {"没有这道题", "' or '1'='1", "x' OR 1=1 --"}) {
    ui_.ClearLog();
    ui_[Control::超文本浏览框1].addressLoads = 0;
    Search(keyword);
    EXPECT_EQ(ui_.StatusTexts(), (std::vector<std::string>{"共查到0条试题", "共查到0条试题",
                                                           "非常抱歉，没有收录该试题！"}))
        << keyword;
    EXPECT_EQ(ui_[Control::超文本浏览框1].addressLoads, 2) << keyword;
    EXPECT_EQ(ReadFile(dir_ / "index.html"), Page("")) << keyword;
    EXPECT_EQ(ui_[Control::编辑框1].text, "") << keyword;
  }
  // The keywords changed nothing in the bank.
  Search("%");
  EXPECT_EQ(ui_.StatusTexts().back(), "共查到25条试题") << "% keeps its LIKE meaning";
}

TEST_F(SearchTest, EmptyBoxOnlyAsksForAKeyword) {
  WriteFile(dir_ / "index.html", "previous page");
  Search("");
  EXPECT_EQ(ui_.Log(),
            std::vector<std::string>{"透明标签1.text=输入框不能为空，请输入试题关键词进行查询。"});
  EXPECT_TRUE(ui_[Control::超级按钮1].visible);
  EXPECT_EQ(ui_[Control::时钟1].period, 4000);
  EXPECT_EQ(ReadFile(dir_ / "index.html"), "previous page");

  // Spaces are a keyword like any other.
  Search(" ");
  EXPECT_EQ(ui_.StatusTexts().back().rfind("共查到", 0), 0u);
}

TEST_F(SearchTest, ChallengeSwitchSendsAllMultipleChoiceMatchesToTheOptions) {
  ui_.SetChecked(Control::图形按钮4, true);
  Search("直辖市");
  EXPECT_EQ(ui_.StatusTexts(), (std::vector<std::string>{"共查到0条试题", "共查到0条试题",
                                                         "非常抱歉，没有收录该试题！"}));
  ui_.SetChecked(Control::图形按钮4, false);
  Search("直辖市");
  EXPECT_EQ(ui_.StatusTexts().back(), "共查到2条试题");
}

TEST_F(SearchTest, WithoutABankTheSearchButtonOnlyAsksForAKeyword) {
  Program offline(ui_);
  offline.ResultPagePath = dir_ / "index.html";
  ui_.Type(Control::编辑框1, "");
  StartSearch(offline);
  EXPECT_EQ(ui_.StatusTexts(),
            std::vector<std::string>{"输入框不能为空，请输入试题关键词进行查询。"});
}

}  // namespace
