#pragma once
#include <filesystem>

struct Program;

// The start-up sequence, run on the window's thread once the window exists:
// version line, paths, the banner over the browser box, the default page and
// the question bank. `fileDirectory` is where index.html and study.mdb live.
void RunStartUp(Program& program, const std::filesystem::path& fileDirectory);
