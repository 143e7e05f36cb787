#include <gtest/gtest.h>

#include "bank/Database.h"
#include "support/Gbk.h"
#include "support/TempDir.h"

namespace {

class DatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(ZHILAN_FIXTURE_BANK, file_);
    ASSERT_TRUE(Connect(connection_, file_));
    ASSERT_TRUE(BindRecordSet(records_, connection_));
  }

  // Walks the current result the way every caller does and gives the IDs.
  std::vector<std::string> Walk() {
    std::vector<std::string> ids;
    MoveFirst(records_);
    while (!AtEnd(records_)) {
      Text id;
      ReadText(records_, "ID", &id);
      ids.push_back(id);
      MoveNext(records_);
    }
    Close(records_);
    return ids;
  }

  TempDir dir_;
  std::filesystem::path file_ = dir_ / "study.mdb";
  Connection connection_;
  RecordSet records_;
};

TEST_F(DatabaseTest, OpenWalkAndCloseACursor) {
  ASSERT_TRUE(OpenQuery(records_, G("SELECT * FROM study WHERE subject like '%直辖市%'")));
  EXPECT_EQ(Walk(), (std::vector<std::string>{"7", "8"}));
  EXPECT_TRUE(AtEnd(records_)) << "a closed record set has no current row";

  // The same record set opens again, and MoveFirst after walking starts over.
  ASSERT_TRUE(OpenQuery(records_, "select * from study"));
  int rows = 0;
  while (!AtEnd(records_)) ++rows, MoveNext(records_);
  MoveFirst(records_);
  Text subject, type, answer, options;
  ReadText(records_, "subject", &subject);
  ReadText(records_, "TYPE", &type);
  ReadText(records_, "Answer", &answer);
  ReadText(records_, "ProblemOption", &options);
  EXPECT_EQ(rows, 25);
  EXPECT_EQ(U(subject), "我国的首都是____。");
  EXPECT_EQ(U(type), "单选题");
  EXPECT_EQ(answer, "B");
  EXPECT_EQ(U(options), "A、上海/pelox/B、北京/pelox/C、广州/pelox/D、深圳/pelox/");
  Text unknown = "stale";
  ReadText(records_, "nope", &unknown);
  EXPECT_EQ(unknown, "");
  Close(records_);
}

TEST_F(DatabaseTest, EmptyAndFailingQueriesReadAsAtEnd) {
  EXPECT_TRUE(OpenQuery(records_, G("SELECT * FROM study WHERE subject like '%没有这道题%'")));
  MoveFirst(records_);
  EXPECT_TRUE(AtEnd(records_));
  Close(records_);

  // A keyword holding a quote breaks a statement built by pasting.
  EXPECT_FALSE(OpenQuery(records_, "SELECT * FROM study WHERE subject like '%'%'"));
  MoveFirst(records_);
  EXPECT_TRUE(AtEnd(records_));
  Text value = "stale";
  ReadText(records_, "subject", &value);
  EXPECT_EQ(value, "");
  Close(records_);

  RecordSet unbound;
  EXPECT_FALSE(OpenQuery(unbound, "select * from study"));
  EXPECT_TRUE(AtEnd(unbound));
}

TEST_F(DatabaseTest, ParametersAreValuesNotSql) {
  ASSERT_TRUE(OpenQuery(records_, "SELECT * FROM study WHERE subject like '%' || ? || '%'", {"'"}));
  EXPECT_EQ(Walk(), std::vector<std::string>{"5"});
  ASSERT_TRUE(OpenQuery(records_, "SELECT * FROM study WHERE subject like '%' || ? || '%'",
                        {"' or '1'='1"}));
  EXPECT_EQ(Walk(), std::vector<std::string>{});
  // A wrong number of values is a failed statement, not a guess.
  EXPECT_FALSE(OpenQuery(records_, "SELECT * FROM study WHERE ID = ?", {}));
}

TEST_F(DatabaseTest, ExecuteCarriesOutOneStatement) {
  const Text insert =
      G("insert into study(id,subject,ProblemOption,Answer,type) "
        "values ('100','新题','A、是/pelox/B、否/pelox/','A','单选题')");
  EXPECT_TRUE(Execute(connection_, insert));
  EXPECT_FALSE(Execute(connection_, insert)) << "the ID is the primary key";
  EXPECT_FALSE(Execute(connection_, G("insert into study(id,subject) values ('abc','x')")))
      << "ID is a number";
  EXPECT_FALSE(Execute(connection_, G("insert into study(id,subject) values ('101','it's')")));
  // Only one statement runs: a second one behind it is refused whole.
  EXPECT_FALSE(
      Execute(connection_, "insert into study(id,subject) values ('102','x'); DROP TABLE study"));
  ASSERT_TRUE(OpenQuery(records_, "select * from study where ID >= 100"));
  EXPECT_EQ(Walk(), std::vector<std::string>{"100"});
}

TEST(DatabaseConnect, RefusesWhatIsNotAQuestionBank) {
  TempDir dir;
  const std::string junk = "this is not a database, just some text\n";
  WriteFile(dir / "junk.mdb", junk);
  WriteFile(dir / "empty.mdb", "");
  {
    // A real SQLite database without the question table.
    Connection other;
    std::filesystem::copy_file(ZHILAN_FIXTURE_BANK, dir / "other.mdb");
    ASSERT_TRUE(Connect(other, dir / "other.mdb"));
    ASSERT_TRUE(Execute(other, "DROP TABLE study"));
  }
  const std::string other = ReadFile(dir / "other.mdb");

  Connection connection;
  EXPECT_FALSE(Connect(connection, dir / "junk.mdb"));
  EXPECT_FALSE(Connect(connection, dir / "empty.mdb"));
  EXPECT_FALSE(Connect(connection, dir / "other.mdb"));
  EXPECT_FALSE(Connect(connection, dir / "missing.mdb"));
  EXPECT_FALSE(connection.IsOpen());
  EXPECT_FALSE(Execute(connection, "select 1"));

  EXPECT_EQ(ReadFile(dir / "junk.mdb"), junk);
  EXPECT_EQ(ReadFile(dir / "empty.mdb"), "");
  EXPECT_EQ(ReadFile(dir / "other.mdb"), other);
  EXPECT_FALSE(std::filesystem::exists(dir / "missing.mdb")) << "a failed connect creates nothing";
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3)
      << "no journal or other file left behind";

  std::filesystem::copy_file(ZHILAN_FIXTURE_BANK, dir / "study.mdb");
  EXPECT_FALSE(Connect(connection, dir / "study.mdb", "secret"));
  EXPECT_TRUE(Connect(connection, dir / "study.mdb"));
}

}  // namespace
