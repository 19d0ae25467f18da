// Old walls of dressed stone seen in perspective: the mansion's blue-washed stone with its tall sash windows,
// and the spiked boundary wall; each block a little different, mortar, weather streaks and damp at the foot.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"

#include "art/painter/Noise.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>

namespace brackenhollow::art {

namespace {

using namespace colours;

constexpr QRgb kMoss = 0x4f6a34;
constexpr QRgb kStain = 0x2a2e3a;

QRgb Blend(QRgb from, QRgb to, double amount) {
  const double t = std::clamp(amount, 0.0, 1.0);
  const auto channel = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
  return qRgb(channel(qRed(from), qRed(to)), channel(qGreen(from), qGreen(to)), channel(qBlue(from), qBlue(to)));
}

// The transform that lays a flat w x h face so that one end stays as drawn and the far end shrinks to
// farScale round the eye line at eye (from the top): a wall running away from the eye. far is "left",
// "right" or "none".
QTransform Receding(double width, double height, const std::string& far, double farScale, double eye) {
  QTransform receding;
  if (far != "left" && far != "right") return receding;
  const double nearX = far == "left" ? width : 0;
  const double farX = width - nearX;
  const QPolygonF flat({QPointF(farX, 0), QPointF(nearX, 0), QPointF(nearX, height), QPointF(farX, height)});
  const QPolygonF seen({QPointF(farX, eye - eye * farScale), QPointF(nearX, 0), QPointF(nearX, height),
                        QPointF(farX, eye + (height - eye) * farScale)});
  QTransform::quadToQuad(flat, seen, receding);
  return receding;
}

// Courses of stone blocks over a w x h face from its top-left: every block its own shade and length,
// pale mortar between, lighter on the top edge of each block where the light catches it.
void PaintCourses(Sketch& sketch, double width, double height, double course, QRgb colour, std::uint32_t seed) {
  QPainter& painter = sketch.Painter();
  QPainterPath face;
  face.addRect(0, 0, width, height);
  sketch.Fill(face, colour);
  painter.save();
  painter.setClipRect(QRectF(0, 0, width, height));
  int row = 0;
  for (double y = 0; y < height; y += course, ++row) {
    double x = -LatticeValue(row, 0, seed) * course * 2;
    int block = 0;
    while (x < width) {
      const double length = course * (1.6 + 1.6 * LatticeValue(row, block, seed ^ 0x77u));
      const double tone = LatticeValue(block, row, seed ^ 0x33u);
      const QRgb fill = Blend(colour, tone < 0.5 ? kStain : kStoneLight, std::abs(tone - 0.5) * 0.35);
      painter.fillRect(QRectF(x + 0.8, y + 0.8, length - 1.6, course - 1.6), QColor(fill));
      QColor lip(kWhite);
      lip.setAlphaF(0.12f);
      painter.fillRect(QRectF(x + 0.8, y + 0.8, length - 1.6, 1.4), lip);
      QColor under(kStain);
      under.setAlphaF(0.22f);
      painter.fillRect(QRectF(x + 0.8, y + course - 2.4, length - 1.6, 1.6), under);
      x += length;
      ++block;
    }
  }
  painter.restore();
  QPainterPath textured;
  textured.addRect(0, 0, width, height);
  sketch.Texture(textured, kStone);
}

// Cool shade over a whole face turned away from the light: amount 0 leaves it lit.
void PaintFaceShade(Sketch& sketch, double width, double height, double amount) {
  if (amount <= 0) return;
  QColor shade(0x3a3656);
  shade.setAlphaF(static_cast<float>(std::clamp(amount, 0.0, 1.0) * 0.6));
  sketch.Painter().fillRect(QRectF(0, 0, width, height), shade);
}

// Rain streaks running down from each of the given points, and damp rising dark and green from the foot.
void PaintWeathering(Sketch& sketch, double width, double height, std::uint32_t seed, int streaks) {
  QPainter& painter = sketch.Painter();
  for (int streak = 0; streak < streaks; ++streak) {
    const double x = LatticeValue(streak, 1, seed) * width;
    const double top = LatticeValue(streak, 2, seed) * height * 0.5;
    const double length = height * (0.2 + 0.5 * LatticeValue(streak, 3, seed));
    const double breadth = 4 + 14 * LatticeValue(streak, 4, seed);
    QLinearGradient fall(0, top, 0, top + length);
    QColor start(kStain);
    start.setAlphaF(0.28f);
    QColor end(kStain);
    end.setAlphaF(0.0f);
    fall.setColorAt(0, start);
    fall.setColorAt(1, end);
    painter.fillRect(QRectF(x - breadth / 2, top, breadth, length), fall);
  }
  QLinearGradient damp(0, height, 0, height - height * 0.22);
  QColor foot(kMoss);
  foot.setAlphaF(0.55f);
  QColor clear(kMoss);
  clear.setAlphaF(0.0f);
  damp.setColorAt(0, foot);
  damp.setColorAt(1, clear);
  painter.fillRect(QRectF(0, height * 0.78, width, height * 0.22), damp);
}

// Rows of slates over a roof's path, each slate its own shade, wet and darker towards the eaves at the
// path's bottom edge (y = 0 in the roof's own units).
void PaintSlates(Sketch& sketch, const QPainterPath& roof, std::uint32_t seed) {
  const QRectF bounds = roof.boundingRect();
  QPainter& painter = sketch.Painter();
  painter.save();
  painter.setClipPath(roof);
  for (double y = bounds.bottom(); y > bounds.top(); y -= 7) {
    const int row = static_cast<int>(-y / 7);
    for (double x = bounds.left() + (row % 2) * 6.0 - 12; x < bounds.right(); x += 12) {
      const double tone = LatticeValue(static_cast<int>(x), row, seed);
      painter.fillRect(QRectF(x + 0.6, y - 6.4, 11, 6.4), QColor(Blend(kRoofGrey, tone < 0.5 ? kGloom : kStoneLight, std::abs(tone - 0.5) * 0.5)));
    }
    painter.setPen(QPen(QColor(kGloom), 0.8));
    painter.drawLine(QPointF(bounds.left(), y), QPointF(bounds.right(), y));
  }
  QLinearGradient wet(0, bounds.top(), 0, bounds.bottom());
  wet.setColorAt(0, QColor(255, 255, 255, 40));
  wet.setColorAt(1, QColor(30, 34, 48, 90));
  painter.fillRect(bounds, wet);
  painter.restore();
  sketch.Outline(roof);
}

// A tall sash window w x h centred on (x, y): stone surround and sill, white frame, glazing bars, panes
// lit warm from within or dark and reflecting the sky.
void PaintSash(Sketch& sketch, double x, double y, double width, double height, bool lit, bool pediment) {
  sketch.Box(x - width / 2 - 6, y - height / 2 - 6, width + 12, height + 12, kStoneLight);
  if (pediment)
    sketch.Polygon({At(x - width / 2 - 10, y - height / 2 - 6), At(x, y - height / 2 - 22), At(x + width / 2 + 10, y - height / 2 - 6)}, kStoneLight);
  sketch.Box(x - width / 2 - 9, y + height / 2 + 4, width + 18, 6, kStoneLight);
  sketch.Box(x - width / 2, y - height / 2, width, height, kHouseWhite);
  const double inset = 3;
  QLinearGradient glass(0, y - height / 2, 0, y + height / 2);
  glass.setColorAt(0, QColor(lit ? kGlow : 0x5a6a86));
  glass.setColorAt(1, QColor(lit ? kFlame : kGloom));
  QPainter& painter = sketch.Painter();
  painter.fillRect(QRectF(x - width / 2 + inset, y - height / 2 + inset, width - 2 * inset, height - 2 * inset), glass);
  painter.setPen(QPen(QColor(kHouseWhite), 1.8));
  painter.drawLine(QPointF(x, y - height / 2), QPointF(x, y + height / 2));
  for (int bar = 1; bar < 4; ++bar) {
    const double barY = y - height / 2 + bar * height / 4;
    painter.drawLine(QPointF(x - width / 2, barY), QPointF(x + width / 2, barY));
  }
  if (lit) sketch.Glow(x, y, width * 1.6, kGlow, 0.45);
}

// A face of the mansion's blue-washed stone, w x h from its top-left, receding as far=left|right says (see
// Receding); windows=N tall windows in each of rows=M storeys, the middle ones left out by skip=K for a door;
// lit=0..1 is the share of windows lit from within; quoins=yes dresses its corners in pale stone.
void PaintStoneFacade(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 400);
  const double height = layer.Number("h", 260);
  const QTransform receding = Receding(width, height, layer.Word("far", "none"), layer.Number("far-scale", 0.7),
                                       layer.Number("eye", height * 0.8));
  const std::uint32_t seed = sketch.Seed();
  sketch.Painter().save();
  sketch.Painter().setTransform(receding, true);
  PaintCourses(sketch, width, height, layer.Number("course", 16), layer.Colour("colour", kMansionBlueDark), seed);
  const int windows = static_cast<int>(layer.Number("windows", 0));
  const int rows = static_cast<int>(layer.Number("rows", 1));
  const int skip = static_cast<int>(layer.Number("skip", 0));
  const double litShare = layer.Number("lit", 0.3);
  const double windowWidth = layer.Number("window-w", 34);
  const double storey = height / rows;
  for (int row = 0; row < rows && windows > 0; ++row)
    for (int column = 0; column < windows; ++column) {
      const int fromMiddle = std::abs(2 * column - (windows - 1));
      if (skip > 0 && row == rows - 1 && fromMiddle < skip) continue;
      const double x = width * (column + 0.5) / windows;
      const double y = storey * (row + 0.45);
      PaintSash(sketch, x, y, windowWidth, storey * 0.52, LatticeValue(row, column, seed ^ 0x11u) < litShare, row == rows - 1);
    }
  // A string course between the storeys.
  for (int row = 1; row < rows; ++row) sketch.Box(-2, storey * row - 4, width + 4, 7, kStoneLight);
  const double course = layer.Number("course", 16);
  if (layer.Flag("quoins", false))
    for (double y = 0; y < height; y += course * 1.25)
      for (const double x : {0.0, width}) {
        const double reach = course * ((static_cast<int>(y / (course * 1.25)) % 2 == 0) ? 1.7 : 1.1);
        sketch.Box(x == 0 ? 0 : width - reach, y + 1, reach, course * 1.25 - 2, kStone);
      }
  PaintWeathering(sketch, width, height, seed, static_cast<int>(width / 40));
  // roof=H: the slope of a slate roof rising H above the cornice, seen from below.
  const double roofHeight = layer.Number("roof", 0);
  if (roofHeight > 0) {
    const QPainterPath roof = PathThrough({At(-10, -8), At(0, -8 - roofHeight), At(width, -8 - roofHeight), At(width + 10, -8)});
    sketch.Fill(roof, kRoofGrey);
    PaintSlates(sketch, roof, seed);
  }
  if (layer.Flag("cornice", false)) {
    sketch.Box(-8, -14, width + 16, 16, kStoneLight);
    sketch.Box(-4, -4, width + 8, 5, kStone);
  }
  sketch.Painter().restore();
}

// The boundary wall's stone, w x h from its top-left and receding as far= says: big rough blocks, a coping of
// flat capstones, iron spikes along the top, some bent and rusting with red stains run down below them;
// shade=0..1 cools a face turned from the light.
void PaintSpikedWallRun(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 596);
  const double height = layer.Number("h", 220);
  const QTransform receding = Receding(width, height, layer.Word("far", "none"), layer.Number("far-scale", 0.6),
                                       layer.Number("eye", height * 0.75));
  const std::uint32_t seed = sketch.Seed();
  QPainter& painter = sketch.Painter();
  painter.save();
  painter.setTransform(receding, true);
  // Spikes first, so the coping covers their feet; each leans a little, a few badly.
  for (double x = 8; x < width - 4; x += 17) {
    const int index = static_cast<int>(x);
    const double lean = (LatticeValue(index, 1, seed) - 0.5) * 6 + (LatticeValue(index, 2, seed) < 0.08 ? 14 : 0);
    const double tall = 34 + 8 * LatticeValue(index, 3, seed);
    sketch.Line(x, -4, x + lean, -tall, kIron, 3.2);
    sketch.Polygon({At(x + lean - 5, -tall + 2), At(x + lean * 1.08, -tall - 14), At(x + lean + 5, -tall + 2)}, kIron);
    if (LatticeValue(index, 4, seed) < 0.4) sketch.Line(x + lean * 0.3 - 1, -tall * 0.3, x + lean * 0.4 - 1, -tall * 0.55, kRust, 1.6);
  }
  sketch.Line(0, -22, width, -22, kIron, 2.6);
  PaintCourses(sketch, width, height, layer.Number("course", 26), layer.Colour("colour", kStoneDark), seed);
  // Rust bleeding down from the spikes.
  for (double x = 8; x < width; x += 17) {
    if (LatticeValue(static_cast<int>(x), 5, seed) > 0.3) continue;
    QLinearGradient bleed(0, 0, 0, height * 0.5);
    QColor rust(kRustDark);
    rust.setAlphaF(0.35f);
    QColor none(kRustDark);
    none.setAlphaF(0.0f);
    bleed.setColorAt(0, rust);
    bleed.setColorAt(1, none);
    painter.fillRect(QRectF(x - 3, 4, 6, height * 0.5), bleed);
  }
  PaintWeathering(sketch, width, height, seed ^ 0x99u, static_cast<int>(width / 30));
  PaintFaceShade(sketch, width, height, layer.Number("shade", 0));
  // Cracks wandering through a few blocks.
  for (int crack = 0; crack < 4; ++crack) {
    double x = LatticeValue(crack, 7, seed) * width;
    double y = height * (0.2 + 0.5 * LatticeValue(crack, 8, seed));
    QPainterPath line(QPointF(x, y));
    for (int step = 0; step < 5; ++step) {
      x += (LatticeValue(crack, 10 + step, seed) - 0.5) * 18;
      y += 8 + 6 * LatticeValue(crack, 20 + step, seed);
      line.lineTo(x, y);
    }
    painter.strokePath(line, QPen(QColor(kInk), 1.0));
  }
  // The coping: flat capstones overhanging the face, each set a little differently.
  for (double x = -4; x < width + 4; x += 30) {
    const double tilt = (LatticeValue(static_cast<int>(x) + 500, 1, seed) - 0.5) * 2.4;
    sketch.Polygon({At(x, -8 + tilt), At(x + 30, -8 - tilt), At(x + 30, 4 - tilt), At(x, 4 + tilt)}, kStone);
  }
  painter.restore();
}

// A hipped slate roof w wide at its eaves (the origin's line, from the left end) and h high, narrowing to a
// ridge; rows of slates, dormers=N small gabled windows, two tall brick chimneys with pots.
void PaintSlateRoof(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 400);
  const double height = layer.Number("h", 90);
  const double inset = layer.Number("inset", height * 0.9);
  const std::uint32_t seed = sketch.Seed();
  for (const double at : {0.18, 0.8}) {
    const double x = width * at;
    sketch.Box(x - 12, -height - 46, 24, 70, kBrickDark);
    sketch.Box(x - 15, -height - 50, 30, 8, kStone);
    sketch.Box(x - 9, -height - 60, 7, 11, kRust);
    sketch.Box(x + 2, -height - 58, 7, 9, kRust);
  }
  QPainterPath roof = PathThrough({At(-8, 0), At(inset, -height), At(width - inset, -height), At(width + 8, 0)});
  sketch.Fill(roof, kRoofGrey);
  PaintSlates(sketch, roof, seed);
  const int dormers = static_cast<int>(layer.Number("dormers", 0));
  for (int dormer = 0; dormer < dormers; ++dormer) {
    const double x = inset + (width - 2 * inset) * (dormer + 0.5) / dormers;
    sketch.Box(x - 13, -height * 0.62, 26, height * 0.4, kStoneLight);
    sketch.Box(x - 8, -height * 0.56, 16, height * 0.3, LatticeValue(dormer, 3, seed) < 0.4 ? kGlow : kGloom);
    sketch.Polygon({At(x - 18, -height * 0.6), At(x, -height * 0.86), At(x + 18, -height * 0.6)}, kRoofGrey);
  }
}

}  // namespace

void RegisterMasonryProps(PropRegistry& registry) {
  registry.Add("stone-facade", PaintStoneFacade);
  registry.Add("spiked-wall-run", PaintSpikedWallRun);
  registry.Add("slate-roof", PaintSlateRoof);
}

}  // namespace brackenhollow::art
