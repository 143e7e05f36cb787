#include "app/Paths.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

std::filesystem::path ProgramDirectory() {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path(error);
  return self.parent_path();
}

std::filesystem::path FileDirectory(const std::filesystem::path& programDirectory) {
  if (access(programDirectory.c_str(), W_OK) == 0) return programDirectory;
  std::filesystem::path data;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') {
    data = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    data = std::filesystem::path(home) / ".local" / "share";
  } else {
    return programDirectory;  // nowhere better: the writes fail and say so
  }
  data /= "zhilan";
  std::error_code error;
  std::filesystem::create_directories(data, error);
  return data;
}
