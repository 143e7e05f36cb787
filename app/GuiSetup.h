#pragma once
#include <string>

// Why the window cannot be shown here (no display at all), or empty.
std::string MissingDisplay();

// Settings the embedded browser needs before the application object exists:
// as root (containers) Chromium's sandbox cannot start, so it is switched off;
// and the browser never phones home.
void PrepareBrowserEngine();
