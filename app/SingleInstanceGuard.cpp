#include "app/SingleInstanceGuard.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/Md5Hex.h"
#include "text/GbkCodec.h"

namespace {

constexpr std::string_view kActivateRequest = "activate\n";
constexpr std::string_view kActivateAnswer = "ok\n";

GuardMessageBox& MessageBoxHook() {
  static GuardMessageBox hook;
  return hook;
}

std::function<void()>& ActivationHook() {
  static std::function<void()> hook;
  return hook;
}

// The abstract address: a NUL, then the name's bytes (no terminator). A name
// too long for the address is represented by its digest instead.
socklen_t MarkerAddress(const Text& name, sockaddr_un* address) {
  std::memset(address, 0, sizeof *address);
  address->sun_family = AF_UNIX;
  const Text bytes = name.size() < sizeof address->sun_path ? name : "zhilan-md5:" + Md5Hex(name);
  std::memcpy(address->sun_path + 1, bytes.data(), bytes.size());
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + bytes.size());
}

bool WaitFor(int fd, short events, int milliseconds) {
  pollfd p{fd, events, 0};
  return poll(&p, 1, milliseconds) == 1 && (p.revents & events);
}

// The user id of the process at the other end of a connected socket.
bool PeerIsThisUser(int fd) {
  ucred peer{};
  socklen_t length = sizeof peer;
  return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 && peer.uid == getuid();
}

// One request on an accepted connection: read it, act on it, answer it. Abstract
// names are open to every user, so only this user's copies are listened to,
// and a client that sends nothing holds the window up only briefly.
void ServeActivation(int client) {
  if (!PeerIsThisUser(client)) {
    close(client);
    return;
  }
  char buffer[32] = {};
  std::size_t got = 0;
  while (got < kActivateRequest.size() && WaitFor(client, POLLIN, 200)) {
    const ssize_t n = read(client, buffer + got, sizeof buffer - 1 - got);
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  if (std::string_view(buffer, got) == kActivateRequest) {
    if (ActivationHook()) ActivationHook()();
    [[maybe_unused]] ssize_t written =
        write(client, kActivateAnswer.data(), kActivateAnswer.size());
  }
  close(client);
}

// The first copy listens on its marker for activation requests, on the event
// loop's thread so the handler may touch the window.
void ListenForActivation(int marker) {
  QCoreApplication* application = QCoreApplication::instance();
  if (!application) return;
  auto* notifier = new QSocketNotifier(marker, QSocketNotifier::Read, application);
  QObject::connect(notifier, &QSocketNotifier::activated, application, [marker] {
    for (int client; (client = accept4(marker, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;)
      ServeActivation(client);
  });
}

// Whether the name is held by a copy of this user. Another user's process on
// the name (abstract names cannot be protected) must not keep us from running.
bool HeldByThisUser(const sockaddr_un& address, socklen_t length) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return true;
  // A holder that has bound but does not listen yet, or one too busy to take
  // the connection, is most likely a copy starting this very moment, and is
  // taken as ours. Non-blocking, so a stuck holder cannot hang this start.
  const bool ours =
      connect(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0 || PeerIsThisUser(fd);
  close(fd);
  return ours;
}

// Asks the running copy to bring its window to the front and waits briefly
// for it to say it did.
void RequestActivation(const sockaddr_un& address, socklen_t length) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return;
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0 &&
      write(fd, kActivateRequest.data(), kActivateRequest.size()) ==
          static_cast<ssize_t>(kActivateRequest.size()) &&
      WaitFor(fd, POLLIN, 2000)) {
    char answer[8];
    [[maybe_unused]] ssize_t n = read(fd, answer, sizeof answer);
  }
  close(fd);
}

}  // namespace

void SetGuardMessageBox(GuardMessageBox show) { MessageBoxHook() = std::move(show); }

void SetActivationHandler(std::function<void()> activate) {
  ActivationHook() = std::move(activate);
}

Text StartUpEventName() {
  // Abstract socket names are shared by every user of the machine, so the
  // user is part of the name: each user may run one copy.
  return "zhilan-" + std::to_string(getuid()) + Utf8ToGbk("/禁止重复运行");
}

void SingleInstanceGuard(Text& eventName, const GuardOptions& options) {
  if (eventName.empty()) eventName = Md5Hex(Utf8ToGbk("你懒得输入，我就写死，略略"));
  if (eventName.empty()) return;  // no name, no marker

  sockaddr_un address;
  const socklen_t length = MarkerAddress(eventName, &address);
  const int marker = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (marker < 0) return;  // cannot mark: carry on as the first copy
  if (bind(marker, reinterpret_cast<const sockaddr*>(&address), length) == 0) {
    // First copy: the socket is kept open, never closed, for the whole run.
    listen(marker, 16);
    ListenForActivation(marker);
    return;
  }
  const bool taken = errno == EADDRINUSE;
  close(marker);
  if (!taken || !HeldByThisUser(address, length)) return;

  if (options.showMessage && MessageBoxHook()) {
    const Text message = options.message ? *options.message : Utf8ToGbk("对不起,该进程已打开!");
    MessageBoxHook()(message, Utf8ToGbk("友情提醒:"), options.messageBoxStyle);
  }
  if (options.activateFirstCopy) RequestActivation(address, length);
  std::fflush(nullptr);
  std::_Exit(0);
}
