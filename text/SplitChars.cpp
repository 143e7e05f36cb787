#include "text/SplitChars.h"

int SplitChars(std::string_view s, std::vector<Text>& list) {
  list.clear();
  std::size_t i = 0;
  while (i < s.size()) {
    std::size_t len = 1;
    if (i + 1 < s.size()) {
      const auto b = static_cast<unsigned char>(s[i]);
      if (b >= 0x81 || (s[i] == '\r' && s[i + 1] == '\n')) len = 2;
    }
    list.emplace_back(s.substr(i, len));
    i += len;
  }
  return static_cast<int>(list.size());
}
