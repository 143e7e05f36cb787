#pragma once
// The two kinds of data the program passes around. A Text is GBK (code page
// 936) bytes without NUL, as every routine of the program sees text; Bytes may
// hold anything, NUL included (pictures, raw replies). They are different types
// so a signature always says which one it means.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using Text = std::string;
using Bytes = std::vector<std::uint8_t>;

// A text made from bytes ends at the first NUL byte.
inline Text TextFromBytes(const Bytes& bytes) {
  Text text(bytes.begin(), bytes.end());
  if (auto nul = text.find('\0'); nul != Text::npos) text.resize(nul);
  return text;
}
