#pragma once
// Only one copy of the program runs at a time. The running copy is marked by
// an abstract-namespace Unix-domain socket named by the event name's bytes:
// claiming it is one atomic bind, so two copies started at the same instant
// cannot both pass, and the kernel frees the name when the process ends,
// however it ends. The same socket carries a later copy's request to bring
// the running copy's window to the front.
#include <functional>

#include "text/Text.h"

struct GuardOptions {
  // The second copy shows a message box before it ends.
  bool showMessage = false;
  // Text of that box, in/out; null means left out: the default text is used.
  Text* message = nullptr;
  // Buttons and icon of the box, as the classic message-box flags.
  int messageBoxStyle = 0;
  // The second copy asks the running copy to restore and raise its window.
  bool activateFirstCopy = false;
};

// The window side supplies the message box; without it nothing is shown.
using GuardMessageBox = std::function<void(const Text& text, const Text& title, int style)>;
void SetGuardMessageBox(GuardMessageBox show);

// Returns in the first copy, which holds the marker until the process ends.
// In a second copy it does not return: the process ends with exit code 0.
// An empty name is replaced by the default one, written back to `eventName`.
void SingleInstanceGuard(Text& eventName, const GuardOptions& options = {});

// The first copy's handler of activation requests, run on the thread that
// owns the Qt event loop. Without one, requests are answered and ignored.
void SetActivationHandler(std::function<void()> activate);

// The name the start-up uses: fixed, one per user, ending in "/禁止重复运行".
Text StartUpEventName();
