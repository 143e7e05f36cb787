#pragma once
// Conversions between the program's GBK texts and the encodings of its
// boundaries: Qt and the web engine (UTF-16), SQLite and addresses (UTF-8).
// Characters GBK cannot hold become "?", as the system's own conversion does.
#include <QString>
#include <string>
#include <string_view>

#include "text/Text.h"

std::u16string GbkToUtf16(std::string_view gbk);
// Stops at the first NUL, as a text does.
Text Utf16ToGbk(std::u16string_view utf16);

QString GbkToQString(std::string_view gbk);
Text QStringToGbk(const QString& s);

std::string GbkToUtf8(std::string_view gbk);
Text Utf8ToGbk(std::string_view utf8);
