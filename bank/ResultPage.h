#pragma once
#include <initializer_list>
#include <string_view>
#include <utility>

#include "text/Text.h"

struct Program;

using ReplacePair = std::pair<std::string_view, std::string_view>;

// Applies the pairs (find text → replacement) one after the other, each to the
// result of the previous one, by the text rules: every occurrence from the
// start, ASCII letters without regard to case, whole characters only, inserted
// text not scanned again, an empty find text changing nothing.
Text ReplacePairs(std::string_view text, std::initializer_list<ReplacePair> pairs);

// As one pair of ReplacePairs, but only in the text between tags (a tag runs
// from "<" to the next ">"), so the keyword can never rewrite the markup.
Text ReplaceOutsideTags(std::string_view html, std::string_view find, std::string_view replacement);

// Turns the rows just opened in 记录集1 into the result page: writes it to
// ResultPagePath, shows it, reports the count in the status line, closes the
// record set and returns the number of questions on the page.
int RenderResults(Program& program);
