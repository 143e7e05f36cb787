#pragma once
// The fixed pages of the program, as the GBK bytes that go into index.html:
// lines joined by CR LF, no line break after the last.
#include "text/Text.h"

// Shown at every start, before the first search.
const Text& DefaultPage();
// A result page; "[ul]" takes the question blocks, "[答案颜色]" the answer colour.
const Text& PageTemplate();
// One question block; "[颜色]", "[答案]", "[问题]" and "[选项]" are filled in.
const Text& ItemTemplate();
