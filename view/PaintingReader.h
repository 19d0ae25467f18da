#pragma once
// Reads a painted GIF at the size it is shown, without ever holding the painting at 32 bits a pixel:
// its rows of palette indices (one byte a pixel) are brought to the shown size as they are decoded,
// so a large painting for a dense screen costs one row on the way, not megabytes.

#include <QImage>
#include <QSize>
#include <QString>

namespace brackenhollow {

// The GIF at file (its first image) at size shown: reduced by averaging the area each shown pixel
// covers when smooth, otherwise each shown pixel takes the painted pixel under it (the same size or a
// whole-number enlargement). RGB32, or ARGB32_Premultiplied when the painting has a transparent
// colour. A null image when the file cannot be opened or decoded, or shown is empty.
QImage ReadPaintingAtSize(const QString& file, const QSize& shown, bool smooth);

}  // namespace brackenhollow
