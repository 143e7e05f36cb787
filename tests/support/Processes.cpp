#include "support/Processes.h"

#include <signal.h>
#include <unistd.h>

#include <QDeadlineTimer>

Copy::Copy(const QString& program, const QStringList& arguments, const QString& workingDirectory)
    : process_(std::make_unique<QProcess>()) {
  process_->setChildProcessModifier([] { setsid(); });
  if (!workingDirectory.isEmpty()) process_->setWorkingDirectory(workingDirectory);
  process_->start(program, arguments);
  if (process_->waitForStarted(20000)) group_ = process_->processId();
}

Copy::~Copy() { Kill(); }

std::string Copy::ReadLine(int milliseconds) {
  for (QDeadlineTimer deadline(milliseconds); !deadline.hasExpired();) {
    if (process_->canReadLine()) return process_->readLine().trimmed().toStdString();
    if (!process_->waitForReadyRead(50) && process_->state() == QProcess::NotRunning &&
        !process_->canReadLine())
      break;
  }
  return {};
}

void Copy::Kill() {
  if (group_ > 0) {
    kill(-static_cast<pid_t>(group_), SIGKILL);
    group_ = 0;
  }
  if (process_->state() != QProcess::NotRunning) process_->waitForFinished(20000);
}

bool Copy::Finished(int milliseconds) {
  const bool done =
      process_->state() == QProcess::NotRunning || process_->waitForFinished(milliseconds);
  if (done) {
    // Whatever it left in its group goes with it.
    if (group_ > 0) kill(-static_cast<pid_t>(group_), SIGKILL);
    group_ = 0;
  }
  return done;
}

void Copy::KillLeaderOnly() {
  kill(static_cast<pid_t>(process_->processId()), SIGKILL);
  process_->waitForFinished(20000);
}
