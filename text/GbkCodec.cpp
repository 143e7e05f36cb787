#include "text/GbkCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Stateless converters can be kept and reused; one set per thread because
// QStringConverter objects are not shared across threads.
QStringDecoder& Decoder() {
  thread_local QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
  return decoder;
}

QStringEncoder& Encoder() {
  thread_local QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
  return encoder;
}

}  // namespace

QString GbkToQString(std::string_view gbk) {
  if (gbk.empty()) return {};
  return Decoder().decode(QByteArrayView(gbk.data(), static_cast<qsizetype>(gbk.size())));
}

Text QStringToGbk(const QString& s) {
  qsizetype nul = s.indexOf(QChar(u'\0'));
  const QString head = nul < 0 ? s : s.left(nul);
  if (head.isEmpty()) return {};
  const QByteArray bytes = Encoder().encode(head);
  return Text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::u16string GbkToUtf16(std::string_view gbk) { return GbkToQString(gbk).toStdU16String(); }

Text Utf16ToGbk(std::u16string_view utf16) {
  return QStringToGbk(QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size())));
}

std::string GbkToUtf8(std::string_view gbk) { return GbkToQString(gbk).toStdString(); }

Text Utf8ToGbk(std::string_view utf8) {
  return QStringToGbk(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}
