#include "bank/FileWrite.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

namespace {

// All the bytes, then on the disk.
bool WriteAll(int fd, std::string_view bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return fsync(fd) == 0;
}

// Writes the bytes to a new file beside `file` and gives its name, or empty.
std::filesystem::path WriteTemporary(const std::filesystem::path& file, std::string_view bytes) {
  static std::atomic<unsigned> counter{0};
  std::filesystem::path temporary = file;
  temporary += ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
  const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return {};
  bool ok = WriteAll(fd, bytes);
  ok = close(fd) == 0 && ok;
  if (!ok) {
    unlink(temporary.c_str());
    return {};
  }
  return temporary;
}

}  // namespace

bool WriteFileReplacing(const std::filesystem::path& file, std::string_view bytes) {
  const auto temporary = WriteTemporary(file, bytes);
  if (temporary.empty()) return false;
  if (rename(temporary.c_str(), file.c_str()) != 0) {
    unlink(temporary.c_str());
    return false;
  }
  return true;
}

bool WriteFileIfAbsent(const std::filesystem::path& file, std::string_view bytes) {
  const auto temporary = WriteTemporary(file, bytes);
  if (temporary.empty()) return false;
  // link() fails when the name exists, so a file that appeared meanwhile stays.
  if (link(temporary.c_str(), file.c_str()) == 0) {
    unlink(temporary.c_str());
    return true;
  }
  if (errno == EEXIST) {
    unlink(temporary.c_str());
    return false;
  }
  // Some file systems have no hard links; a rename that refuses to replace
  // does the same there.
  if (renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, file.c_str(), RENAME_NOREPLACE) == 0)
    return true;
  const int renameError = errno;
  unlink(temporary.c_str());
  if (renameError == EEXIST) return false;
  // Neither: write the file in place. Only here can a crash mid-write leave
  // a short file, and O_EXCL still never replaces one.
  const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes);
  ok = close(fd) == 0 && ok;
  if (!ok) unlink(file.c_str());
  return ok;
}
