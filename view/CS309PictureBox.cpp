#include "view/CS309PictureBox.h"

#include <QImageReader>
#include <QPainter>

#include <cmath>

#include "view/PaintingReader.h"
#include "view/PicturePath.h"

namespace brackenhollow {

namespace {

// The larger painted sizes lie beside the picture under Qt's high-density names.
constexpr int kLargestScale = 3;

QString ScaledName(const QString& file, int scale) {
  if (scale == 1) return file;
  const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
  const qsizetype slash = file.lastIndexOf(QLatin1Char('/'));
  const qsizetype cut = dot > slash ? dot : file.size();
  return file.left(cut) + QStringLiteral("@%1x").arg(scale) + file.mid(cut);
}

PixelSize ToPixels(const QSizeF& size) {
  return {static_cast<int>(std::floor(size.width())), static_cast<int>(std::floor(size.height()))};
}

}  // namespace

CS309PictureBox::CS309PictureBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName(tr("Picture"));
}

void CS309PictureBox::SetPictureFile(const QString& path) {
  m_pictureFile = path;
  m_sources.clear();
  m_scaled = QPixmap();
  m_scaledSource = -1;
  const QString file = QString::fromStdString(PictureFilePath(path.toStdString()));
  for (int scale = 1; scale <= kLargestScale; ++scale) {
    QImageReader reader(ScaledName(file, scale));
    const QSize size = reader.size();
    // A larger painted size counts only when it really is larger: a stray file must not shrink it.
    if (!size.isValid() || (!m_sources.empty() && size.width() <= m_sources.back().size.width())) {
      if (scale == 1) break;
      continue;
    }
    m_sources.push_back({reader.fileName(), size});
  }
  emit PictureChanged();
  update();
}

void CS309PictureBox::SetPictureShown(bool shown) {
  setVisible(shown);
  if (shown) raise();
}

void CS309PictureBox::PutStartSetting(int /*dispatchId*/, int /*value*/) {}

std::vector<PixelSize> CS309PictureBox::PaintedSizes() const {
  std::vector<PixelSize> sizes;
  for (const Source& source : m_sources) sizes.push_back({source.size.width(), source.size.height()});
  return sizes;
}

QSize CS309PictureBox::FittedSize(const QSize& space) const {
  if (m_sources.empty()) return space;
  const double ratio = devicePixelRatioF();
  const PictureFit fit = FitPicture(ToPixels(QSizeF(space) * ratio), PaintedSizes());
  if (fit.source < 0) return {0, 0};
  // Rounded down, so the drawn picture never spills over the space it was given.
  return QSize(static_cast<int>(fit.shown.width / ratio), static_cast<int>(fit.shown.height / ratio));
}

const QPixmap& CS309PictureBox::Scaled(const PictureFit& fit) {
  const QSize shown(fit.shown.width, fit.shown.height);
  if (fit.source == m_scaledSource && m_scaled.size() == shown) return m_scaled;
  // The old pixmap goes first, so that it is not held while the painting is decoded and scaled.
  m_scaled = QPixmap();
  m_scaled = QPixmap::fromImage(ReadPaintingAtSize(m_sources[static_cast<std::size_t>(fit.source)].file, shown, fit.smooth));
  m_scaledSource = fit.source;
  return m_scaled;
}

void CS309PictureBox::hideEvent(QHideEvent* event) {
  // A hidden picture (the start window's once the game runs, the compact layout's behind the text)
  // holds no pixels; the next paint makes them anew.
  m_scaled = QPixmap();
  m_scaledSource = -1;
  QWidget::hideEvent(event);
}

void CS309PictureBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const double ratio = devicePixelRatioF();
  const PictureFit fit = FitPicture(ToPixels(QSizeF(size()) * ratio), PaintedSizes());
  const QPixmap* pixmap = fit.source >= 0 ? &Scaled(fit) : nullptr;
  if (pixmap == nullptr || pixmap->isNull()) {
    // Quiet placeholder: the game goes on without its picture.
    painter.fillRect(rect(), QColor(0x20, 0x24, 0x2c));
    painter.setPen(QColor(0x80, 0x88, 0x96));
    painter.drawText(rect(), Qt::AlignCenter, tr("(no picture)"));
    m_drawnSource = QSize();
    return;
  }
  m_drawnSource = m_sources[static_cast<std::size_t>(fit.source)].size;
  // Drawn pixel for pixel: the pixmap already has the device size it is shown at. It is marked with
  // the screen's scale in place, once: marking a copy would copy every pixel at every paint.
  if (m_scaled.devicePixelRatio() != ratio) m_scaled.setDevicePixelRatio(ratio);
  const QPixmap& device = m_scaled;
  const QSizeF logical = QSizeF(device.size()) / ratio;
  const QPointF corner((width() - logical.width()) / 2, (height() - logical.height()) / 2);
  if (logical != QSizeF(size())) painter.fillRect(rect(), palette().window());
  painter.drawPixmap(corner, device);
}

}  // namespace brackenhollow
