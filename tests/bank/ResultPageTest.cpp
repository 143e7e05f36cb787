#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <regex>
#include <set>

#include "app/Program.h"
#include "bank/ResultPage.h"
#include "bank/Templates.h"
#include "support/FixtureProgram.h"
#include "support/ResultPages.h"
#include "support/TempDir.h"

namespace {

std::string Md5(const Text& bytes) {
  return QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Md5)
      .toHex()
      .toStdString();
}

TEST(Templates, AreTheFixedBytes) {
  // Digests of the templates as written out by hand, lines joined by CR LF, GBK.
  EXPECT_EQ(DefaultPage().size(), 614u);
  EXPECT_EQ(Md5(DefaultPage()), "910efe8ea4a15b504abde0493be568d4");
  EXPECT_EQ(ItemTemplate().size(), 179u);
  EXPECT_EQ(Md5(ItemTemplate()), "d130b6ecc6c7ee79e5e354d9c01cb74b");
  EXPECT_EQ(PageTemplate().size(), 567u);
  EXPECT_EQ(Md5(PageTemplate()), "849390ad73e9325d335876b1af8e5d94");
}

TEST(ReplacePairs, AppliesEachPairToTheLastResult) {
  struct Case {
    const char* name;
    Text expected, actual;
  };
  const Case cases[] = {
      {"ASCII letters without regard to case", "xx-xx", ReplacePairs("Ab-aB", {{"ab", "xx"}})},
      {"other characters only themselves", G("Ａ-x"),
       ReplacePairs(G("Ａ-a"), {{G("ａ"), "?"}, {"a", "x"}})},
      {"pairs run in order on the result", "3", ReplacePairs("1", {{"1", "2"}, {"2", "3"}})},
      {"inserted text not scanned again", "<b>a</b><b>a</b>",
       ReplacePairs("aa", {{"a", "<b>a</b>"}})},
      {"empty find text changes nothing", "aBc", ReplacePairs("abc", {{"", "x"}, {"b", "B"}})},
      {"never inside a character", G("中文"), ReplacePairs(G("中文"), {{"\xD0\xCE", "x"}})},
      {"a character matches only itself", G("乤"), ReplacePairs(G("乤"), {{G("丄"), "x"}})},
      {"five pairs", "12345",
       ReplacePairs("abcde", {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}})},
  };
  for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected) << c.name;
}

TEST(ReplaceOutsideTags, LeavesMarkupAlone) {
  const Text html = "<font class=\"a\">a A</font>a<b";
  EXPECT_EQ(ReplaceOutsideTags(html, "a", "[a]"), "<font class=\"a\">[a] [a]</font>[a]<b");
  EXPECT_EQ(ReplaceOutsideTags("x<y>z", "", "q"), "x<y>z");
  // A match never spans a tag.
  EXPECT_EQ(ReplaceOutsideTags("ab<i>cd", "bc", "!"), "ab<i>cd");
}

class RenderResultsTest : public FixtureProgram {
 protected:
  // Opens the rows of a question-text search, the way the search does.
  int Render(const std::string& keyword, const char* column = "subject") {
    ui_.Type(Control::编辑框1, keyword);
    OpenQuery(program_.记录集1,
              std::string("SELECT * FROM study WHERE ") + column + " like '%' || ? || '%'",
              {G(keyword)});
    return RenderResults(program_);
  }
  Text PageFile() { return ReadFile(dir_ / "index.html"); }
};

TEST_F(RenderResultsTest, SingleChoiceRowHighlightsItsAnswer) {
  EXPECT_EQ(Render("首都"), 1);
  EXPECT_EQ(PageFile(),
            Page(Block("B", "我国的" + Hl(Hl("首都")) + "是____。",
                       Li("A、上海") + LiText("B、北京") + Li("C、广州") + Li("D、深圳"))));
  EXPECT_EQ(ui_.StatusTexts(), std::vector<std::string>{"共查到1条试题"});
  EXPECT_EQ(ui_[Control::超文本浏览框1].address, dir_ / "index.html");
  EXPECT_TRUE(AtEnd(program_.记录集1)) << "the record set is closed";
}

TEST_F(RenderResultsTest, MultipleChoiceRowListsOnlyTheCorrectOptions) {
  EXPECT_EQ(Render("古代四大"), 1);
  EXPECT_EQ(PageFile(), Page(Block("ABD", "下列属于中国" + Hl(Hl("古代四大")) + "发明的有？",
                                   LiText("A、造纸术") + LiText("B、印刷术") + LiText("D、火药"))));
}

TEST_F(RenderResultsTest, FillInRowHasNoOptions) {
  EXPECT_EQ(Render("床前明月光"), 1);
  EXPECT_EQ(
      PageFile(),
      Page(Block("李白", "“" + Hl(Hl("床前明月光")) + "，疑是地上霜”的作者是唐代诗人____。", "")));
}

TEST_F(RenderResultsTest, KeywordAsTypedReplacesTheMatchedLetters) {
  EXPECT_EQ(Render("cpu"), 1);
  EXPECT_EQ(PageFile(), Page(Block("A", "计算机中的" + Hl(Hl("cpu")) + "指的是？",
                                   LiText("A、中央处理器") + Li("B、内存储器") + Li("C、硬盘"))));
}

TEST_F(RenderResultsTest, QuoteIsSearchedLiterallyAndHighlightedEverywhere) {
  EXPECT_EQ(Render("'"), 1);
  EXPECT_EQ(PageFile(), Page(Block("A", "Tom" + Hl(Hl("'")) + "s favourite colour is ____.",
                                   LiText("A、a red one") + Li("B、a blue one"))));
}

TEST_F(RenderResultsTest, MarkupWordsAsKeywordsLeaveTheTagsIntact) {
  EXPECT_EQ(Render("font"), 1);
  EXPECT_EQ(PageFile(), Page(Block("字体", Hl(Hl("font")) + "标签的作用是设置____。", "")));
  EXPECT_EQ(Render("class"), 1);
  EXPECT_EQ(PageFile(),
            Page(Block("类", "面向对象语言里的" + Hl(Hl("class")) + "一词意为____。", "")));

  // "a" occurs in the answer and the options too, and everywhere in the tags.
  const int found = Render("a");
  EXPECT_GE(found, 3);
  const std::string page = U(PageFile());
  EXPECT_NE(page.find(Block(
                Hl("a"), "Tom's f" + Hl(Hl("a")) + "vourite colour is ____.",
                LiText(Hl("a") + "、" + Hl("a") + " red one") + Li("B、" + Hl("a") + " blue one"))),
            std::string::npos);
  // Every tag on the page is one the templates or the highlights make.
  const std::set<std::string> known = {
      "<style>",
      "</style>",
      "<body>",
      "</body>",
      "<div class=\"vertical-container\">",
      "</div>",
      "<div class=\"taoceng\" style=\"background:#F8F8FF; color:#4F4F4F\">",
      "<div class=\"biaoqian\">",
      "<font class=\"text\">",
      "</font>",
      "<ul>",
      "</ul>",
      "<li>",
      "</li>",
      "<font color=\"#FF6633\">"};
  const std::regex tag("<[^>]*>");
  int blocks = 0;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), tag); it != std::sregex_iterator();
       ++it) {
    EXPECT_TRUE(known.count(it->str())) << it->str();
    blocks += it->str() == "<div class=\"biaoqian\">";
  }
  EXPECT_EQ(blocks, found);
}

TEST_F(RenderResultsTest, AnswersOfEveryLength) {
  // Six letters: handled like two to five, all six listed.
  EXPECT_EQ(Render("三原色"), 1);
  EXPECT_EQ(PageFile(), Page(Block("ABCDEF", "下列都是" + Hl(Hl("三原色")) + "光的组成吗？",
                                   LiText("A、红") + LiText("B、绿") + LiText("C、蓝") +
                                       LiText("D、红绿") + LiText("E、绿蓝") + LiText("F、红蓝"))));
  // No answer: every option is still listed, none marked.
  EXPECT_EQ(Render("暂缺"), 1);
  EXPECT_EQ(PageFile(), Page(Block("", "本题的答案" + Hl(Hl("暂缺")) + "，选项照常列出。",
                                   Li("A、甲") + Li("B、乙"))));
  // No separator: the whole text is the one option.
  EXPECT_EQ(Render("只有一项"), 1);
  EXPECT_EQ(PageFile(),
            Page(Block("A", Hl(Hl("只有一项")) + "且没有分隔标记的选项。", LiText("A、仅此一项"))));
  // An empty piece between two separators is an option of its own.
  EXPECT_EQ(Render("空选项"), 1);
  EXPECT_EQ(PageFile(), Page(Block("C", Hl(Hl("空选项")) + "之间的题。",
                                   Li("A、一") + Li("") + LiText("C、三"))));
}

TEST_F(RenderResultsTest, ChallengeSwitchLeavesOutMultipleChoice) {
  EXPECT_EQ(Render("化学"), 3);
  ui_.SetChecked(Control::图形按钮4, true);
  EXPECT_EQ(Render("化学"), 2);
  const std::string page = U(PageFile());
  EXPECT_NE(page.find("Au"), std::string::npos);
  EXPECT_EQ(page.find("化学</font></font>元素"), std::string::npos);
  EXPECT_EQ(Render("直辖市"), 0) << "all matches multiple-choice";
  EXPECT_EQ(PageFile(), Page(""));
  EXPECT_EQ(ui_.StatusTexts().back(), "共查到0条试题");
}

TEST_F(RenderResultsTest, RowsComeInRecordSetOrder) {
  const int found = Render("____");
  EXPECT_GE(found, 10);
  const std::string page = U(PageFile());
  std::size_t capital = page.find("首都"), moon = page.find("床前明月光"),
              year = page.find("一年有");
  EXPECT_LT(capital, moon);
  EXPECT_LT(moon, year);
  EXPECT_EQ(ui_.StatusTexts().back(), "共查到" + std::to_string(found) + "条试题");
}

TEST_F(RenderResultsTest, UnwritablePageStillCountsAndKeepsTheOldPage) {
  program_.ResultPagePath = dir_ / "missing" / "index.html";
  EXPECT_EQ(Render("首都"), 1);
  EXPECT_EQ(ui_.StatusTexts(), std::vector<std::string>{"共查到1条试题"});
  EXPECT_EQ(ui_[Control::超文本浏览框1].addressLoads, 0);
}

}  // namespace
