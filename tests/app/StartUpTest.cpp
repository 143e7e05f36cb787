#include <gtest/gtest.h>

#include "app/Paths.h"
#include "app/Program.h"
#include "app/StartUp.h"
#include "bank/Templates.h"
#include "support/Gbk.h"
#include "support/MemoryControls.h"
#include "support/TempDir.h"

namespace {

TEST(StartUp, RunsItsStepsInOrder) {
  TempDir dir;
  MemoryControls ui;
  // The banner follows the browser box wherever the box is.
  ui[Control::超文本浏览框1].place[0] = 12;
  Program program(ui);
  RunStartUp(program, dir.path());

  EXPECT_EQ(program.VersionText, "1.1");
  EXPECT_EQ(U(ui[Control::透明标签2].text), "知岚试题搜索_版本号：1.1");
  EXPECT_EQ(program.OnlineFlag, 0);
  EXPECT_EQ(program.ResultPagePath, dir / "index.html");
  EXPECT_EQ(program.DatabasePath, dir / "study.mdb");
  for (int edge = 0; edge < 4; ++edge)
    EXPECT_EQ(ui[Control::超级按钮1].place[edge], ui[Control::超文本浏览框1].place[edge]);
  EXPECT_EQ(ui[Control::超级按钮1].place[0], 12);
  EXPECT_EQ(ui[Control::超级按钮1].place[2], 740);
  EXPECT_EQ(ui[Control::超级按钮1].place[3], 400);
  EXPECT_TRUE(ui[Control::超级按钮1].visible);
  EXPECT_FALSE(ui[Control::图形按钮3].visible) << "offline, the update button stays hidden";

  EXPECT_EQ(ReadFile(dir / "index.html"), DefaultPage());
  EXPECT_EQ(ui.StatusTexts(),
            (std::vector<std::string>{"试题数据库写出成功！", "试题数据库连接成功！"}));
  EXPECT_EQ(ui[Control::透明标签1].colour, kSilver);

  // Everything the user could see, in the order of the sequence: the version
  // line, the banner over the box, the start page, the bank written, then
  // connected.
  EXPECT_EQ(ui.Log(), (std::vector<std::string>{
                          "透明标签2.text=知岚试题搜索_版本号：1.1",
                          "超级按钮1.left=12",
                          "超级按钮1.top=137",
                          "超级按钮1.width=740",
                          "超级按钮1.height=400",
                          "超文本浏览框1.address=" + (dir / "index.html").string(),
                          "透明标签1.text=试题数据库写出成功！",
                          "透明标签1.colour=192,192,192",
                          "透明标签1.text=试题数据库连接成功！",
                      }));
}

TEST(StartUp, FilesGoToTheDataDirectoryWhenTheProgramsCannotBeWritten) {
  TempDir dir;
  setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
  EXPECT_EQ(FileDirectory(dir.path()), dir.path()) << "a writable program directory is used";
  const auto fallback = FileDirectory("/nonexistent/zhilan/bin");
  EXPECT_EQ(fallback, dir / "zhilan");
  EXPECT_TRUE(std::filesystem::is_directory(fallback));
  unsetenv("XDG_DATA_HOME");
}

}  // namespace
