#pragma once
struct Program;

// The keyword in 编辑框1 looked up in the question texts, and only when that
// finds nothing, in the option texts. Run by the search button and by Enter.
void StartSearch(Program& program);

// The second half of a search: the option texts.
void SearchInOptions(Program& program);
