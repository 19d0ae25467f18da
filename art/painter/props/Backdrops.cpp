// Whole-frame backgrounds and light: sky, ground, hills, darkness, glows, lettering.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"

#include "art/painter/Noise.h"

#include <QLinearGradient>

#include <algorithm>

namespace brackenhollow::art {

namespace {

using namespace colours;

// Canvas pixels per frame unit of the sky's clouds: soft edges are all a cloud needs, and the same canvas
// drawn at every size keeps the three paintings alike.
constexpr double kCloudCanvasScale = 0.5;

// Clouds grown from the picture's seed: fractal noise stretched along the horizon, thresholded by how
// overcast the time of day is, lit on top and grey beneath, thinning towards the horizon.
void PaintNoiseClouds(Sketch& sketch, double horizon, double cover, QRgb lit, QRgb shade) {
  const int width = static_cast<int>(kFrameWidth * kCloudCanvasScale);
  const int height = std::max(1, static_cast<int>(horizon * kCloudCanvasScale));
  QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
  const std::uint32_t seed = MixSeed(sketch.Air().Seed(), 0xc10d);
  const double drift = LatticeValue(5, 5, seed) * 1000;
  const auto density = [&](double x, double y) {
    const double value = FractalNoise(x / 150.0 + drift, y / 55.0, seed, 4);
    // Clouds gather higher up and thin out towards the haze at the horizon.
    const double height01 = y / horizon;
    return value - 0.12 * height01 * height01;
  };
  const double threshold = 0.62 - cover * 0.3;
  for (int row = 0; row < height; ++row) {
    auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(row));
    for (int column = 0; column < width; ++column) {
      const double x = column / kCloudCanvasScale;
      const double y = row / kCloudCanvasScale;
      const double here = density(x, y);
      const double alpha = std::clamp((here - threshold) / 0.14, 0.0, 1.0);
      if (alpha <= 0) {
        line[column] = 0;
        continue;
      }
      // Lit where the cloud is thin above (its top), shaded where it is thick above (its belly).
      const double above = density(x - 6, y - 12);
      const double light = std::clamp(0.6 + (here - above) * 4.0, 0.0, 1.0);
      const auto channel = [&](int litValue, int shadeValue) {
        return static_cast<int>((shadeValue + (litValue - shadeValue) * light) * alpha * 0.95 + 0.5);
      };
      const int a = static_cast<int>(alpha * 0.95 * 255 + 0.5);
      line[column] = qRgba(channel(qRed(lit), qRed(shade)), channel(qGreen(lit), qGreen(shade)),
                           channel(qBlue(lit), qBlue(shade)), a);
    }
  }
  sketch.Painter().save();
  sketch.Painter().setRenderHint(QPainter::SmoothPixmapTransform, true);
  sketch.Painter().drawImage(QRectF(0, 0, width / kCloudCanvasScale, height / kCloudCanvasScale), canvas);
  sketch.Painter().restore();
}

// Sky from the top of the frame down to the horizon as a gradient, by time of day: day, morning, afternoon,
// dusk, night or overcast, with clouds of its own. The horizon's colour becomes the haze far things fade into.
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
  sketch.Air().SetHorizon(horizon);
  if (layer.Flag("clouds", true)) {
    struct Cover {
      double amount;
      QRgb lit, shade;
    };
    Cover cover{0.35, 0xfbfdff, 0xb4c0d4};
    if (time == "morning") cover = {0.3, 0xfff4e4, 0xc0b4c4};
    else if (time == "afternoon") cover = {0.3, 0xfffbef, 0xb8bccc};
    else if (time == "dusk") cover = {0.42, 0xffc890, 0x7a5a80};
    else if (time == "night") cover = {0.25, 0x3a4868, 0x141c34};
    else if (time == "overcast") cover = {0.8, 0xe6eaee, 0xaab3c0};
    // Each room's weather differs a little.
    cover.amount = std::clamp(cover.amount + (sketch.Vary(3) - 0.5) * 0.2, 0.0, 1.0);
    PaintNoiseClouds(sketch, horizon, cover.amount, cover.lit, cover.shade);
  }
  if (time == "night") {
    for (int star = 0; star < 60; ++star)
      sketch.FlatOval(Scatter(star) * kFrameWidth, Scatter(star + 100) * horizon * 0.8, 0.6 + Scatter(star + 7), 0.6 + Scatter(star + 7), kWhite);
  }
}

// The sun with a soft halo of light round it; origin at its centre.
void PaintSun(Sketch& sketch, const Layer& layer) {
  const double radius = layer.Number("r", 26);
  // No two rooms see the sun in the same place.
  sketch.Painter().translate((sketch.Vary(1) - 0.5) * 70, (sketch.Vary(2) - 0.5) * 24);
  sketch.Glow(0, 0, radius * 4, kSunGlow, 0.35);
  sketch.Oval(0, 0, radius, radius, kSun);
}

// A puffy cloud about 120 wide, its lobes shaped by seed so no two skies repeat; origin at its bottom middle.
void PaintCloud(Sketch& sketch, const Layer& layer) {
  const QRgb colour = layer.Colour("colour", kCloud);
  // The scene's seed shapes the cloud, the picture's moves and reshapes it, so no two rooms share one.
  const int seed = static_cast<int>(layer.Number("seed", 0) + sketch.Vary(4) * 1000) + 1;
  sketch.Painter().translate((sketch.Vary(5) - 0.5) * 120, (sketch.Vary(6) - 0.5) * 16);
  const auto vary = [seed](int lobe) { return seed == 0 ? 1.0 : 0.7 + 0.6 * Scatter(seed * 7 + lobe); };
  QPainterPath path;
  path.addEllipse(QPointF(-30 * vary(1), -14), 30 * vary(2), 16 * vary(3));
  path.addEllipse(QPointF(5, -24 * vary(4)), 30 * vary(5), 24 * vary(6));
  path.addEllipse(QPointF(38 * vary(7), -12), 26 * vary(8), 13 * vary(9));
  if (seed % 2 == 1) path.addEllipse(QPointF(-58 * vary(10), -8), 18, 9);
  path.addRoundedRect(QRectF(-60, -16, 122, 16), 8, 8);
  sketch.Shape(Merged(path), colour);
}

// Large soft patches of lighter and darker ground, and the far ground paling into the haze: no ground is
// one flat colour.
void PaintGroundMottle(Sketch& sketch, double top) {
  constexpr double kScale = 0.25;
  const int width = static_cast<int>(kFrameWidth * kScale);
  const int height = std::max(1, static_cast<int>((kFrameHeight - top) * kScale) + 1);
  QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
  const std::uint32_t seed = MixSeed(sketch.Seed(), 0x9a7c);
  for (int row = 0; row < height; ++row) {
    auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(row));
    for (int column = 0; column < width; ++column) {
      // Patches lie on the ground plane: small and flattened far off, large near the eye.
      const double distance = 1.0 / (row / kScale + 12.0);
      const double value =
          FractalNoise((column / kScale - kFrameWidth / 2.0) * distance * 2.2, distance * 900.0, seed, 3) - 0.5;
      const int alpha = std::clamp(static_cast<int>(std::abs(value) * 0.5 * 255), 0, 255);
      line[column] = value > 0 ? qRgba(alpha, alpha, alpha * 7 / 8, alpha) : qRgba(0, 0, 0, alpha);
    }
  }
  sketch.Painter().save();
  sketch.Painter().setRenderHint(QPainter::SmoothPixmapTransform, true);
  sketch.Painter().drawImage(QRectF(0, top, width / kScale, height / kScale), canvas);
  if (sketch.Air().HasHaze()) {
    QLinearGradient haze(0, top, 0, top + (kFrameHeight - top) * 0.6);
    QColor far = QColor::fromRgb(sketch.Air().Haze());
    far.setAlphaF(0.35f);
    haze.setColorAt(0, far);
    far.setAlphaF(0);
    haze.setColorAt(1, far);
    sketch.Painter().setPen(Qt::NoPen);
    sketch.Painter().setBrush(haze);
    sketch.Painter().drawRect(QRectF(0, top, kFrameWidth, kFrameHeight - top));
  }
  sketch.Painter().restore();
}

// Ground from the line top down to the bottom of the frame, with optional grass tufts.
void PaintGround(Sketch& sketch, const Layer& layer) {
  const double top = layer.Number("top", 240);
  const QRgb colour = layer.Colour("colour", kGrass);
  const QRgb tuftColour = layer.Colour("tuft-colour", kGrassDark);
  sketch.FlatBox(0, top, kFrameWidth, kFrameHeight - top + 1, colour);
  sketch.InkLine(0, top, kFrameWidth, top);
  PaintGroundMottle(sketch, top);
  const int tufts = static_cast<int>(layer.Number("tufts", 0));
  const int seed = static_cast<int>(layer.Number("seed", 1) + sketch.Vary(1) * 1000);
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

// Everything painted before it becomes the background of a close view: out of focus by blur= frame units
// and veiled towards colour= by haze=.
void PaintDepth(Sketch& sketch, const Layer& layer) {
  sketch.Defocus(layer.Number("blur", 4), layer.Colour("colour", kWallCream), layer.Number("haze", 0.2));
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
  registry.Add("depth", PaintDepth);
  registry.Add("lettering", PaintLettering);
  registry.Add("text", PaintText);
  registry.Add("wind", PaintWind);
  registry.Add("twinkle", PaintTwinkle);
  registry.Add("block", PaintBlock);
}

}  // namespace brackenhollow::art
