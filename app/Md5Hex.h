#pragma once
#include <string_view>

#include "text/Text.h"

// The MD5 digest of the bytes as hexadecimal digits: 32 lower-case digits, or
// upper case, or only digits 9 to 24 (the "middle 16"). Empty on failure.
Text Md5Hex(std::string_view data, bool upperCase = false, bool middle16 = false);
