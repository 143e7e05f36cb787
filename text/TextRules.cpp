#include "text/TextRules.h"

#include <algorithm>
#include <limits>

namespace text {

bool MatchesAt(std::string_view s, std::size_t i, std::string_view sub, bool ignoreCase) {
  if (sub.size() > s.size() - i) return false;
  if (!ignoreCase) return s.compare(i, sub.size(), sub) == 0;
  // Only one-byte characters fold: the second byte of a GBK character may look
  // like an ASCII letter but is part of that character and must match exactly.
  for (std::size_t k = 0; k < sub.size();) {
    if (CharLength(sub, k) == 2) {
      if (s[i + k] != sub[k] || s[i + k + 1] != sub[k + 1]) return false;
      k += 2;
    } else {
      if (FoldAscii(s[i + k]) != FoldAscii(sub[k])) return false;
      ++k;
    }
  }
  return true;
}

int Find(std::string_view s, std::string_view sub, int start, bool ignoreCase) {
  const std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start - 1);
  if (from >= s.size()) return -1;
  if (sub.empty()) return 1;
  for (std::size_t i = 0; i < s.size(); i += CharLength(s, i)) {
    if (i >= from && MatchesAt(s, i, sub, ignoreCase)) return static_cast<int>(i + 1);
  }
  return -1;
}

int FindBack(std::string_view s, std::string_view sub, std::optional<int> bound, bool ignoreCase) {
  // The searchable bytes are 1 to bound-1.
  const long long limit =
      bound ? static_cast<long long>(*bound) - 1 : static_cast<long long>(s.size());
  if (limit < 1) return -1;
  const std::size_t end = std::min(static_cast<std::size_t>(limit), s.size());
  if (sub.empty()) return end > 0 ? 1 : -1;
  int found = -1;
  for (std::size_t i = 0; i + sub.size() <= end; i += CharLength(s, i)) {
    if (MatchesAt(s, i, sub, ignoreCase)) found = static_cast<int>(i + 1);
  }
  return found;
}

Text Left(std::string_view s, int n) {
  if (n <= 0) return {};
  return Text(s.substr(0, static_cast<std::size_t>(n)));
}

Text Right(std::string_view s, int n) {
  if (n <= 0) return {};
  if (static_cast<std::size_t>(n) >= s.size()) return Text(s);
  return Text(s.substr(s.size() - static_cast<std::size_t>(n)));
}

Text Mid(std::string_view s, int position, int n) {
  if (position < 1 || static_cast<std::size_t>(position) > s.size() || n <= 0) return {};
  return Text(s.substr(static_cast<std::size_t>(position - 1), static_cast<std::size_t>(n)));
}

std::vector<Text> Split(std::string_view s, std::string_view delimiter) {
  std::vector<Text> pieces;
  if (s.empty()) return pieces;
  if (delimiter.empty()) {
    pieces.emplace_back(s);
    return pieces;
  }
  std::size_t pieceStart = 0;
  std::size_t i = 0;
  while (i < s.size()) {
    if (MatchesAt(s, i, delimiter, false)) {
      pieces.emplace_back(s.substr(pieceStart, i - pieceStart));
      i += delimiter.size();
      pieceStart = i;
    } else {
      i += CharLength(s, i);
    }
  }
  if (pieceStart < s.size()) pieces.emplace_back(s.substr(pieceStart));
  return pieces;
}

namespace {
constexpr std::string_view kFullWidthSpace = "\xA1\xA1";
}

Text Trim(std::string_view s) {
  // Only whole characters are trimmed: an A1 A1 pair counts only where it is
  // a character of its own, never as the tail of another character.
  std::size_t begin = 0;
  while (begin < s.size()) {
    if (s[begin] == ' ') {
      ++begin;
    } else if (s.substr(begin, 2) == kFullWidthSpace) {
      begin += 2;
    } else {
      break;
    }
  }
  // Walk forward to find where the trailing run of spaces begins.
  std::size_t end = begin;
  for (std::size_t i = begin; i < s.size();) {
    const int len = CharLength(s, i);
    const bool blank = s[i] == ' ' || s.substr(i, 2) == kFullWidthSpace;
    i += len;
    if (!blank) end = i;
  }
  return Text(s.substr(begin, end - begin));
}

Text FoldFullWidth(std::string_view s) {
  Text out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const int len = CharLength(s, i);
    const auto lead = static_cast<unsigned char>(s[i]);
    const auto trail = len == 2 ? static_cast<unsigned char>(s[i + 1]) : 0;
    if (len == 2 && lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      out.push_back(static_cast<char>(trail - 0x80));
    } else if (len == 2 && lead == 0xA1 && trail == 0xA1) {
      out.push_back(' ');
    } else {
      out.append(s.substr(i, static_cast<std::size_t>(len)));
    }
    i += static_cast<std::size_t>(len);
  }
  return out;
}

long long ToInteger(std::string_view raw) {
  const Text s = FoldFullWidth(raw);
  std::size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  constexpr long long kMax = std::numeric_limits<long long>::max();
  long long value = 0;
  bool overflow = false;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
    const int digit = s[i] - '0';
    if (value > (kMax - digit) / 10) {
      overflow = true;
    } else if (!overflow) {
      value = value * 10 + digit;
    }
  }
  if (overflow) return negative ? std::numeric_limits<long long>::min() : kMax;
  return negative ? -value : value;
}

Text ReplaceAll(std::string_view s, std::string_view find, std::string_view replacement,
                bool ignoreCase) {
  if (find.empty()) return Text(s);
  Text out;
  out.reserve(s.size());
  std::size_t copied = 0;  // bytes of s already in out
  std::size_t i = 0;
  while (i < s.size()) {
    if (MatchesAt(s, i, find, ignoreCase)) {
      out.append(s.substr(copied, i - copied));
      out.append(replacement);
      i += find.size();
      copied = i;
    } else {
      i += CharLength(s, i);
    }
  }
  out.append(s.substr(copied));
  return out;
}

}  // namespace text
