#pragma once
#include <vector>

#include "text/Text.h"

// Empties `list` and fills it with the characters of `s`, one text each, and
// returns their number. A byte of 0x81 or more starts a two-byte GBK character
// and CR LF is one unit, except that the last byte is always a unit of its own.
int SplitChars(std::string_view s, std::vector<Text>& list);
