#include "view/PictureFrame.h"

#include <QResizeEvent>

#include "view/CS309PictureBox.h"

namespace brackenhollow {

namespace {

// The pictures' own proportions, for the frame's wishes before any picture is loaded.
constexpr QSize kPreferredSize(596, 408);
constexpr QSize kSmallestSize(149, 102);

}  // namespace

PictureFrame::PictureFrame(CS309PictureBox* picture, QWidget* parent) : QWidget(parent), m_picture(picture) {
  m_picture->setParent(this);
  setAutoFillBackground(true);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  connect(m_picture, &CS309PictureBox::PictureChanged, this, &PictureFrame::PlacePicture);
}

QSize PictureFrame::sizeHint() const { return kPreferredSize; }

QSize PictureFrame::minimumSizeHint() const { return kSmallestSize; }

void PictureFrame::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlacePicture();
}

bool PictureFrame::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  if (event->type() == QEvent::ScreenChangeInternal) PlacePicture();
  return handled;
}

void PictureFrame::PlacePicture() {
  const QSize fitted = m_picture->FittedSize(size());
  m_picture->setGeometry(QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted));
}

}  // namespace brackenhollow
