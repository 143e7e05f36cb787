#pragma once
// The program's one window, 窗口: a frameless 760 × 550 frame whose own
// picture draws the title strip, with the thirteen controls of its form. Every
// control is a member named by its form name and carries that name as its Qt
// object name. The window only shows and reports; what a click or a key means
// is decided by the handlers the program installs.
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "app/BannerButton.h"
#include "app/Controls.h"
#include "app/PictureButton.h"

class QWebEngineView;

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // Event handlers of the window's form; each runs on the window's thread.
  std::function<void()> onSearch;       // 图形按钮2 clicked, Enter in 编辑框1
  std::function<void()> onUpdate;       // 图形按钮3 clicked
  std::function<void()> onBannerClick;  // 超级按钮1 clicked
  std::function<void()> onTimer;        // 时钟1 fired

  // Controls in stacking order, the first on top.
  QLabel* 透明标签2;
  PictureButton* 图形按钮4;
  QTimer* 时钟1;
  BannerButton* 超级按钮1;
  QWebEngineView* 超文本浏览框1;
  PictureButton* 图形按钮3;
  PictureButton* 图形按钮2;
  PictureButton* 图形按钮1;
  QLabel* 透明标签1;
  QLineEdit* 编辑框1;
  QLabel* 图片框1;

  // The widget of a control; null for the timer.
  QWidget* ControlWidget(Control control) const;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  // The browser box's own settings and the profile that blocks remote loads.
  static void ConfigureBrowser(QWebEngineView* view, QObject* profileOwner);

  QPixmap background_;
  QPoint dragOffset_;
  bool dragging_ = false;
};
