#pragma once
// Copies of a program started as real processes, each in a process group of
// its own so a test can kill it together with whatever it started.
#include <QProcess>
#include <QStringList>
#include <memory>
#include <string>

#include "text/Text.h"

// A connection to the single-instance marker of that name (its GBK bytes after
// a NUL, in the abstract namespace), or -1 when no one holds it.
int ConnectToMarker(const Text& name);

class Copy {
 public:
  // `user`: a user id to run as (the test must be root), or -1 for the test's own.
  Copy(const QString& program, const QStringList& arguments, const QString& workingDirectory = {},
       int user = -1);
  ~Copy();
  QProcess& process() { return *process_; }
  // Waits for a whole line on standard output (without its line break).
  std::string ReadLine(int milliseconds = 20000);
  // Ends the process, or a test's own way: SIGKILL to the whole group.
  void Kill();
  bool Finished(int milliseconds = 20000);
  // SIGKILL to the process alone; what it started lives on until Kill().
  void KillLeaderOnly();

 private:
  std::unique_ptr<QProcess> process_;
  qint64 group_ = 0;
};
