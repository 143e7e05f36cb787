#pragma once
#include <QAbstractButton>
#include <QPixmap>

// The start-up banner: shows one picture over its whole area and reports
// clicks. A picture that cannot be decoded shows as an empty banner.
class BannerButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit BannerButton(QWidget* parent);
  void SetPictureData(const QByteArray& data);
  const QPixmap& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QPixmap picture_;
};
