// Things that grow or burn, drawn from curves rather than boxes: a great trunk with bark and roots and a
// bonfire of logs with tongues of flame.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"

namespace brackenhollow::art {

namespace {

using namespace colours;

constexpr QRgb kBarkDark = 0x4a3424;
constexpr QRgb kBarkLight = 0x8a6a4c;
constexpr QRgb kEmber = 0xff5a1a;
constexpr QRgb kCharcoal = 0x2e2622;

// A great tree trunk, w wide at chest height, rising out of the frame; its roots flare out over the ground
// at the origin. Bark furrows run up it, a knot hole sits to one side.
void PaintTrunk(Sketch& sketch, const Layer& layer) {
  const double half = layer.Number("w", 260) / 2;
  const double height = layer.Number("h", 420);
  QPainterPath trunk;
  trunk.moveTo(-half * 1.9, 0);
  trunk.cubicTo(-half * 1.3, -6, -half * 1.1, -height * 0.08, -half, -height * 0.22);
  trunk.cubicTo(-half * 0.95, -height * 0.5, -half * 1.05, -height * 0.8, -half * 0.9, -height);
  trunk.lineTo(half * 0.92, -height);
  trunk.cubicTo(half * 1.04, -height * 0.75, half * 0.94, -height * 0.5, half, -height * 0.22);
  trunk.cubicTo(half * 1.1, -height * 0.08, half * 1.4, -4, half * 2.0, 0);
  trunk.closeSubpath();
  sketch.Shape(trunk, layer.Colour("colour", kBark));
  // Roots: humps running out into the grass.
  for (const double side : {-1.0, 1.0}) {
    for (int root = 0; root < 2; ++root) {
      const double reach = half * (1.3 + root * 0.55);
      QPainterPath hump;
      hump.moveTo(side * half * 0.5, 0);
      hump.quadTo(side * reach * 0.7, -half * (0.22 - root * 0.06), side * reach, 2);
      hump.quadTo(side * reach * 0.6, 6, side * half * 0.3, 4);
      hump.closeSubpath();
      sketch.Shape(hump, root == 0 ? kBarkLight : kBark);
    }
  }
  // Furrows of bark, waving up the trunk.
  for (int furrow = 0; furrow < 9; ++furrow) {
    const double x = -half * 0.85 + furrow * half * 0.21 + (Scatter(furrow + 40) - 0.5) * 10;
    QPainterPath line;
    line.moveTo(x, -height * (0.05 + 0.1 * Scatter(furrow + 3)));
    for (int step = 1; step <= 6; ++step) {
      const double y = -height * (0.05 + step * 0.16);
      line.quadTo(x + (step % 2 == 0 ? 8 : -8), y + height * 0.08, x + (Scatter(furrow * 7 + step) - 0.5) * 12, y);
    }
    sketch.Stroke(line, furrow % 3 == 0 ? kBarkLight : kBarkDark, furrow % 3 == 0 ? 2.5 : 4);
  }
  if (layer.Flag("knot", true)) {
    sketch.Oval(-half * 0.55, -height * 0.72, 16, 24, kBarkDark);
    sketch.FlatOval(-half * 0.55, -height * 0.72, 8, 14, kCharcoal);
  }
}

// One tongue of flame from the origin, leaning; the core is paler.
QPainterPath FlameTongue(double width, double height, double lean) {
  QPainterPath tongue;
  tongue.moveTo(-width / 2, 0);
  tongue.cubicTo(-width * 0.6, -height * 0.45, lean - width * 0.1, -height * 0.6, lean, -height);
  tongue.cubicTo(lean + width * 0.12, -height * 0.55, width * 0.65, -height * 0.4, width / 2, 0);
  tongue.quadTo(0, height * 0.08, -width / 2, 0);
  tongue.closeSubpath();
  return tongue;
}

// A huge bonfire about w wide with flames h high: a teepee of split logs, tongues of flame licking up
// between them, glowing embers at the foot and sparks above; it lights the ground round it. Origin at its foot.
void PaintBonfire(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 200);
  const double height = layer.Number("h", 220);
  sketch.LightPool(0, -height * 0.05, width * 1.6, width * 0.5, kFlame, 0.8);
  sketch.Glow(0, -height * 0.45, width * 1.3, kGlow, 0.5);
  // Embers and ash under the logs.
  sketch.Oval(0, -2, width * 0.5, width * 0.07, kBarkDark);
  for (int ember = 0; ember < 18; ++ember)
    sketch.FlatOval((Scatter(ember + 70) - 0.5) * width * 1.0, -Scatter(ember + 90) * width * 0.08, 4 + 4 * Scatter(ember), 2.5, ember % 2 ? kEmber : kFlameCore);
  // Back logs leaning in.
  const auto log = [&](double footX, double angle, double length, QRgb colour) {
    sketch.Painter().save();
    sketch.Painter().translate(footX, -4);
    sketch.Painter().rotate(angle);
    sketch.Shape(RoundedBox(-width * 0.045, -length, width * 0.09, length, width * 0.04), colour);
    sketch.Line(-width * 0.01, -length * 0.85, -width * 0.01, -length * 0.2, kBarkDark, 2);
    sketch.Oval(0, -length, width * 0.045, width * 0.02, kWoodLight);
    sketch.Painter().restore();
  };
  for (int back = 0; back < 4; ++back) log((back - 1.5) * width * 0.16, (1.5 - back) * 16, height * 0.5, kBarkDark);
  // Flames: a wide red body, orange tongues, yellow cores.
  const QRgb colours[] = {kFire, kFlame, kFlameCore};
  for (int band = 0; band < 3; ++band) {
    const double shrink = 1.0 - band * 0.27;
    for (int tongue = 0; tongue < 5; ++tongue) {
      const double x = (tongue - 2) * width * 0.17 * shrink;
      const double tall = height * shrink * (tongue == 2 ? 1.0 : 0.55 + 0.3 * Scatter(tongue + 11));
      sketch.Painter().save();
      sketch.Painter().translate(x, -height * 0.04);
      const QPainterPath flame = FlameTongue(width * 0.32 * shrink, tall, (Scatter(tongue + 20) - 0.5) * width * 0.2);
      if (band == 0) sketch.Shape(flame, colours[band]);
      else sketch.Fill(flame, colours[band]);
      sketch.Painter().restore();
    }
  }
  // Front logs crossing at the foot, ends cut pale.
  log(-width * 0.35, 62, width * 0.55, kBark);
  log(width * 0.35, -62, width * 0.55, kBark);
  log(-width * 0.1, 78, width * 0.4, kBarkLight);
  for (int spark = 0; spark < 16; ++spark)
    sketch.FlatOval((Scatter(spark + 5) - 0.5) * width * 0.9, -height * (0.9 + 0.5 * Scatter(spark + 15)), 2.2, 2.2,
                    spark % 3 ? kFlameCore : kEmber);
}

}  // namespace

void RegisterOrganicProps(PropRegistry& registry) {
  registry.Add("trunk", PaintTrunk);
  registry.Add("bonfire", PaintBonfire, 100);
}

}  // namespace brackenhollow::art
