#include "bank/EmbeddedBank.h"

#include <QFile>

QByteArray EmbeddedQuestionBank() {
  QFile file(QStringLiteral(":/bank/study.mdb"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}
