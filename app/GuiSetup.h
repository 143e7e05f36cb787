#pragma once
#include <string>

// Why the window cannot be shown here (no display at all), or empty.
std::string MissingDisplay();

// Settings the embedded browser needs before the application object exists:
// as root (containers) Chromium's sandbox cannot start, so it is switched off;
// and the browser never phones home.
void PrepareBrowserEngine();

#include "text/Text.h"

// The single-instance guard's message box: the classic style flags choose the
// buttons (low four bits) and the icon (next four bits). Modal, no owner.
void ShowGuardMessage(const Text& text, const Text& title, int style);

class QWidget;
// Brings a window back from the taskbar and to the front, as a later copy asks.
void BringToFront(QWidget* window);
