#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <atomic>
#include <thread>

#include "app/DesktopProgram.h"
#include "app/MainWindow.h"
#include "bank/Templates.h"
#include "support/TempDir.h"

namespace {

struct Expected {
  const char* name;
  QRect place;
  bool visible;
};

// The window's form, as designed; the banner is checked where start-up puts it.
const Expected kControls[] = {
    {"透明标签2", {50, 8, 248, 16}, true},    {"图形按钮4", {13, 77, 120, 40}, true},
    {"超级按钮1", {10, 137, 740, 400}, true}, {"超文本浏览框1", {10, 137, 740, 400}, true},
    {"图形按钮3", {633, 77, 96, 40}, false},  {"图形按钮2", {576, 77, 52, 40}, true},
    {"图形按钮1", {720, 0, 30, 30}, true},    {"透明标签1", {3, 43, 744, 24}, true},
    {"编辑框1", {152, 82, 424, 30}, true},    {"图片框1", {136, 77, 440, 40}, true},
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { desktop_.Start(dir_.path()); }
  QWidget* Find(const char* name) {
    return desktop_.window.findChild<QWidget*>(QString::fromUtf8(name));
  }
  TempDir dir_;
  DesktopProgram desktop_;
};

TEST_F(MainWindowTest, WindowAndControlsStandWhereDesigned) {
  MainWindow& w = desktop_.window;
  EXPECT_EQ(w.objectName(), QStringLiteral("窗口"));
  EXPECT_EQ(w.geometry(), QRect(50, 50, 760, 550));
  EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(w.windowTitle().isEmpty());

  // Stacking order: each control lies above every control after it.
  std::vector<int> stack;
  const QObjectList children = w.children();
  for (const Expected& c : kControls) {
    QWidget* widget = Find(c.name);
    ASSERT_NE(widget, nullptr) << c.name;
    EXPECT_EQ(widget->geometry(), c.place) << c.name;
    EXPECT_EQ(!widget->isHidden(), c.visible) << c.name;
    stack.push_back(static_cast<int>(children.indexOf(widget)));
  }
  EXPECT_TRUE(std::is_sorted(stack.rbegin(), stack.rend())) << "first in the table lies on top";
  auto* timer = w.findChild<QTimer*>(QStringLiteral("时钟1"));
  ASSERT_NE(timer, nullptr);
  EXPECT_FALSE(timer->isActive());
}

TEST_F(MainWindowTest, StartUpFillsTheWindow) {
  MainWindow& w = desktop_.window;
  EXPECT_EQ(w.透明标签2->text(), QStringLiteral("知岚试题搜索_版本号：1.1"));
  EXPECT_EQ(w.透明标签2->palette().color(QPalette::WindowText), QColor(192, 192, 192));
  EXPECT_EQ(w.透明标签1->text(), QStringLiteral("试题数据库连接成功！"));
  EXPECT_EQ(w.透明标签1->palette().color(QPalette::WindowText), QColor(192, 192, 192));
  EXPECT_EQ(w.透明标签1->font().pixelSize(), 14);
  EXPECT_TRUE(w.编辑框1->text().isEmpty());
  EXPECT_TRUE(w.编辑框1->isEnabled());
  EXPECT_FALSE(w.超级按钮1->Picture().isNull());
  EXPECT_EQ(w.超级按钮1->Picture().size(), QSize(740, 400));
  EXPECT_EQ(w.超文本浏览框1->url(),
            QUrl::fromLocalFile(QString::fromStdString((dir_ / "index.html").string())));
  EXPECT_EQ(ReadFile(dir_ / "index.html"), DefaultPage());
  EXPECT_TRUE(std::filesystem::exists(dir_ / "study.mdb"));

  QWebEngineSettings* settings = w.超文本浏览框1->page()->settings();
  EXPECT_FALSE(settings->testAttribute(QWebEngineSettings::JavascriptEnabled));
  EXPECT_EQ(settings->defaultTextEncoding(), QStringLiteral("GBK"));
}

TEST_F(MainWindowTest, ChallengeSwitchFlipsOnReleaseAndShowsItsState) {
  PictureButton* toggle = desktop_.window.图形按钮4;
  const QImage off = toggle->CurrentPicture().toImage();
  const QString statusBefore = desktop_.window.透明标签1->text();
  QTest::mouseClick(toggle, Qt::LeftButton);
  EXPECT_TRUE(toggle->isChecked());
  EXPECT_NE(toggle->CurrentPicture().toImage(), off);
  QTest::mouseClick(toggle, Qt::LeftButton);
  EXPECT_FALSE(toggle->isChecked());
  EXPECT_EQ(toggle->CurrentPicture().toImage(), off);
  EXPECT_EQ(desktop_.window.透明标签1->text(), statusBefore) << "the switch starts nothing";
}

TEST_F(MainWindowTest, PushButtonsShowHoverAndPressedPictures) {
  PictureButton* exit = desktop_.window.图形按钮1;
  const QImage normal = exit->CurrentPicture().toImage();
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(exit, &enter);
  EXPECT_NE(exit->CurrentPicture().toImage(), normal) << "brighter under the pointer";
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(exit, &leave);
  EXPECT_EQ(exit->CurrentPicture().toImage(), normal);
  EXPECT_FALSE(exit->isCheckable());
}

TEST_F(MainWindowTest, ExitButtonEndsTheProgramWithCodeZero) {
  QTimer::singleShot(0, [this] { QTest::mouseClick(desktop_.window.图形按钮1, Qt::LeftButton); });
  // A watchdog so a broken exit button fails instead of hanging the run.
  QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });
  EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST_F(MainWindowTest, TitleStripDragsTheWindow) {
  MainWindow& w = desktop_.window;
  const QPoint before = w.pos();
  QTest::mousePress(&w, Qt::LeftButton, {}, QPoint(300, 10));
  QMouseEvent move(QEvent::MouseMove, QPointF(340, 30), w.mapToGlobal(QPointF(340, 30)),
                   Qt::NoButton, Qt::LeftButton, {});
  QApplication::sendEvent(&w, &move);
  QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(340, 30));
  EXPECT_EQ(w.pos(), before + QPoint(40, 20));
}

TEST_F(MainWindowTest, WorkerWritesReachTheWindowInOrderOnItsThread) {
  std::vector<QString> seen;
  bool offThread = false;
  QObject::connect(desktop_.window.编辑框1, &QLineEdit::textChanged, [&](const QString& text) {
    offThread |= QThread::currentThread() != desktop_.window.thread();
    seen.push_back(text);
  });
  Text readBack;
  std::atomic<bool> done{false};
  std::thread worker([&] {
    for (int i = 1; i <= 200; ++i) desktop_.controls.SetText(Control::编辑框1, std::to_string(i));
    desktop_.controls.SetVisible(Control::图形按钮3, true);
    // A read waits for the writes queued before it.
    readBack = desktop_.controls.GetText(Control::编辑框1);
    done = true;
  });
  for (QDeadlineTimer deadline(20000); !done && !deadline.hasExpired();) QTest::qWait(10);
  worker.join();
  ASSERT_TRUE(done);
  EXPECT_FALSE(offThread) << "a widget was touched from the worker's thread";
  ASSERT_EQ(seen.size(), 200u);
  for (int i = 0; i < 200; ++i) ASSERT_EQ(seen[i], QString::number(i + 1));
  EXPECT_EQ(readBack, "200");
  EXPECT_FALSE(desktop_.window.图形按钮3->isHidden());
}

TEST(Program, WithoutAUsableDisplayExplainsInOneLineAndExits) {
  struct Case {
    std::vector<std::pair<const char*, const char*>> env;
    const char* says;
  };
  const Case cases[] = {
      {{}, "zhilan: no display"},
      {{{"QT_QPA_PLATFORM", "xcb"}}, "zhilan: no display"},
      {{{"DISPLAY", ":87"}}, "zhilan: cannot open the display :87"},  // no X server there
  };
  for (const auto& c : cases) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    for (const auto& [name, value] : c.env) env.insert(name, value);
    process.setProcessEnvironment(env);
    TempDir dir;
    process.setWorkingDirectory(QString::fromStdString(dir.path().string()));
    process.start(QStringLiteral(ZHILAN_PROGRAM), {});
    ASSERT_TRUE(process.waitForFinished(20000)) << c.says;
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << c.says;
    EXPECT_EQ(process.exitCode(), 1) << c.says;
    const QByteArray err = process.readAllStandardError();
    EXPECT_TRUE(err.startsWith(c.says)) << err.toStdString();
    EXPECT_EQ(err.count('\n'), 1) << "one line: " << err.toStdString();
  }
}

}  // namespace
