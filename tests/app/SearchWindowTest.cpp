// The search as a user does it, in the real window, and what the browser box
// is allowed to do with the pages it shows.
#include <gtest/gtest.h>
#include <httplib.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <atomic>
#include <thread>

#include "app/DesktopProgram.h"
#include "bank/Templates.h"
#include "support/ResultPages.h"
#include "support/TempDir.h"

namespace {

// Chinese reaches a box through the input method, one committed string at a time.
void TypeThroughInputMethod(QWidget* box, const QString& text) {
  QInputMethodEvent event;
  event.setCommitString(text);
  QApplication::sendEvent(box, &event);
}

// Runs the event loop until the condition holds or the time is up. (QtTest's
// QTRY macros report to QtTest, which a GoogleTest run never sees.)
template <typename Condition>
bool WaitUntil(Condition condition, int milliseconds = 20000) {
  for (QDeadlineTimer deadline(milliseconds); !condition();) {
    if (deadline.hasExpired()) return false;
    QTest::qWait(50);
  }
  return true;
}

// The text the browser box shows now.
QString PlainText(QWebEngineView* view) {
  QString shown;
  bool answered = false;
  view->page()->toPlainText([&](const QString& s) {
    shown = s;
    answered = true;
  });
  WaitUntil([&] { return answered; }, 10000);
  return shown;
}

class SearchWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(ZHILAN_FIXTURE_BANK, dir_ / "study.mdb");
    desktop_.Start(dir_.path());
  }
  // Waits for the browser box to finish loading what it was pointed at.
  bool WaitForLoad(QSignalSpy& spy) { return spy.count() > 0 || spy.wait(20000); }

  TempDir dir_;
  DesktopProgram desktop_;
  MainWindow& w_ = desktop_.window;
};

TEST_F(SearchWindowTest, EnterInTheKeywordBoxSearches) {
  TypeThroughInputMethod(w_.编辑框1, QStringLiteral("首都"));
  QTest::keyClick(w_.编辑框1, Qt::Key_Return);
  EXPECT_EQ(ReadFile(dir_ / "index.html"),
            Page(Block("B", "我国的" + Hl(Hl("首都")) + "是____。",
                       Li("A、上海") + LiText("B、北京") + Li("C、广州") + Li("D、深圳"))));
  EXPECT_EQ(w_.透明标签1->text(), QStringLiteral("共查到1条试题"));
  EXPECT_TRUE(w_.编辑框1->text().isEmpty());
  EXPECT_TRUE(w_.超级按钮1->isHidden()) << "the banner makes way for the results";
  EXPECT_FALSE(w_.时钟1->isActive());
}

TEST_F(SearchWindowTest, EveryKindOfSearchLeavesItsPage) {
  struct Case {
    const char* name;
    QString keyword;
    bool challenge;
    Text page;
    QString status;
  };
  const Case cases[] = {
      {"found only among the options", QStringLiteral("黄铜矿"), false,
       Page(Block("B", "化学符号Au表示哪种金属？",
                  Li("A、银") + LiText("B、金") + Li("C、" + Hl("黄铜矿")))),
       QStringLiteral("共查到1条试题")},
      {"found nowhere", QStringLiteral("没有这道题"), false, Page(""),
       QStringLiteral("非常抱歉，没有收录该试题！")},
      {"empty box: nothing written", QString(), false, DefaultPage(),
       QStringLiteral("输入框不能为空，请输入试题关键词进行查询。")},
      {"challenge switch on", QStringLiteral("化学"), true,
       Page(Block("B", Hl(Hl("化学")) + "符号Au表示哪种金属？",
                  Li("A、银") + LiText("B、金") + Li("C、黄铜矿")) +
            Block("A", "水的" + Hl(Hl("化学")) + "式是____。",
                  LiText("A、H2O") + Li("B、CO2") + Li("C、NaCl") + Li("D、O2"))),
       QStringLiteral("共查到2条试题")},
  };
  for (const auto& c : cases) {
    WriteFile(dir_ / "index.html", DefaultPage());
    if (w_.图形按钮4->isChecked() != c.challenge) QTest::mouseClick(w_.图形按钮4, Qt::LeftButton);
    TypeThroughInputMethod(w_.编辑框1, c.keyword);
    QTest::keyClick(w_.编辑框1, Qt::Key_Return);
    EXPECT_EQ(ReadFile(dir_ / "index.html"), c.page) << c.name;
    EXPECT_EQ(w_.透明标签1->text(), c.status) << c.name;
    EXPECT_TRUE(w_.编辑框1->text().isEmpty()) << c.name;
  }
}

TEST_F(SearchWindowTest, SearchButtonSearchesAndOtherKeysOnlyEdit) {
  TypeThroughInputMethod(w_.编辑框1, QStringLiteral("没有这道题"));
  QTest::keyClicks(w_.编辑框1, "x");
  QTest::keyClick(w_.编辑框1, Qt::Key_Backspace);
  QTest::keyClick(w_.编辑框1, Qt::Key_Tab);
  EXPECT_EQ(w_.编辑框1->text(), QStringLiteral("没有这道题"));
  EXPECT_FALSE(w_.超级按钮1->isHidden()) << "no key but Enter starts a search";
  QTest::mouseClick(w_.图形按钮2, Qt::LeftButton);
  EXPECT_EQ(w_.透明标签1->text(), QStringLiteral("非常抱歉，没有收录该试题！"));
  EXPECT_EQ(ReadFile(dir_ / "index.html"), Page(""));

  QTest::mouseClick(w_.图形按钮2, Qt::LeftButton);
  EXPECT_EQ(w_.透明标签1->text(), QStringLiteral("输入框不能为空，请输入试题关键词进行查询。"));
}

TEST_F(SearchWindowTest, BrowserBoxRunsNoScriptAndLoadsNothingRemote) {
  // A loopback server standing in for any remote address a question might name.
  httplib::Server server;
  std::atomic<int> hits{0};
  server.Get(".*", [&](const httplib::Request&, httplib::Response& res) {
    ++hits;
    res.set_content("x", "text/plain");
  });
  const int port = server.bind_to_any_port("127.0.0.1");
  std::thread serving([&] { server.listen_after_bind(); });
  const std::string remote = "http://127.0.0.1:" + std::to_string(port);

  // A local picture next to the page, as ./RDSC.jpg is.
  QImage picture(8, 6, QImage::Format_RGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(QString::fromStdString((dir_ / "local.png").string())));
  WriteFile(dir_ / "probe.html",
            "<title>untouched</title><script>document.title='script ran';</script>"
            "<img id=local src=\"./local.png\"><img src=\"" +
                remote +
                "/remote.png\">"
                "<link rel=stylesheet href=\"" +
                remote +
                "/style.css\">"
                "<iframe src=\"" +
                remote + "/frame\"></iframe>");
  QSignalSpy loaded(w_.超文本浏览框1, &QWebEngineView::loadFinished);
  desktop_.controls.SetAddress(Control::超文本浏览框1, dir_ / "probe.html");
  ASSERT_TRUE(WaitForLoad(loaded));
  QTest::qWait(500);

  EXPECT_EQ(w_.超文本浏览框1->title(), QStringLiteral("untouched"));
  EXPECT_EQ(hits.load(), 0) << "a remote address was fetched";
  // The local picture did load: ask the page from the program's own side.
  QVariant width;
  bool answered = false;
  w_.超文本浏览框1->page()->runJavaScript(
      QStringLiteral("document.getElementById('local').naturalWidth"),
      QWebEngineScript::ApplicationWorld, [&](const QVariant& v) {
        width = v;
        answered = true;
      });
  ASSERT_TRUE(WaitUntil([&] { return answered; }));
  EXPECT_EQ(width.toInt(), 8);

  server.stop();
  serving.join();
}

TEST_F(SearchWindowTest, EachSearchShowsItsPageAnewWithItsChinese) {
  // The page carries no charset; shown right, its Chinese reads back unchanged.
  // Every search writes the same file, and the box must show the new one.
  const std::pair<QString, QString> searches[] = {
      {QStringLiteral("床前明月光"),
       QStringLiteral("【 李白 】“床前明月光，疑是地上霜”的作者是唐代诗人____。")},
      {QStringLiteral("首都"), QStringLiteral("【 B 】我国的首都是____。")},
  };
  for (const auto& [keyword, expected] : searches) {
    TypeThroughInputMethod(w_.编辑框1, keyword);
    QTest::keyClick(w_.编辑框1, Qt::Key_Return);
    EXPECT_TRUE(WaitUntil([&] { return PlainText(w_.超文本浏览框1).contains(expected); }))
        << PlainText(w_.超文本浏览框1).toStdString();
  }
}

}  // namespace
