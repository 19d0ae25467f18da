#include "art/painter/ContactSheet.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

namespace brackenhollow::art {

QImage ComposeContactSheet(const std::vector<std::pair<std::string, QImage>>& pictures, int columns,
                           int thumbnailWidth) {
  if (pictures.empty() || columns <= 0 || thumbnailWidth <= 0) return {};
  constexpr int kGap = 8;
  constexpr int kLabelHeight = 16;
  const QImage& first = pictures.front().second;
  const int thumbnailHeight = thumbnailWidth * first.height() / std::max(1, first.width());
  const int count = static_cast<int>(pictures.size());
  const int usedColumns = std::min(columns, count);
  const int rows = (count + usedColumns - 1) / usedColumns;
  QImage sheet(kGap + usedColumns * (thumbnailWidth + kGap), kGap + rows * (thumbnailHeight + kLabelHeight + kGap),
               QImage::Format_RGB32);
  sheet.fill(QColor(0x30, 0x30, 0x36));
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(10);
  painter.setFont(font);
  painter.setPen(QColor(0xee, 0xee, 0xee));
  for (int index = 0; index < count; ++index) {
    const int x = kGap + (index % usedColumns) * (thumbnailWidth + kGap);
    const int y = kGap + (index / usedColumns) * (thumbnailHeight + kLabelHeight + kGap);
    const QImage& picture = pictures[static_cast<std::size_t>(index)].second;
    painter.drawImage(QRect(x, y, thumbnailWidth, picture.height() * thumbnailWidth / std::max(1, picture.width())),
                      picture);
    const QString name = QString::fromStdString(pictures[static_cast<std::size_t>(index)].first);
    const QString fitted = painter.fontMetrics().elidedText(name, Qt::ElideMiddle, thumbnailWidth);
    painter.drawText(QRect(x, y + thumbnailHeight + 2, thumbnailWidth, kLabelHeight - 2), Qt::AlignHCenter | Qt::AlignTop,
                     fitted);
  }
  return sheet;
}

}  // namespace brackenhollow::art
