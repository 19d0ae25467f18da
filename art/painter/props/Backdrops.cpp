// Whole-frame backgrounds and light: sky, ground, hills, darkness, glows, lettering.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"

#include <QLinearGradient>

namespace brackenhollow::art {

namespace {

using namespace colours;

// Sky from the top of the frame down to the horizon as a gradient, by time of day: day, morning, afternoon,
// dusk, night or overcast. The horizon's colour becomes the haze far things fade into.
void PaintSky(Sketch& sketch, const Layer& layer) {
  const double horizon = layer.Number("horizon", kFrameHeight);
  const std::string time = layer.Word("time", "day");
  struct Colours {
    QRgb top, middle, bottom;
  };
  Colours colours{kSkyTop, kSky, kSkyPale};
  if (time == "day") colours = {0x4f94d8, 0x8cc4ee, 0xd8eef8};
  else if (time == "morning") colours = {0x7aa8d8, 0xc4d4e6, 0xf6dcb4};
  else if (time == "afternoon") colours = {0x3f7fc8, 0x9cc0dc, 0xf2e2b0};
  else if (time == "dusk") colours = {0x4a3f86, 0xc07a8a, 0xf4a85e};
  else if (time == "night") colours = {0x0c1228, 0x1c2848, 0x34466e};
  else if (time == "overcast") colours = {0x8e9aa8, 0xb8c2cc, 0xdde2e6};
  else throw SceneError(layer.Where() + ": time must be day, morning, afternoon, dusk, night or overcast");
  QLinearGradient gradient(0, 0, 0, horizon);
  gradient.setColorAt(0.0, QColor::fromRgb(colours.top));
  gradient.setColorAt(0.6, QColor::fromRgb(colours.middle));
  gradient.setColorAt(1.0, QColor::fromRgb(colours.bottom));
  sketch.Painter().setPen(Qt::NoPen);
  sketch.Painter().setBrush(gradient);
  sketch.Painter().drawRect(QRectF(0, 0, kFrameWidth, horizon + 1));
  sketch.Air().SetHaze(colours.bottom);
  if (time == "night") {
    for (int star = 0; star < 60; ++star)
      sketch.FlatOval(Scatter(star) * kFrameWidth, Scatter(star + 100) * horizon * 0.8, 0.6 + Scatter(star + 7), 0.6 + Scatter(star + 7), kWhite);
  }
}

// The sun with a soft halo of light round it; origin at its centre.
void PaintSun(Sketch& sketch, const Layer& layer) {
  const double radius = layer.Number("r", 26);
  sketch.Glow(0, 0, radius * 4, kSunGlow, 0.35);
  sketch.Oval(0, 0, radius, radius, kSun);
}

// A puffy cloud about 120 wide, its lobes shaped by seed so no two skies repeat; origin at its bottom middle.
void PaintCloud(Sketch& sketch, const Layer& layer) {
  const QRgb colour = layer.Colour("colour", kCloud);
  const int seed = static_cast<int>(layer.Number("seed", 0));
  const auto vary = [seed](int lobe) { return seed == 0 ? 1.0 : 0.7 + 0.6 * Scatter(seed * 7 + lobe); };
  QPainterPath path;
  path.addEllipse(QPointF(-30 * vary(1), -14), 30 * vary(2), 16 * vary(3));
  path.addEllipse(QPointF(5, -24 * vary(4)), 30 * vary(5), 24 * vary(6));
  path.addEllipse(QPointF(38 * vary(7), -12), 26 * vary(8), 13 * vary(9));
  if (seed % 2 == 1) path.addEllipse(QPointF(-58 * vary(10), -8), 18, 9);
  path.addRoundedRect(QRectF(-60, -16, 122, 16), 8, 8);
  sketch.Shape(Merged(path), colour);
}

// Ground from the line top down to the bottom of the frame, with optional grass tufts.
void PaintGround(Sketch& sketch, const Layer& layer) {
  const double top = layer.Number("top", 240);
  const QRgb colour = layer.Colour("colour", kGrass);
  const QRgb tuftColour = layer.Colour("tuft-colour", kGrassDark);
  sketch.FlatBox(0, top, kFrameWidth, kFrameHeight - top + 1, colour);
  sketch.InkLine(0, top, kFrameWidth, top);
  const int tufts = static_cast<int>(layer.Number("tufts", 0));
  const int seed = static_cast<int>(layer.Number("seed", 1));
  for (int tuft = 0; tuft < tufts; ++tuft) {
    const double depth = Scatter(seed * 1000 + tuft);
    const double x = Scatter(seed * 1000 + tuft + 500) * kFrameWidth;
    const double y = top + 8 + depth * (kFrameHeight - top - 10);
    const double size = 3 + depth * 7;
    sketch.Line(x - size, y, x - size * 1.4, y - size, tuftColour, 1.5);
    sketch.Line(x, y, x, y - size * 1.4, tuftColour, 1.5);
    sketch.Line(x + size, y, x + size * 1.4, y - size, tuftColour, 1.5);
  }
}

// A band of rolling hills whose feet stand on the line y=0; origin at the left edge.
void PaintHills(Sketch& sketch, const Layer& layer) {
  const QRgb colour = layer.Colour("colour", kHillFar);
  const double height = layer.Number("h", 40);
  const double width = layer.Number("w", kFrameWidth);
  QPainterPath path;
  path.moveTo(0, 0);
  path.lineTo(0, -height * 0.5);
  path.cubicTo(width * 0.15, -height * 1.3, width * 0.3, -height * 0.2, width * 0.45, -height * 0.7);
  path.cubicTo(width * 0.6, -height * 1.2, width * 0.8, -height * 0.1, width, -height * 0.8);
  path.lineTo(width, 0);
  path.closeSubpath();
  sketch.Shape(path, colour);
}

// Darkness over the whole frame; strength near 1 hides nearly everything.
void PaintDarkness(Sketch& sketch, const Layer& layer) {
  sketch.Veil(kGloom, layer.Number("amount", 0.8));
}

// Soft light around the origin.
void PaintGlow(Sketch& sketch, const Layer& layer) {
  sketch.Glow(0, 0, layer.Number("r", 120), layer.Colour("colour", kGlow), layer.Number("strength", 0.5));
}

// Large outlined lettering centred on the origin, for the title and signs painted on walls.
void PaintLettering(Sketch& sketch, const Layer& layer) {
  const QString text = QString::fromStdString(layer.Word("text", ""));
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setPixelSize(static_cast<int>(layer.Number("size", 40)));
  font.setBold(true);
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF bounds = path.boundingRect();
  path.translate(-bounds.center());
  const QRgb shadow = layer.Colour("shadow", kInk);
  QPainterPath shadowPath = path.translated(3, 3);
  sketch.Fill(shadowPath, shadow);
  sketch.Shape(path, layer.Colour("colour", kGold));
}

// Plain text in a box centred on the origin.
void PaintText(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 200);
  const double height = layer.Number("h", 40);
  sketch.Text(QRectF(-width / 2, -height / 2, width, height), QString::fromStdString(layer.Word("text", "")),
              layer.Number("size", 16), layer.Colour("colour", kInk), layer.Flag("bold", true));
}

// Gusts of wind: curled white strokes across a band w wide; origin at the band's left middle.
void PaintWind(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 500);
  const int gusts = static_cast<int>(layer.Number("count", 6));
  const QRgb colour = layer.Colour("colour", kWhite);
  for (int gust = 0; gust < gusts; ++gust) {
    const double x = Scatter(gust + 40) * width * 0.8;
    const double y = (Scatter(gust + 90) - 0.5) * 120;
    const double length = 60 + Scatter(gust + 7) * 80;
    QPainterPath path;
    path.moveTo(x, y);
    path.cubicTo(x + length * 0.3, y - 10, x + length * 0.6, y + 10, x + length, y);
    path.arcTo(QRectF(x + length - 8, y - 16, 16, 16), -90, 270);
    sketch.Stroke(path, colour, 3);
  }
}

// Light rays fanning out from the origin, like the gleam of something shiny.
void PaintTwinkle(Sketch& sketch, const Layer& layer) {
  const double size = layer.Number("r", 14);
  const QRgb colour = layer.Colour("colour", kWhite);
  sketch.FlatPolygon({At(0, -size), At(size * 0.2, -size * 0.2), At(size, 0), At(size * 0.2, size * 0.2), At(0, size),
                      At(-size * 0.2, size * 0.2), At(-size, 0), At(-size * 0.2, -size * 0.2)},
                     colour);
  sketch.FlatOval(0, 0, size * 0.25, size * 0.25, kSunGlow);
}

// A plain rectangle (a strip of colour) with its top-left corner at the origin.
void PaintBlock(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 100);
  const double height = layer.Number("h", 100);
  if (layer.Flag("outline", false))
    sketch.Box(0, 0, width, height, layer.Colour("colour", kStone));
  else
    sketch.FlatBox(0, 0, width, height, layer.Colour("colour", kStone));
}

}  // namespace

void RegisterBackdropProps(PropRegistry& registry) {
  registry.Add("sky", PaintSky);
  registry.Add("sun", PaintSun);
  registry.Add("cloud", PaintCloud);
  registry.Add("ground", PaintGround);
  registry.Add("hills", PaintHills);
  registry.Add("darkness", PaintDarkness);
  registry.Add("glow", PaintGlow);
  registry.Add("lettering", PaintLettering);
  registry.Add("text", PaintText);
  registry.Add("wind", PaintWind);
  registry.Add("twinkle", PaintTwinkle);
  registry.Add("block", PaintBlock);
}

}  // namespace brackenhollow::art
