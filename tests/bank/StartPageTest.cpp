#include <gtest/gtest.h>

#include "app/Program.h"
#include "bank/EmbeddedBank.h"
#include "bank/StartPage.h"
#include "bank/Templates.h"
#include "support/Gbk.h"
#include "support/MemoryControls.h"
#include "support/TempDir.h"

namespace {

class StartPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_.ResultPagePath = dir_ / "index.html";
    program_.DatabasePath = dir_ / "study.mdb";
  }
  TempDir dir_;
  MemoryControls ui_;
  Program program_{ui_};
};

TEST_F(StartPageTest, DefaultPageIsTheFixedBytes) {
  const Text& page = DefaultPage();
  EXPECT_EQ(page.size(), 614u);
  EXPECT_EQ(page.substr(0, 13), "<style>\r\n*{\r\n");
  EXPECT_EQ(page.substr(page.size() - 9), "\r\n</body>") << "no line break after the last line";
  EXPECT_NE(page.find(G("  font-family:\"微软雅黑\";\r\n")), Text::npos);
  EXPECT_NE(page.find(G("\r\n<div class=\"vertical-container\">  \r\n\r\n"
                        "<img src=\"./RDSC.jpg\"  alt=\"入党誓词\" width=\"100%\" />\r\n")),
            Text::npos);
  EXPECT_EQ(std::count(page.begin(), page.end(), '\n'), 41);
  EXPECT_EQ(std::count(page.begin(), page.end(), '\r'), 41);
}

TEST_F(StartPageTest, FirstStartWritesBankAndPage) {
  WriteStartPage(program_);
  EXPECT_EQ(ReadFile(program_.ResultPagePath), DefaultPage());
  EXPECT_EQ(ui_[Control::超文本浏览框1].address, program_.ResultPagePath);
  const QByteArray bank = EmbeddedQuestionBank();
  ASSERT_GT(bank.size(), 0);
  EXPECT_EQ(ReadFile(program_.DatabasePath), bank.toStdString());
  EXPECT_EQ(ui_.StatusTexts(), std::vector<std::string>{"试题数据库写出成功！"});

  ConnectDatabase(program_);
  EXPECT_EQ(ui_.StatusTexts(),
            (std::vector<std::string>{"试题数据库写出成功！", "试题数据库连接成功！"}));
  EXPECT_EQ(ui_[Control::透明标签1].colour, kSilver);
  EXPECT_FALSE(ui_[Control::编辑框1].disabled);
  // The carried bank is a real, searchable question table.
  ASSERT_TRUE(OpenQuery(program_.记录集1, "select * from study"));
  int rows = 0;
  while (!AtEnd(program_.记录集1)) ++rows, MoveNext(program_.记录集1);
  Close(program_.记录集1);
  EXPECT_GE(rows, 60);
  // The question number is a whole number, and the primary key.
  ASSERT_TRUE(OpenQuery(program_.记录集1,
                        "SELECT typeof(ID) AS kind, (SELECT pk FROM pragma_table_info('study') "
                        "WHERE name = 'ID') AS key FROM study LIMIT 1"));
  Text kind, key;
  ReadText(program_.记录集1, "kind", &kind);
  ReadText(program_.记录集1, "key", &key);
  Close(program_.记录集1);
  EXPECT_EQ(kind, "integer");
  EXPECT_EQ(key, "1");
  EXPECT_FALSE(
      Execute(program_.数据库连接1, G("insert into study(id,subject) values ('1','已有的题号')")));
}

TEST_F(StartPageTest, ExistingBankIsNeverReplacedButThePageIs) {
  std::filesystem::copy_file(ZHILAN_FIXTURE_BANK, program_.DatabasePath);
  const std::string before = ReadFile(program_.DatabasePath);
  WriteFile(program_.ResultPagePath, "left over from the last search");

  WriteStartPage(program_);
  ConnectDatabase(program_);
  EXPECT_EQ(ReadFile(program_.DatabasePath), before);
  EXPECT_EQ(ReadFile(program_.ResultPagePath), DefaultPage());
  EXPECT_EQ(ui_.StatusTexts(), std::vector<std::string>{"试题数据库连接成功！"});
}

TEST_F(StartPageTest, ABankThatIsNotADatabaseDisablesSearch) {
  const std::string junk(5000, 'x');
  WriteFile(program_.DatabasePath, junk);
  WriteStartPage(program_);
  ConnectDatabase(program_);
  EXPECT_EQ(ReadFile(program_.DatabasePath), junk);
  EXPECT_EQ(ui_.StatusTexts(), std::vector<std::string>{"试题数据库连接失败！"});
  EXPECT_EQ(ui_[Control::透明标签1].colour, kWhite);
  EXPECT_TRUE(ui_[Control::编辑框1].disabled);
  EXPECT_TRUE(ui_[Control::图形按钮3].disabled);
  EXPECT_FALSE(ui_[Control::图形按钮2].disabled) << "the search button stays usable";
  // In this order: colour, the two controls, then the text.
  const auto log = ui_.Log();
  ASSERT_GE(log.size(), 4u);
  EXPECT_EQ(
      std::vector<std::string>(log.end() - 4, log.end()),
      (std::vector<std::string>{"透明标签1.colour=255,255,255", "编辑框1.disabled",
                                "图形按钮3.disabled", "透明标签1.text=试题数据库连接失败！"}));
}

TEST_F(StartPageTest, UnwritableFilesAreReportedAndNothingIsShown) {
  program_.ResultPagePath = dir_ / "no-such-dir" / "index.html";
  program_.DatabasePath = dir_ / "no-such-dir" / "study.mdb";
  WriteStartPage(program_);
  EXPECT_EQ(ui_[Control::超文本浏览框1].addressLoads, 0) << "the box keeps its content";
  ConnectDatabase(program_);
  EXPECT_EQ(ui_.StatusTexts(),
            (std::vector<std::string>{"试题数据库写出失败！", "试题数据库连接失败！"}));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "no-such-dir"));
}

TEST_F(StartPageTest, NoHalfWrittenFilesAreLeftBehind) {
  WriteStartPage(program_);
  WriteStartPage(program_);
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir_.path()))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"index.html", "study.mdb"}));
}

}  // namespace
