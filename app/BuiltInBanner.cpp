#include "app/BuiltInBanner.h"

#include <QFile>

Bytes BuiltInBannerPicture() {
  QFile file(QStringLiteral(":/pictures/banner.jpg"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray data = file.readAll();
  return Bytes(data.begin(), data.end());
}
