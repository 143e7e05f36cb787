#include "bank/FileWrite.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

namespace {

// Writes the bytes to a new file beside `file` and gives its name, or empty.
std::filesystem::path WriteTemporary(const std::filesystem::path& file, std::string_view bytes) {
  static std::atomic<unsigned> counter{0};
  std::filesystem::path temporary = file;
  temporary += ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
  const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return {};
  bool ok = true;
  for (std::size_t done = 0; ok && done < bytes.size();) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<std::size_t>(n);
  }
  ok = fsync(fd) == 0 && ok;
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
  // Some file systems have no hard links; a rename that refuses to replace
  // does the same there.
  const bool renamed = errno != EEXIST && renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD,
                                                    file.c_str(), RENAME_NOREPLACE) == 0;
  if (!renamed) unlink(temporary.c_str());
  return renamed;
}
