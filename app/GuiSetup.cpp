#include "app/GuiSetup.h"

#include <unistd.h>

#include <QByteArray>
#include <cstdlib>

namespace {
bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}
}  // namespace

std::string MissingDisplay() {
  if (Set("QT_QPA_PLATFORM") || Set("DISPLAY") || Set("WAYLAND_DISPLAY")) return {};
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
