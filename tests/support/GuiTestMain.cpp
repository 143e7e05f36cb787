// The GUI tests drive the real window, so they need a QApplication; listing the
// tests (as CTest does to find them) needs none.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "app/GuiSetup.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  PrepareBrowserEngine();
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
