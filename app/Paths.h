#pragma once
#include <filesystem>

// The directory that holds the running program file.
std::filesystem::path ProgramDirectory();

// Where index.html and study.mdb live: beside the program, or, when that
// directory cannot be written (an installed copy), in the user's data
// directory ($XDG_DATA_HOME/zhilan, else ~/.local/share/zhilan), made if needed.
std::filesystem::path FileDirectory(const std::filesystem::path& programDirectory);
