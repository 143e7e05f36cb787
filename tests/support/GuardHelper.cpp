// A small program that runs the single-instance guard the way the real program
// does, so tests can start copies of it as separate processes.
//
//   zhilan-guard-helper NAME|- [--message[=TEXT]] [--style=N] [--activate]
//                       [--hold] [--child]
//
// It prints "first:NAME" when it is the first copy, "box:TITLE|TEXT|STYLE"
// for the message box a second copy shows, and "activated" each time a later
// copy asks it to come to the front. --hold keeps the first copy running until
// its standard input closes; --child leaves a long-lived child process behind,
// which must not keep the marker alive.
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cstdio>
#include <string>

#include "app/SingleInstanceGuard.h"
#include "text/GbkCodec.h"

namespace {
void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc < 2) return 2;
  Text name = std::string(argv[1]) == "-" ? Text() : Utf8ToGbk(argv[1]);
  GuardOptions options;
  Text message;
  bool hold = false, child = false;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--message") {
      options.showMessage = true;
    } else if (arg.rfind("--message=", 0) == 0) {
      options.showMessage = true;
      message = Utf8ToGbk(arg.substr(10));
      options.message = &message;
    } else if (arg.rfind("--style=", 0) == 0) {
      options.messageBoxStyle = std::stoi(arg.substr(8));
    } else if (arg == "--activate") {
      options.activateFirstCopy = true;
    } else if (arg == "--hold") {
      hold = true;
    } else if (arg == "--child") {
      child = true;
    }
  }
  SetGuardMessageBox([](const Text& text, const Text& title, int style) {
    Say("box:" + GbkToUtf8(title) + "|" + GbkToUtf8(text) + "|" + std::to_string(style));
  });
  SetActivationHandler([] { Say("activated"); });

  SingleInstanceGuard(name, options);

  if (child && fork() == 0) {
    execlp("sleep", "sleep", "60", static_cast<char*>(nullptr));
    _exit(127);
  }
  Say("first:" + GbkToUtf8(name));
  if (!hold) return 0;
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, [&] {
    char buffer[64];
    if (read(STDIN_FILENO, buffer, sizeof buffer) <= 0) application.quit();
  });
  return application.exec();
}
