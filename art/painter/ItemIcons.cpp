#include "art/painter/ItemIcons.h"

#include "art/painter/GifWriter.h"
#include "art/painter/Palette.h"
#include "art/painter/Quantiser.h"
#include "art/painter/Renderer.h"
#include "art/painter/Sketch.h"
#include "art/painter/props/Kit.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace brackenhollow::art {

using namespace colours;

namespace {

// The thing fills this share of its icon's side, leaving a margin round it.
constexpr double kFill = 0.9;
// Things are drawn about this many frame units across.
constexpr int kNaturalSize = 100;

// A hank of thick twine wound round itself, a loose end hanging; about 90 across, origin at the centre.
void PaintTwine(Sketch& sketch, const Layer&) {
  for (int turn = 0; turn < 5; ++turn) {
    QPainterPath loop;
    loop.addEllipse(QPointF(turn * 3 - 6, turn * 2 - 4), 40 - turn * 3, 22 + turn);
    sketch.Stroke(loop, kInk, 8);
    sketch.Stroke(loop, kTwine, 5);
  }
  QPainterPath end;
  end.moveTo(30, 14);
  end.cubicTo(50, 30, 30, 50, 52, 62);
  sketch.Stroke(end, kInk, 8);
  sketch.Stroke(end, kTwine, 5);
}

// A brown rabbit sitting up, about 90 high; origin at its feet.
void PaintRabbit(Sketch& sketch, const Layer&) {
  sketch.Oval(0, -34, 34, 32, kFur);
  sketch.Oval(28, -10, 14, 8, kFur);
  sketch.Oval(-30, -28, 10, 10, kWhite);
  sketch.Oval(10, -76, 20, 18, kFur);
  for (const double lean : {-1.0, 1.0}) {
    QPainterPath ear;
    ear.addEllipse(QPointF(6 + lean * 8, -112), 6, 22);
    sketch.Shape(QTransform().translate(6 + lean * 8, -100).rotate(lean * 14).translate(-6 - lean * 8, 100).map(ear),
                 kFur);
  }
  sketch.FlatOval(20, -80, 3.5, 3.5, kInk);
  sketch.FlatOval(29, -70, 3, 2.2, kPink);
}

// A glass jar with a lid, little lights of fireflies inside; about 70 wide, origin at its foot.
void PaintFireflyJar(Sketch& sketch, const Layer&) {
  sketch.Shape(RoundedBox(-34, -96, 68, 96, 14), kSkyPale);
  sketch.Box(-28, -108, 56, 14, kMetal);
  for (int fly = 0; fly < 9; ++fly) {
    const double x = -22 + 44 * Scatter(fly * 3 + 1);
    const double y = -84 + 72 * Scatter(fly * 5 + 2);
    sketch.FlatOval(x, y, 7, 7, kGlow);
    sketch.FlatOval(x, y, 3, 3, kFlameCore);
  }
  sketch.FlatBox(-24, -90, 7, 70, kWhite);
}

// A cut gem seen from the side, about 70 wide, in the colour the layer names; origin at its centre.
void PaintGem(Sketch& sketch, const Layer& layer) {
  const QRgb colour = layer.Colour("colour", kRuby);
  sketch.Polygon({At(-36, -10), At(-20, -30), At(20, -30), At(36, -10), At(0, 34)}, colour);
  sketch.Polygon({At(-36, -10), At(36, -10), At(0, 34)}, QColor(colour).darker(130).rgb());
  sketch.FlatPolygon({At(-16, -26), At(-4, -26), At(-14, -12)}, kWhite);
}

// A lump of soft red wax, melted out of shape; about 90 wide, origin at its foot.
void PaintWaxLump(Sketch& sketch, const Layer&) {
  QPainterPath lump;
  lump.moveTo(-46, 0);
  lump.cubicTo(-50, -30, -20, -44, 0, -36);
  lump.cubicTo(24, -50, 50, -30, 44, 0);
  lump.closeSubpath();
  sketch.Shape(lump, kCrimson);
  sketch.FlatOval(-12, -26, 10, 5, kPink);
}

// The item's layers laid together on a clear frame enlarged by resolution, and the square round the thing
// with a margin. Throws SceneError for an item that paints nothing.
QImage PaintItemFrame(const Picture& item, int resolution, QRect& square) {
  // Painted alone and laid together, so the background stays see-through.
  QImage canvas(kFrameWidth * resolution, kFrameHeight * resolution, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  PaintLayersAlone(
      item, ItemProps(), 0,
      [&canvas](std::size_t, const QImage& alone) {
        QPainter painter(&canvas);
        painter.drawImage(0, 0, alone);
      },
      resolution);
  int left = canvas.width();
  int right = -1;
  int top = canvas.height();
  int bottom = -1;
  for (int y = 0; y < canvas.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
    for (int x = 0; x < canvas.width(); ++x) {
      if (qAlpha(row[x]) == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = y;
    }
  }
  if (right < 0) throw SceneError(item.where + ": the item " + item.item + " paints nothing");
  const QRect drawn(QPoint(left, top), QPoint(right, bottom));
  const int side = static_cast<int>(std::ceil(std::max(drawn.width(), drawn.height()) / kFill));
  square = QRect(drawn.center().x() - side / 2, drawn.center().y() - side / 2, side, side);
  return canvas;
}

// The framed thing brought down to a size x size icon.
QImage Reduce(const QImage& canvas, const QRect& square, int size) {
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(QRect(0, 0, size, size), canvas, square);
  return icon;
}

// Painting a thing about kNaturalSize across at about twice the icon's size and bringing it down keeps
// its outline clean.
int ResolutionFor(int size) {
  return std::max(1, (2 * size + kNaturalSize - 1) / kNaturalSize);
}

}  // namespace

const PropRegistry& ItemProps() {
  static const PropRegistry registry = [] {
    PropRegistry props = PropRegistry::Everything();
    props.Add("item-twine", PaintTwine);
    props.Add("item-rabbit", PaintRabbit);
    props.Add("item-jar", PaintFireflyJar);
    props.Add("item-gem", PaintGem);
    props.Add("item-wax", PaintWaxLump);
    return props;
  }();
  return registry;
}

std::vector<QImage> PaintItemIcons(const Picture& item) {
  // One painting for every size: the outline's weight follows the painting, so each size looks alike.
  QRect square;
  const QImage canvas = PaintItemFrame(item, ResolutionFor(kItemIconSize * 2), square);
  std::vector<QImage> icons;
  for (int resolution = 1; resolution <= kLargestItemResolution; ++resolution)
    icons.push_back(Reduce(canvas, square, kItemIconSize * resolution));
  return icons;
}

std::string WriteItemIcons(const Picture& item, const std::string& folder) {
  const std::string stem = std::filesystem::path(item.fileName).stem().string();
  const std::vector<QImage> icons = PaintItemIcons(item);
  for (int resolution = 1; resolution <= kLargestItemResolution; ++resolution) {
    const std::string name = resolution == 1 ? item.fileName : stem + "@" + std::to_string(resolution) + "x.gif";
    const std::string path = (std::filesystem::path(folder) / name).string();
    std::string error;
    int transparentIndex = -1;
    const QImage indexed = QuantiseWithTransparency(icons[resolution - 1], transparentIndex, error);
    if (indexed.isNull() || !WriteGif(path, indexed, error, transparentIndex)) return path + ": " + error;
  }
  return {};
}

}  // namespace brackenhollow::art
