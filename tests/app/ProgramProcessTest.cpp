// The real program, started as a user starts it: a copy of the program file in
// a directory of its own, offscreen. These tests use the program's fixed
// single-instance name, so they run one at a time and need no other copy of
// the program running for this user.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QProcessEnvironment>
#include <QThread>
#include <memory>
#include <vector>

#include "app/SingleInstanceGuard.h"
#include "bank/Templates.h"
#include "support/Processes.h"
#include "support/TempDir.h"

namespace {

struct FileState {
  std::string bytes;
  long long modified = 0;  // nanoseconds
  bool operator==(const FileState&) const = default;
};

FileState StateOf(const std::filesystem::path& file) {
  struct stat info {};
  if (stat(file.c_str(), &info) != 0) return {};
  return {ReadFile(file), info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec};
}

class ProgramProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const int fd = ConnectToMarker(StartUpEventName()); fd >= 0) {
      close(fd);
      GTEST_SKIP() << "a copy of the program is already running for this user";
    }
    program_ = dir_ / "zhilan";
    std::filesystem::copy_file(ZHILAN_PROGRAM, program_);
  }
  std::unique_ptr<Copy> Launch() {
    return std::make_unique<Copy>(QString::fromStdString(program_.string()), QStringList{},
                                  QString::fromStdString(dir_.path().string()));
  }
  // The program has come up once both of its files are there.
  bool WaitUntilStarted() {
    for (int i = 0; i < 400; ++i) {
      if (StateOf(dir_ / "index.html").bytes == DefaultPage() &&
          std::filesystem::exists(dir_ / "study.mdb"))
        return true;
      QThread::msleep(50);
    }
    return false;
  }
  TempDir dir_;
  std::filesystem::path program_;
};

TEST_F(ProgramProcessTest, OnlyOneCopyRuns) {
  auto first = Launch();
  ASSERT_TRUE(WaitUntilStarted());
  QThread::msleep(500);
  const FileState page = StateOf(dir_ / "index.html");
  const FileState bank = StateOf(dir_ / "study.mdb");

  // A second start ends by itself with 0 and touches nothing.
  // Hang guards only: a second copy ends well within a second or two.
  auto second = Launch();
  ASSERT_TRUE(second->Finished(10000));
  EXPECT_EQ(second->process().exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second->process().exitCode(), 0);
  EXPECT_EQ(second->process().readAllStandardOutput(), "");

  // So do six started at once.
  std::vector<std::unique_ptr<Copy>> six;
  for (int i = 0; i < 6; ++i) six.push_back(Launch());
  for (auto& copy : six) {
    ASSERT_TRUE(copy->Finished(10000));
    EXPECT_EQ(copy->process().exitCode(), 0);
  }
  EXPECT_EQ(StateOf(dir_ / "index.html"), page);
  EXPECT_EQ(StateOf(dir_ / "study.mdb"), bank);
  EXPECT_EQ(first->process().state(), QProcess::Running);

  // Killed outright, the first copy leaves the way free for the next start,
  // which then runs normally and writes its start page anew.
  first->Kill();
  std::filesystem::remove(dir_ / "index.html");
  auto next = Launch();
  EXPECT_TRUE(WaitUntilStarted());
  EXPECT_FALSE(next->Finished(1000)) << "the new start keeps running";
}

}  // namespace
