#pragma once
// The text rules every part of the program cuts, searches, splits, trims and
// reads numbers by. Positions count bytes from 1. A byte of 0x80 or more starts
// a two-byte GBK character, so a match always begins on a character boundary;
// case-insensitive matching folds the ASCII letters only.
#include <optional>
#include <string_view>
#include <vector>

#include "text/Text.h"

namespace text {

// Byte length of the character that starts at offset i (0-based).
inline int CharLength(std::string_view s, std::size_t i) {
  return static_cast<unsigned char>(s[i]) >= 0x80 && i + 1 < s.size() ? 2 : 1;
}

inline char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// Whether `sub` occurs at offset i of `s`.
bool MatchesAt(std::string_view s, std::size_t i, std::string_view sub, bool ignoreCase);

// First occurrence beginning at or after position `start` (below 1 counts as
// 1), or -1. An empty `sub` gives 1 while anything is left to search.
int Find(std::string_view s, std::string_view sub, int start = 1, bool ignoreCase = false);

// Last occurrence lying wholly within bytes 1 to bound-1, or -1; a bound of 1
// or less finds nothing, no bound covers the whole text.
int FindBack(std::string_view s, std::string_view sub, std::optional<int> bound = std::nullopt,
             bool ignoreCase = false);

Text Left(std::string_view s, int n);
Text Right(std::string_view s, int n);
Text Mid(std::string_view s, int position, int n);

// Pieces between the delimiters: empty pieces before the first and between two
// delimiters are kept, none is made after a final delimiter; an empty text has
// no pieces and an empty delimiter gives the whole text as the one piece.
std::vector<Text> Split(std::string_view s, std::string_view delimiter);

// Removes ASCII spaces and full-width spaces (A1 A1) from both ends.
Text Trim(std::string_view s);

// Full-width ASCII forms (A3 A1 to A3 FE) and the full-width space become
// their ordinary one-byte forms.
Text FoldFullWidth(std::string_view s);

// Full-width folded, leading blanks skipped, an optional sign and the digits up
// to the first other character; no leading digits reads as 0. Out-of-range
// values stop at the limits of the type.
long long ToInteger(std::string_view s);

// Every occurrence of `find` replaced in one pass from the start; inserted text
// is not scanned again. An empty `find` changes nothing.
Text ReplaceAll(std::string_view s, std::string_view find, std::string_view replacement,
                bool ignoreCase);

}  // namespace text
