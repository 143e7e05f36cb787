#pragma once
// Tests write their texts in UTF-8 source; the program works in GBK.
#include "text/GbkCodec.h"

inline Text G(std::string_view utf8) { return Utf8ToGbk(utf8); }
inline std::string U(std::string_view gbk) { return GbkToUtf8(gbk); }
