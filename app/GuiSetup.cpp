#include "app/GuiSetup.h"

#include <unistd.h>
#include <xcb/xcb.h>

#include <QByteArray>
#include <QMessageBox>
#include <QWidget>
#include <cstdlib>

#include "text/GbkCodec.h"

namespace {
bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}
}  // namespace

std::string MissingDisplay() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  // offscreen, wayland, vnc and the like: Qt finds its own way or says why.
  if (!platform.isEmpty() && !platform.startsWith("xcb")) return {};
  bool xOpen = false;
  if (Set("DISPLAY")) {
    // Qt aborts on a display it cannot open; ask the X server first.
    int screen = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screen);
    xOpen = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
  }
  if (xOpen) return {};
  if (platform.isEmpty() && Set("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "wayland");
    return {};
  }
  if (Set("DISPLAY")) return std::string("cannot open the display ") + std::getenv("DISPLAY");
  return "no display to show the window on (DISPLAY and WAYLAND_DISPLAY are unset; "
         "QT_QPA_PLATFORM=offscreen runs without one)";
}

void PrepareBrowserEngine() {
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  flags +=
      " --disable-background-networking --disable-component-update --disable-sync"
      " --no-first-run --disable-domain-reliability --disable-breakpad";
  if (qgetenv("QT_QPA_PLATFORM") == "offscreen") flags += " --disable-gpu";
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
}

void ShowGuardMessage(const Text& text, const Text& title, int style) {
  QMessageBox box;
  box.setWindowTitle(GbkToQString(title));
  box.setText(GbkToQString(text));
  switch (style & 0xF0) {
    case 0x10: box.setIcon(QMessageBox::Critical); break;
    case 0x20: box.setIcon(QMessageBox::Question); break;
    case 0x30: box.setIcon(QMessageBox::Warning); break;
    case 0x40: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
  }
  using B = QMessageBox::StandardButton;
  switch (style & 0x0F) {
    case 1: box.setStandardButtons(B::Ok | B::Cancel); break;
    case 2: box.setStandardButtons(B::Abort | B::Retry | B::Ignore); break;
    case 3: box.setStandardButtons(B::Yes | B::No | B::Cancel); break;
    case 4: box.setStandardButtons(B::Yes | B::No); break;
    case 5: box.setStandardButtons(B::Retry | B::Cancel); break;
    default: box.setStandardButtons(B::Ok); break;
  }
  box.exec();
}

void BringToFront(QWidget* window) {
  if (window->isMinimized()) window->showNormal();
  window->show();
  window->raise();
  window->activateWindow();
}
