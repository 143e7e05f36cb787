#include "app/PictureButton.h"

#include <QPainter>

PictureButton::PictureButton(Pictures pictures, bool toggleMode, QWidget* parent)
    : QAbstractButton(parent), pictures_(std::move(pictures)) {
  setCheckable(toggleMode);
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
}

const QPixmap& PictureButton::CurrentPicture() const {
  if (!isEnabled() && !pictures_.disabled.isNull()) return pictures_.disabled;
  if (isCheckable()) return isChecked() ? pictures_.pressed : pictures_.normal;
  if (isDown() && !pictures_.pressed.isNull()) return pictures_.pressed;
  if (hovered_ && !pictures_.hover.isNull()) return pictures_.hover;
  return pictures_.normal;
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, CurrentPicture());
}

void PictureButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}
