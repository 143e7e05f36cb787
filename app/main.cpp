#include <QApplication>
#include <cstdio>

#include "app/DesktopProgram.h"
#include "app/GuiSetup.h"
#include "app/Paths.h"
#include "app/SingleInstanceGuard.h"

int main(int argc, char** argv) {
  if (const std::string why = MissingDisplay(); !why.empty()) {
    std::fprintf(stderr, "zhilan: %s\n", why.c_str());
    return 1;
  }
  PrepareBrowserEngine();
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication application(argc, argv);
  // The guard comes first, before the window and its browser engine exist, so
  // a second copy ends at once and touches nothing.
  SetGuardMessageBox(ShowGuardMessage);
  Text eventName = StartUpEventName();
  SingleInstanceGuard(eventName);

  DesktopProgram desktop;
  SetActivationHandler([&desktop] { BringToFront(&desktop.window); });
  desktop.Start(FileDirectory(ProgramDirectory()));
  return application.exec();
}
