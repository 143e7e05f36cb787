#pragma once
// The running program: the window, the control interface over it and the
// program-wide state, with the window's events wired to their handlers.
#include <filesystem>

#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/QtControls.h"

class DesktopProgram {
 public:
  DesktopProgram();

  // Runs the start-up sequence with its files in `fileDirectory`, then shows
  // the window.
  void Start(const std::filesystem::path& fileDirectory);

  MainWindow window;
  QtControls controls{window};
  Program program{controls};
};
