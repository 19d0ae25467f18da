#include "view/CS309PictureBox.h"

#include <QImageReader>
#include <QPainter>

#include "view/PicturePath.h"

namespace brackenhollow {

CS309PictureBox::CS309PictureBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CS309PictureBox::SetPictureFile(const QString& path) {
  m_pictureFile = path;
  QImageReader reader(QString::fromStdString(PictureFilePath(path.toStdString())));
  m_picture = QPixmap::fromImage(reader.read());
  update();
}

void CS309PictureBox::SetPictureShown(bool shown) {
  setVisible(shown);
  if (shown) raise();
}

void CS309PictureBox::PutStartSetting(int /*dispatchId*/, int /*value*/) {}

void CS309PictureBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (m_picture.isNull()) {
    // Quiet placeholder: the game goes on without its picture.
    painter.fillRect(rect(), QColor(0x20, 0x24, 0x2c));
    painter.setPen(QColor(0x80, 0x88, 0x96));
    painter.drawText(rect(), Qt::AlignCenter, tr("(no picture)"));
    return;
  }
  // The margins a differently shaped box leaves blend into the dialog.
  painter.fillRect(rect(), palette().window());
  const QSize fitted = m_picture.size().scaled(size(), Qt::KeepAspectRatio);
  const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(target, m_picture);
}

}  // namespace brackenhollow
