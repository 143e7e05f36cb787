#include "app/MainWindow.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>
#include <QWindow>

#include "app/BuiltInBanner.h"
#include "app/ControlTable.h"

namespace {

constexpr int kTitleStripHeight = 30;
// The flat fill of the search-row field, so the edit box melts into it.
constexpr const char* kSearchFieldColour = "#F4F4F4";

QPixmap Picture(const char* name) { return QPixmap(QStringLiteral(":/pictures/") + name); }

// The pages shown here come from our own files, but their question texts come
// from a server and the keyword is pasted in as typed: nothing may reach out.
class LocalOnly : public QWebEngineUrlRequestInterceptor {
 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    const QString scheme = info.requestUrl().scheme();
    if (scheme != u"file" && scheme != u"data" && scheme != u"qrc") info.block(true);
  }
};

QLabel* TransparentLabel(QWidget* parent, Colour rgb) {
  const QColor colour(rgb.red, rgb.green, rgb.blue);
  auto* label = new QLabel(parent);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  label->setAttribute(Qt::WA_TranslucentBackground);
  label->setAutoFillBackground(false);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  return label;
}

}  // namespace

void MainWindow::ConfigureBrowser(QWebEngineView* view, QObject* profileOwner) {
  // An off-the-record profile: no cache or cookies written to the user's home.
  // Its owner must outlive the view, whose page has to go before the profile.
  auto* profile = new QWebEngineProfile(profileOwner);
  profile->setUrlRequestInterceptor(new LocalOnly(profile));
  auto* page = new QWebEnginePage(profile, view);
  QWebEngineSettings* settings = page->settings();
  settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
  settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
  settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
  // The pages carry no charset; they are GBK.
  settings->setDefaultTextEncoding(QStringLiteral("GBK"));
  // The pages ask for a Windows font; the nearest here is the CJK sans face.
  for (auto family : {QWebEngineSettings::StandardFont, QWebEngineSettings::SansSerifFont})
    settings->setFontFamily(family, QStringLiteral("Noto Sans CJK SC"));
  view->setPage(page);
}

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("窗口"));
  setWindowTitle(QString());
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setGeometry(kWindowLeft, kWindowTop, kWindowWidth, kWindowHeight);
  setFixedSize(kWindowWidth, kWindowHeight);
  background_ = Picture("background.png");

  透明标签2 = TransparentLabel(this, kSilver);

  图形按钮4 = new PictureButton(
      {Picture("challenge-off.png"), Picture("challenge-on.png"), Picture("challenge-on.png"), {}},
      true, this);
  时钟1 = new QTimer(this);
  超级按钮1 = new BannerButton(this);
  const Bytes banner = BuiltInBannerPicture();
  超级按钮1->SetPictureData(QByteArray(reinterpret_cast<const char*>(banner.data()),
                                       static_cast<qsizetype>(banner.size())));
  超文本浏览框1 = new QWebEngineView(this);
  ConfigureBrowser(超文本浏览框1, this);
  图形按钮3 = new PictureButton(
      {Picture("update.png"), Picture("update-hover.png"), Picture("update.png"), {}}, false, this);
  图形按钮2 = new PictureButton(
      {Picture("search.png"), Picture("search-hover.png"), Picture("search.png"), {}}, false, this);
  图形按钮1 = new PictureButton(
      {Picture("exit.png"), Picture("exit-hover.png"), Picture("exit.png"), {}}, false, this);

  透明标签1 = TransparentLabel(this, kLightGrey);
  透明标签1->setText(QString::fromUtf8(kStatusLabelInitialText));
  QFont statusFont(QStringLiteral("Noto Sans CJK SC"));
  statusFont.setPixelSize(14);
  透明标签1->setFont(statusFont);

  编辑框1 = new QLineEdit(this);
  编辑框1->setFrame(false);
  编辑框1->setStyleSheet(
      QStringLiteral("QLineEdit { background: %1; border: none; font-size: 16px; }")
          .arg(QLatin1String(kSearchFieldColour)));

  图片框1 = new QLabel(this);
  图片框1->setPixmap(Picture("search-row.png"));
  图片框1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  时钟1->setObjectName(QString::fromUtf8(ControlName(Control::时钟1).data()));
  // Raising from the bottom of the table up leaves its first entry on top.
  for (auto it = kControlTable.rbegin(); it != kControlTable.rend(); ++it) {
    QWidget* widget = ControlWidget(it->control);
    if (!widget) continue;
    const std::string_view name = ControlName(it->control);
    widget->setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    widget->setGeometry(it->left, it->top, it->width, it->height);
    widget->setVisible(it->visible);
    widget->raise();
  }

  connect(图形按钮1, &QAbstractButton::clicked, this, [] { QCoreApplication::exit(0); });
  connect(图形按钮2, &QAbstractButton::clicked, this, [this] {
    if (onSearch) onSearch();
  });
  connect(编辑框1, &QLineEdit::returnPressed, this, [this] {
    if (onSearch) onSearch();
  });
  connect(图形按钮3, &QAbstractButton::clicked, this, [this] {
    if (onUpdate) onUpdate();
  });
  connect(超级按钮1, &QAbstractButton::clicked, this, [this] {
    if (onBannerClick) onBannerClick();
  });
  connect(时钟1, &QTimer::timeout, this, [this] {
    if (onTimer) onTimer();
  });
}

MainWindow::~MainWindow() {
  // The browser's page has to go before the profile it was made from.
  delete 超文本浏览框1;
}

QWidget* MainWindow::ControlWidget(Control control) const {
  switch (control) {
    case Control::透明标签2: return 透明标签2;
    case Control::图形按钮4: return 图形按钮4;
    case Control::超级按钮1: return 超级按钮1;
    case Control::超文本浏览框1: return 超文本浏览框1;
    case Control::图形按钮3: return 图形按钮3;
    case Control::图形按钮2: return 图形按钮2;
    case Control::图形按钮1: return 图形按钮1;
    case Control::透明标签1: return 透明标签1;
    case Control::编辑框1: return 编辑框1;
    case Control::图片框1: return 图片框1;
    case Control::时钟1: return nullptr;  // not a widget
  }
  return nullptr;
}

void MainWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, background_);
}

// A frameless window still has to be movable: the title strip drags it.
void MainWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || event->position().y() >= kTitleStripHeight) {
    QWidget::mousePressEvent(event);
    return;
  }
  if (windowHandle() && windowHandle()->startSystemMove()) return;
  dragging_ = true;
  dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) move(event->globalPosition().toPoint() - dragOffset_);
  QWidget::mouseMoveEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
  dragging_ = false;
  QWidget::mouseReleaseEvent(event);
}
