#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <memory>
#include <vector>

#include "app/Md5Hex.h"
#include "app/SingleInstanceGuard.h"
#include "support/Gbk.h"
#include "support/Processes.h"
#include "support/TempDir.h"

namespace {

TEST(Md5Hex, KnownDigests) {
  EXPECT_EQ(Md5Hex(""), "d41d8cd98f00b204e9800998ecf8427e");
  EXPECT_EQ(Md5Hex("abc"), "900150983cd24fb0d6963f7d28e17f72");
  EXPECT_EQ(Md5Hex("abc", true), "900150983CD24FB0D6963F7D28E17F72");
  EXPECT_EQ(Md5Hex("abc", false, true), "3cd24fb0d6963f7d");
  EXPECT_EQ(Md5Hex("abc", true, true), "3CD24FB0D6963F7D");
  const Text defaultName = G("你懒得输入，我就写死，略略");
  ASSERT_EQ(defaultName.size(), 26u);
  EXPECT_EQ(Md5Hex(defaultName), "917b41c1b5ace220c8b4dcacd5857727");
}

TEST(SingleInstanceGuard, StartUpNameIsFixedPerUser) {
  const std::string name = U(StartUpEventName());
  EXPECT_EQ(name, "zhilan-" + std::to_string(getuid()) + "/禁止重复运行");
  EXPECT_EQ(StartUpEventName(), StartUpEventName());
}

// Each test claims names of its own, so runs in parallel cannot meet.
std::string FreshName() {
  static std::atomic<int> counter{0};
  return "zhilan-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++) +
         "/禁止重复运行";
}

std::unique_ptr<Copy> Start(const std::string& name, QStringList flags = {}, int user = -1) {
  flags.prepend(QString::fromStdString(name));
  return std::make_unique<Copy>(QStringLiteral(ZHILAN_GUARD_HELPER), flags, QString(), user);
}

TEST(SingleInstanceGuard, SecondCopyEndsSilentlyWithZero) {
  const std::string name = FreshName();
  auto first = Start(name, {"--hold"});
  ASSERT_EQ(first->ReadLine(), "first:" + name);

  auto second = Start(name);
  ASSERT_TRUE(second->Finished());
  EXPECT_EQ(second->process().exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second->process().exitCode(), 0);
  EXPECT_EQ(second->process().readAllStandardOutput(), "") << "no message, no activation";
  EXPECT_EQ(first->process().state(), QProcess::Running) << "the first copy is left alone";
  EXPECT_EQ(first->process().readAllStandardOutput(), "");

  // Another name is another program.
  auto other = Start(FreshName());
  EXPECT_EQ(other->ReadLine().rfind("first:", 0), 0u);
}

TEST(SingleInstanceGuard, NameIsFreedHoweverTheFirstCopyEnds) {
  const std::string name = FreshName();
  {
    auto first = Start(name, {"--hold"});
    ASSERT_EQ(first->ReadLine(), "first:" + name);
    first->process().closeWriteChannel();  // an orderly end
    ASSERT_TRUE(first->Finished());
  }
  auto killed = Start(name, {"--hold"});
  ASSERT_EQ(killed->ReadLine(), "first:" + name);
  killed->Kill();  // SIGKILL
  auto next = Start(name, {"--hold"});
  EXPECT_EQ(next->ReadLine(), "first:" + name);
}

TEST(SingleInstanceGuard, ChildProcessesDoNotKeepTheName) {
  const std::string name = FreshName();
  auto first = Start(name, {"--hold", "--child"});
  ASSERT_EQ(first->ReadLine(), "first:" + name);
  first->KillLeaderOnly();  // its child, a long sleep, lives on
  auto next = Start(name, {"--hold"});
  EXPECT_EQ(next->ReadLine(), "first:" + name);
  first->Kill();
}

TEST(SingleInstanceGuard, SimultaneousStartsLetExactlyOneThrough) {
  const std::string name = FreshName();
  std::vector<std::unique_ptr<Copy>> copies;
  for (int i = 0; i < 6; ++i) copies.push_back(Start(name, {"--hold"}));
  int firsts = 0, endedWithZero = 0;
  for (auto& copy : copies) {
    // A holder never ends by itself; the others end at once.
    if (copy->Finished(5000)) {
      endedWithZero += copy->process().exitCode() == 0;
      EXPECT_EQ(copy->process().readAllStandardOutput(), "");
    } else {
      firsts += copy->ReadLine() == "first:" + name;
    }
  }
  EXPECT_EQ(firsts, 1);
  EXPECT_EQ(endedWithZero, 5);
}

TEST(SingleInstanceGuard, ActivationRequestReachesTheRunningCopy) {
  const std::string name = FreshName();
  auto first = Start(name, {"--hold"});
  ASSERT_EQ(first->ReadLine(), "first:" + name);
  // The marker is the event name's bytes, and a client that says nothing
  // does not keep the next request from being served.
  const int idle = ConnectToMarker(G(name));
  ASSERT_GE(idle, 0);
  auto second = Start(name, {"--activate"});
  ASSERT_TRUE(second->Finished());
  EXPECT_EQ(second->process().exitCode(), 0);
  EXPECT_EQ(first->ReadLine(), "activated");
  close(idle);
}

TEST(SingleInstanceGuard, AnotherUsersProcessOnTheNameDoesNotStopUs) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to start a process as another user";
  const std::string name = FreshName();
  // The build may sit where another user cannot reach it: run a copy of the
  // helper from a directory every user can enter.
  TempDir dir;
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all &
                                               ~std::filesystem::perms::group_write &
                                               ~std::filesystem::perms::others_write);
  std::filesystem::copy_file(ZHILAN_GUARD_HELPER, dir / "helper");
  const QString helper = QString::fromStdString((dir / "helper").string());
  Copy stranger(helper, {QString::fromStdString(name), "--hold"},
                QString::fromStdString(dir.path().string()), 65534);  // nobody
  ASSERT_EQ(stranger.ReadLine(), "first:" + name);
  auto ours = Start(name, {"--hold"});
  EXPECT_EQ(ours->ReadLine(), "first:" + name);
}

TEST(SingleInstanceGuard, MessageBoxOfTheSecondCopy) {
  const std::string name = FreshName();
  auto first = Start(name, {"--hold"});
  ASSERT_EQ(first->ReadLine(), "first:" + name);
  struct Case {
    QStringList flags;
    std::string shown;
  };
  const Case cases[] = {
      {{"--message"}, "box:友情提醒:|对不起,该进程已打开!|0"},
      {{"--message=已经在运行了", "--style=48"}, "box:友情提醒:|已经在运行了|48"},
  };
  for (const auto& c : cases) {
    auto second = Start(name, c.flags);
    EXPECT_EQ(second->ReadLine(), c.shown);
    ASSERT_TRUE(second->Finished());
    EXPECT_EQ(second->process().exitCode(), 0);
  }
}

TEST(SingleInstanceGuard, EmptyNameBecomesTheDigestOfTheDefaultText) {
  const std::string digest = "917b41c1b5ace220c8b4dcacd5857727";
  if (const int fd = ConnectToMarker(digest); fd >= 0) {
    close(fd);
    GTEST_SKIP() << "another run on this machine holds the default name right now";
  }
  auto first = Start("-", {"--hold"});
  const std::string line = first->ReadLine();
  EXPECT_EQ(line, "first:917b41c1b5ace220c8b4dcacd5857727") << "written back to the caller";
  auto second = Start("-");
  ASSERT_TRUE(second->Finished());
  EXPECT_EQ(second->process().exitCode(), 0);
  EXPECT_EQ(second->process().readAllStandardOutput(), "");
}

}  // namespace
