#include <QApplication>
#include <cstdio>

#include "app/DesktopProgram.h"
#include "app/GuiSetup.h"
#include "app/Paths.h"

int main(int argc, char** argv) {
  if (const std::string why = MissingDisplay(); !why.empty()) {
    std::fprintf(stderr, "zhilan: %s\n", why.c_str());
    return 1;
  }
  PrepareBrowserEngine();
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication application(argc, argv);
  DesktopProgram desktop;
  desktop.Start(FileDirectory(ProgramDirectory()));
  return application.exec();
}
