#pragma once
// The space a picture control is given: the control stands centred in it at the size its picture
// takes, and the frame paints the margins around it.

#include <QWidget>

namespace brackenhollow {

class CS309PictureBox;

class PictureFrame : public QWidget {
  Q_OBJECT

 public:
  // Takes picture as its one child.
  explicit PictureFrame(CS309PictureBox* picture, QWidget* parent = nullptr);

  CS309PictureBox* Picture() const { return m_picture; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // On another screen the scale may differ, and with it the size the picture takes.
  bool event(QEvent* event) override;

 private:
  // Puts the picture in the middle at the size it takes in the frame.
  void PlacePicture();

  CS309PictureBox* m_picture;
};

}  // namespace brackenhollow
