#include "app/Md5Hex.h"

#include <QCryptographicHash>

#include "text/TextRules.h"

Text Md5Hex(std::string_view data, bool upperCase, bool middle16) {
  const QByteArray digest = QCryptographicHash::hash(
      QByteArrayView(data.data(), static_cast<qsizetype>(data.size())), QCryptographicHash::Md5);
  if (digest.size() != 16) return {};
  Text hex = digest.toHex().toUpper().toStdString();
  if (!upperCase) {
    for (char& c : hex) c = text::FoldAscii(c);
  }
  return middle16 ? text::Mid(hex, 9, 16) : hex;
}
