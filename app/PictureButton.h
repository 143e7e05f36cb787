#pragma once
#include <QAbstractButton>
#include <QPixmap>

// A button drawn entirely by its pictures: normal, pointer over it, pressed
// and disabled. In toggle mode a release inside flips the checked state and
// the button shows the pressed picture while checked, without hover or press
// feedback.
class PictureButton : public QAbstractButton {
  Q_OBJECT
 public:
  struct Pictures {
    QPixmap normal, hover, pressed, disabled;
  };
  PictureButton(Pictures pictures, bool toggleMode, QWidget* parent);

  // The picture shown now; tests read it.
  const QPixmap& CurrentPicture() const;

 protected:
  void paintEvent(QPaintEvent*) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;

 private:
  Pictures pictures_;
  bool hovered_ = false;
};
