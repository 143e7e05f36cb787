#include "support/Processes.h"

#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <cstddef>
#include <cstring>

int ConnectToMarker(const Text& name) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path + 1, name.data(), name.size());
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0) return fd;
  close(fd);
  return -1;
}

Copy::Copy(const QString& program, const QStringList& arguments, const QString& workingDirectory,
           int user)
    : process_(std::make_unique<QProcess>()) {
  process_->setChildProcessModifier([user] {
    setsid();
    if (user >= 0 &&
        (setgid(static_cast<gid_t>(user)) != 0 || setuid(static_cast<uid_t>(user)) != 0))
      _exit(126);
  });
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
