#include "app/BannerButton.h"

#include <QPainter>

BannerButton::BannerButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
}

void BannerButton::SetPictureData(const QByteArray& data) {
  QPixmap picture;
  if (!picture.loadFromData(data)) picture = QPixmap();
  picture_ = picture;
  update();
}

void BannerButton::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(rect(), picture_);
}
