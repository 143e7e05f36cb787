#pragma once
#include <filesystem>
#include <string_view>

// Replaces the whole file: the bytes are written beside it and renamed over it,
// so the browser never reads half a page and a failed write leaves the old one.
bool WriteFileReplacing(const std::filesystem::path& file, std::string_view bytes);

// Creates the file with these bytes unless a file of that name exists, which is
// never replaced. The file appears complete or not at all, so an interrupted
// first start cannot leave a truncated bank behind that later starts would keep.
bool WriteFileIfAbsent(const std::filesystem::path& file, std::string_view bytes);
