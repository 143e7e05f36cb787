#include "app/QtControls.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QThread>
#include <QWebEngineView>

#include "app/MainWindow.h"
#include "text/GbkCodec.h"

template <typename F>
void QtControls::Post(F&& write) {
  if (QThread::currentThread() == window_.thread()) {
    write();
  } else {
    QMetaObject::invokeMethod(&window_, std::forward<F>(write), Qt::QueuedConnection);
  }
}

template <typename F>
auto QtControls::Ask(F&& read) -> decltype(read()) {
  if (QThread::currentThread() == window_.thread()) return read();
  decltype(read()) result{};
  QMetaObject::invokeMethod(
      &window_, [&] { result = read(); }, Qt::BlockingQueuedConnection);
  return result;
}

QWidget* QtControls::Widget(Control control) const { return window_.ControlWidget(control); }

Text QtControls::GetText(Control control) {
  return Ask([this, control]() -> Text {
    if (auto* label = qobject_cast<QLabel*>(Widget(control))) return QStringToGbk(label->text());
    if (auto* edit = qobject_cast<QLineEdit*>(Widget(control))) return QStringToGbk(edit->text());
    return {};
  });
}

void QtControls::SetText(Control control, const Text& text) {
  Post([this, control, value = GbkToQString(text)] {
    if (auto* label = qobject_cast<QLabel*>(Widget(control))) label->setText(value);
    if (auto* edit = qobject_cast<QLineEdit*>(Widget(control))) edit->setText(value);
  });
}

void QtControls::SetTextColour(Control control, Colour colour) {
  Post([this, control, colour] {
    QWidget* widget = Widget(control);
    if (!widget) return;
    QPalette palette = widget->palette();
    const QColor value(colour.red, colour.green, colour.blue);
    palette.setColor(QPalette::WindowText, value);
    palette.setColor(QPalette::Text, value);
    widget->setPalette(palette);
  });
}

bool QtControls::Visible(Control control) {
  // The control's own visible property, also before the window is shown.
  return Ask([this, control] {
    QWidget* widget = Widget(control);
    return widget && !widget->isHidden();
  });
}

void QtControls::SetVisible(Control control, bool visible) {
  Post([this, control, visible] {
    if (QWidget* widget = Widget(control)) widget->setVisible(visible);
  });
}

bool QtControls::Disabled(Control control) {
  return Ask([this, control] {
    QWidget* widget = Widget(control);
    return widget && !widget->isEnabled();
  });
}

void QtControls::SetDisabled(Control control, bool disabled) {
  Post([this, control, disabled] {
    if (QWidget* widget = Widget(control)) widget->setEnabled(!disabled);
  });
}

int QtControls::Place(Control control, Edge edge) {
  return Ask([this, control, edge] {
    QWidget* widget = Widget(control);
    if (!widget) return 0;
    const QRect r = widget->geometry();
    switch (edge) {
      case Edge::Left: return r.x();
      case Edge::Top: return r.y();
      case Edge::Width: return r.width();
      case Edge::Height: return r.height();
    }
    return 0;
  });
}

void QtControls::SetPlace(Control control, Edge edge, int value) {
  Post([this, control, edge, value] {
    QWidget* widget = Widget(control);
    if (!widget) return;
    QRect r = widget->geometry();
    switch (edge) {
      case Edge::Left: r.moveLeft(value); break;
      case Edge::Top: r.moveTop(value); break;
      case Edge::Width: r.setWidth(value); break;
      case Edge::Height: r.setHeight(value); break;
    }
    widget->setGeometry(r);
  });
}

void QtControls::SetAddress(Control browser, const std::filesystem::path& file) {
  Post([this, browser, url = QUrl::fromLocalFile(QString::fromStdString(file.string()))] {
    if (auto* view = qobject_cast<QWebEngineView*>(Widget(browser))) view->setUrl(url);
  });
}

bool QtControls::Checked(Control button) {
  return Ask([this, button] {
    auto* widget = qobject_cast<QAbstractButton*>(Widget(button));
    return widget && widget->isChecked();
  });
}

void QtControls::SetPeriod(Control timer, int milliseconds) {
  if (timer != Control::时钟1) return;
  Post([this, milliseconds] {
    if (milliseconds > 0) {
      window_.时钟1->start(milliseconds);
    } else {
      window_.时钟1->stop();
    }
  });
}

void QtControls::SetPicture(Control banner, const Bytes& picture) {
  Post([this, banner,
        data = QByteArray(reinterpret_cast<const char*>(picture.data()),
                          static_cast<qsizetype>(picture.size()))] {
    if (auto* button = qobject_cast<BannerButton*>(Widget(banner))) button->SetPictureData(data);
  });
}
