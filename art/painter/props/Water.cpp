// The sea and what stands in or over water: beach, pier, ships, the lighthouse, bridges, bubbles.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"

#include <QLinearGradient>

namespace brackenhollow::art {

using namespace colours;

void PaintLighthouseTower(Sketch& sketch, double height, bool lit) {
  const double base = height * 0.16;
  const double top = height * 0.1;
  const QPainterPath tower = PathThrough({At(-base, 0), At(-top, -height * 0.82), At(top, -height * 0.82), At(base, 0)});
  sketch.Shape(tower, kWhite);
  sketch.Painter().save();
  sketch.Painter().setClipPath(tower);
  for (int stripe = 0; stripe < 3; ++stripe)
    sketch.FlatBox(-base, -height * (0.18 + stripe * 0.26), base * 2, height * 0.11, kHouseRed);
  sketch.Painter().restore();
  sketch.Outline(tower);
  sketch.Box(-top * 1.5, -height * 0.86, top * 3, height * 0.05, kIron);
  sketch.Box(-top, -height * 0.96, top * 2, height * 0.1, lit ? kGlow : kSkyPale);
  sketch.Polygon({At(-top * 1.3, -height * 0.96), At(0, -height * 1.06), At(top * 1.3, -height * 0.96)}, kHouseRed);
  if (lit) sketch.Glow(0, -height * 0.91, height * 0.25, kGlow, 0.7);
}

void PaintShip(Sketch& sketch, double width) {
  sketch.Line(0, -width * 0.1, 0, -width * 0.85, kInk, 6);
  sketch.Line(0, -width * 0.1, 0, -width * 0.85, kWoodDark, 3);
  sketch.Line(-width * 0.25, -width * 0.1, -width * 0.25, -width * 0.65, kWoodDark, 3);
  sketch.Polygon({At(6, -width * 0.8), At(width * 0.34, -width * 0.2), At(6, -width * 0.2)}, kSail);
  sketch.Polygon({At(-6, -width * 0.78), At(-6, -width * 0.22), At(-width * 0.22, -width * 0.22)}, kSail);
  sketch.Polygon({At(-width * 0.25, -width * 0.62), At(-width * 0.25, -width * 0.24), At(-width * 0.42, -width * 0.24)}, kSail);
  sketch.Polygon({At(0, -width * 0.85), At(width * 0.1, -width * 0.82), At(0, -width * 0.79)}, kRuby);
  sketch.Polygon({At(-width * 0.5, -width * 0.18), At(width * 0.5, -width * 0.18), At(width * 0.4, 0), At(-width * 0.42, 0)}, kHull);
  sketch.Box(-width * 0.47, -width * 0.18, width * 0.94, width * 0.03, kGoldDark);
  for (int port = 0; port < 5; ++port) sketch.Oval(-width * 0.3 + port * width * 0.15, -width * 0.09, 4, 4, kGlow);
}

namespace {

// The strange water of this coast: a syrupy violet-blue, deeper towards the horizon, lying in slow glossy
// bulges rather than waves, with gel-like lumps of foam where it meets the sand.
void PaintThickWater(Sketch& sketch, double top, double height, bool foam) {
  QLinearGradient body(0, top, 0, top + height);
  body.setColorAt(0.0, QColor::fromRgb(0x1f1c6e));
  body.setColorAt(0.5, QColor::fromRgb(0x3531b8));
  body.setColorAt(1.0, QColor::fromRgb(0x4f5cf0));
  sketch.Painter().setPen(Qt::NoPen);
  sketch.Painter().setBrush(body);
  sketch.Painter().drawRect(QRectF(0, top, kFrameWidth, height));
  sketch.InkLine(0, top, kFrameWidth, top);
  for (int bulge = 0; bulge < 16; ++bulge) {
    const double depth = Scatter(bulge + 21);
    const double x = Scatter(bulge + 71) * kFrameWidth;
    const double y = top + 8 + depth * (height - 16);
    const double width = 24 + depth * 60;
    sketch.FlatOval(x, y, width, 3 + depth * 7, 0x2a269a);
    QPainterPath gloss;
    gloss.moveTo(x - width * 0.7, y - 1);
    gloss.quadTo(x, y - 4 - depth * 8, x + width * 0.7, y - 1);
    sketch.Stroke(gloss, 0x9aa4ff, 1.2 + depth * 2.5);
  }
  if (!foam) return;
  QPainterPath lumps;
  for (int lump = 0; lump < 22; ++lump) {
    const double x = lump * kFrameWidth / 21.0 + (Scatter(lump + 5) - 0.5) * 12;
    lumps.addEllipse(QPointF(x, top + height - 2), 14 + 8 * Scatter(lump + 9), 7 + 3 * Scatter(lump + 13));
  }
  sketch.Shape(Merged(lumps), 0xc8c8ff);
  for (int shine = 0; shine < 22; shine += 2)
    sketch.FlatOval(shine * kFrameWidth / 21.0 - 4, top + height - 5, 5, 2, kWhite);
}

// Water from the horizon line top down to top+h (the frame's bottom by default); thick=yes makes it the
// strange, deep blue water of this coast; foam=yes edges it with surf.
void PaintSea(Sketch& sketch, const Layer& layer) {
  const double top = layer.Number("top", 200);
  const double height = layer.Number("h", kFrameHeight - top);
  const bool thick = layer.Flag("thick", false);
  const QRgb colour = layer.Colour("colour", thick ? kThickWater : kSea);
  const QRgb light = thick ? kThickWaterLight : kSeaLight;
  const int waves = static_cast<int>(layer.Number("waves", 18));
  if (thick) {
    PaintThickWater(sketch, top, height, layer.Flag("foam", false));
    return;
  }
  sketch.FlatBox(0, top, kFrameWidth, height, colour);
  sketch.InkLine(0, top, kFrameWidth, top);
  for (int wave = 0; wave < waves; ++wave) {
    const double depth = Scatter(wave + 11);
    const double x = Scatter(wave + 51) * kFrameWidth;
    const double y = top + 6 + depth * (height - 10);
    const double length = 10 + depth * 30;
    QPainterPath curl;
    curl.moveTo(x - length, y);
    curl.quadTo(x - length / 2, y - 4 - depth * 4, x, y);
    curl.quadTo(x + length / 2, y - 4 - depth * 4, x + length, y);
    sketch.Stroke(curl, light, 1.5 + depth * 2);
  }
  if (layer.Flag("foam", false)) {
    QPainterPath surf;
    surf.moveTo(0, top + height);
    for (double x = 0; x <= kFrameWidth; x += 30) surf.quadTo(x + 15, top + height - 8, x + 30, top + height);
    sketch.Stroke(surf, kFoam, 5);
  }
}

// A long wooden pier running away from us: near wide at the bottom of the frame, narrowing to its far
// end length pixels up; end=yes shows its last posts; origin at the bottom middle.
void PaintPier(Sketch& sketch, const Layer& layer) {
  const double nearWidth = layer.Number("near", 300);
  const double farWidth = layer.Number("far", 40);
  const double length = layer.Number("length", 200);
  const QPainterPath deck = PathThrough({At(-nearWidth / 2, 0), At(-farWidth / 2, -length), At(farWidth / 2, -length), At(nearWidth / 2, 0)});
  sketch.Shape(deck, kWoodLight);
  sketch.Painter().save();
  sketch.Painter().setClipPath(deck);
  for (int plank = 0; plank < 22; ++plank) {
    const double along = std::pow(plank / 22.0, 1.8);
    const double y = -length * (1 - along);
    sketch.InkLine(-nearWidth, y, nearWidth, y);
  }
  sketch.Painter().restore();
  for (int post = 0; post < 6; ++post) {
    const double along = std::pow(post / 6.0, 1.6);
    const double y = -length * (1 - along);
    const double halfWidth = farWidth / 2 + (nearWidth - farWidth) / 2 * along;
    const double postHeight = 6 + along * 40;
    sketch.Box(-halfWidth - postHeight * 0.2, y - postHeight, postHeight * 0.2, postHeight, kWoodDark);
    sketch.Box(halfWidth, y - postHeight, postHeight * 0.2, postHeight, kWoodDark);
  }
  if (layer.Flag("end", false)) {
    sketch.Box(-farWidth / 2 - 3, -length - 14, 6, 14, kWoodDark);
    sketch.Box(farWidth / 2 - 3, -length - 14, 6, 14, kWoodDark);
  }
}

// A sailing ship about w wide on the waterline through the origin.
void PaintShipProp(Sketch& sketch, const Layer& layer) {
  PaintShip(sketch, layer.Number("w", 220));
}

// The lighthouse h high; lit=yes lights its lamp, beam=yes sends a beam of light out to the right.
void PaintLighthouse(Sketch& sketch, const Layer& layer) {
  const double height = layer.Number("h", 200);
  const bool lit = layer.Flag("lit", false);
  if (layer.Flag("beam", false)) {
    sketch.Painter().save();
    sketch.Painter().setOpacity(0.55);
    const double reach = layer.Number("reach", 600);
    sketch.FlatPolygon({At(0, -height * 0.93), At(reach, -height * 0.93 + reach * 0.12), At(reach, -height * 0.93 + reach * 0.38)}, kBeam);
    sketch.Painter().restore();
  }
  PaintLighthouseTower(sketch, height, lit);
}

// The great lamp inside the lighthouse: a tall glass lens on a pedestal. lit=yes makes it blaze with beams;
// unlit shows the dark, burnt-out bulb.
void PaintLighthouseLamp(Sketch& sketch, const Layer& layer) {
  const bool lit = layer.Flag("lit", false);
  if (lit) {
    // The beams leave through the windows (window-x from the lamp, window-y its middle's height above
    // the lamp's foot), so the light stops at the walls instead of passing through them.
    const double windowX = layer.Number("window-x", 188);
    const double windowY = -layer.Number("window-y", 250);
    const double windowHalf = layer.Number("window-h", 80) / 2;
    sketch.Painter().save();
    sketch.Painter().setOpacity(0.55);
    for (const double side : {-1.0, 1.0})
      sketch.FlatPolygon({At(side * 40, -190), At(side * windowX, windowY - windowHalf), At(side * windowX, windowY + windowHalf),
                          At(side * 40, -150)},
                         kBeam);
    sketch.Painter().restore();
    sketch.Glow(0, -170, 260, kGlow, 0.8);
    sketch.LightPool(0, 0, 240, 60, kGlow, 0.5);
  }
  // The cast-iron pedestal with its clockwork box, and the brass ring the lens stands on.
  sketch.Polygon({At(-64, 0), At(-42, -70), At(42, -70), At(64, 0)}, 0x3a3e48);
  sketch.Box(-30, -56, 60, 30, 0x4a4e58);
  sketch.Oval(18, -41, 4, 4, kGoldDark);
  sketch.Box(-84, -92, 168, 22, kGoldDark);
  // The lens: a barrel of glass prism rings round a bullseye, each ring catching light on its upper edge.
  QPainterPath lens;
  lens.moveTo(-66, -92);
  lens.cubicTo(-84, -140, -84, -210, -66, -258);
  lens.lineTo(66, -258);
  lens.cubicTo(84, -210, 84, -140, 66, -92);
  lens.closeSubpath();
  QLinearGradient glass(-80, 0, 80, 0);
  glass.setColorAt(0, QColor::fromRgb(lit ? 0xfff2c0 : 0x8aa0b4));
  glass.setColorAt(0.35, QColor::fromRgb(lit ? 0xffffff : 0xcfe0ea));
  glass.setColorAt(1, QColor::fromRgb(lit ? 0xf0d080 : 0x5a6a80));
  sketch.Painter().setPen(Qt::NoPen);
  sketch.Painter().setBrush(glass);
  sketch.Painter().drawPath(lens);
  sketch.Painter().save();
  sketch.Painter().setClipPath(lens);
  // Inside the glass: the bulb, bright or dead, seen through the rings.
  if (lit) {
    sketch.Oval(0, -175, 40, 46, kWhite);
    sketch.Oval(0, -175, 24, 28, kSunGlow);
  } else {
    sketch.Painter().setBrush(QColor(0x2a, 0x2e, 0x3a, 150));
    sketch.Painter().drawEllipse(QPointF(0, -175), 34, 40);
    // A blackened bulb, its broken filament hanging loose.
    QPainterPath filament;
    filament.moveTo(-10, -150);
    filament.lineTo(-10, -176);
    filament.quadTo(-4, -186, 2, -180);
    filament.moveTo(10, -150);
    filament.lineTo(10, -168);
    filament.lineTo(6, -160);
    sketch.Stroke(filament, 0x1a1a20, 2);
    sketch.Painter().setBrush(QColor(0x1a, 0x18, 0x20, 120));
    sketch.Painter().drawEllipse(QPointF(-6, -196), 18, 10);
  }
  for (int ring = 0; ring < 11; ++ring) {
    const double y = -250 + ring * 15;
    if (y > -200 && y < -150) continue;  // the bullseye band
    QPainterPath prism;
    prism.moveTo(-90, y);
    prism.quadTo(0, y + 5, 90, y);
    sketch.Painter().setPen(QPen(QColor(255, 255, 255, lit ? 230 : 160), 2.2));
    sketch.Painter().setBrush(Qt::NoBrush);
    sketch.Painter().drawPath(prism);
    sketch.Painter().setPen(QPen(QColor(0x2a, 0x30, 0x44, lit ? 60 : 110), 1.2));
    sketch.Painter().drawPath(prism.translated(0, 4));
  }
  sketch.Painter().setPen(QPen(QColor(0x2a, 0x30, 0x44, lit ? 70 : 130), 1.5));
  sketch.Painter().setBrush(Qt::NoBrush);
  sketch.Painter().drawEllipse(QPointF(0, -175), 46, 28);
  sketch.Painter().drawEllipse(QPointF(0, -175), 30, 18);
  for (int bar = -2; bar <= 2; ++bar) sketch.Line(bar * 34, -258, bar * 38, -92, kGoldDark, 2.5);
  sketch.Painter().restore();
  sketch.Outline(lens);
  sketch.Box(-74, -272, 148, 16, kGoldDark);
  sketch.Polygon({At(-56, -272), At(0, -300), At(56, -272)}, kGoldDark);
  sketch.Oval(0, -302, 6, 6, kGoldDark);
}

// A rickety rope-and-plank bridge running away from us over a gorge; origin at the bottom middle.
void PaintRopeBridge(Sketch& sketch, const Layer& layer) {
  const double length = layer.Number("length", 220);
  const double nearWidth = layer.Number("near", 260);
  const double farWidth = layer.Number("far", 50);
  for (int plank = 0; plank < 14; ++plank) {
    if (plank == 4 || plank == 9) continue;
    const double along = std::pow(plank / 14.0, 1.5);
    const double y = -length * (1 - along) + 10 * std::sin(along * 3.14159);
    const double halfWidth = farWidth / 2 + (nearWidth - farWidth) / 2 * along;
    const double thickness = 3 + along * 14;
    sketch.Polygon({At(-halfWidth, y - thickness), At(halfWidth, y - thickness + (plank % 3 - 1) * 3), At(halfWidth, y + (plank % 3 - 1) * 3), At(-halfWidth, y)},
                   plank % 2 == 0 ? kWoodLight : kWood);
  }
  for (int side = -1; side <= 1; side += 2) {
    QPainterPath rope;
    rope.moveTo(side * nearWidth / 2, -90);
    rope.quadTo(side * (nearWidth + farWidth) / 4, -length * 0.5 + 20, side * farWidth / 2, -length - 24);
    sketch.Stroke(rope, kInk, 5);
    sketch.Stroke(rope, kTwine, 3);
    for (int tie = 0; tie < 8; ++tie) {
      const QPointF top = rope.pointAtPercent(tie / 8.0);
      sketch.Line(top.x(), top.y(), top.x() * 0.98, top.y() + 60 * (1 - tie / 8.0) + 6, kTwine, 1.5);
    }
    sketch.Box(side * farWidth / 2 - 3, -length - 30, 6, 30, kWoodDark);
    sketch.Box(side * nearWidth / 2 - 8, -100, 16, 100, kWoodDark);
  }
}

// The frame under deep water, looking up: the surface a bright rippled ceiling, shafts of daylight slanting
// down from it and the water darkening to black below; origin at the top-left.
void PaintUnderwater(Sketch& sketch, const Layer&) {
  QLinearGradient depth(0, 0, 0, kFrameHeight);
  depth.setColorAt(0.0, QColor(kSeaLight));
  depth.setColorAt(0.15, QColor(kSea));
  depth.setColorAt(0.55, QColor(kDeepWater));
  depth.setColorAt(1.0, QColor(kGloom));
  sketch.Painter().setPen(Qt::NoPen);
  sketch.Painter().setBrush(depth);
  sketch.Painter().drawRect(QRectF(0, 0, kFrameWidth, kFrameHeight));
  // The surface from below, a wavering band of light.
  QPainterPath surface;
  surface.moveTo(0, 0);
  for (int wave = 0; wave <= 12; ++wave) {
    const double x = wave * kFrameWidth / 12.0;
    surface.quadTo(x - kFrameWidth / 24.0, 14 + 10 * Scatter(wave + 70), x, 10 + 6 * Scatter(wave + 90));
  }
  surface.lineTo(kFrameWidth, 0);
  surface.closeSubpath();
  sketch.Fill(surface, kFoam);
  // Daylight in shafts, slanting with the light and fading as they go down.
  sketch.Painter().save();
  for (int shaft = 0; shaft < 6; ++shaft) {
    const double x = 40 + shaft * 100 + 30 * Scatter(shaft + 12);
    const double width = 14 + 22 * Scatter(shaft + 30);
    QLinearGradient fade(0, 0, 0, kFrameHeight * 0.8);
    QColor light(kSeaLight);
    light.setAlphaF(0.5f);
    fade.setColorAt(0.0, light);
    light.setAlphaF(0.0f);
    fade.setColorAt(1.0, light);
    sketch.Painter().setBrush(fade);
    sketch.Painter().drawPolygon(QPolygonF({QPointF(x, 0), QPointF(x + width, 0), QPointF(x + width * 2.2 + 90, kFrameHeight * 0.8),
                                            QPointF(x + 90, kFrameHeight * 0.8)}));
  }
  sketch.Painter().restore();
  // Specks drifting in the water.
  for (int speck = 0; speck < 30; ++speck)
    sketch.FlatOval(Scatter(speck + 400) * kFrameWidth, 60 + Scatter(speck + 500) * (kFrameHeight - 60), 1.5, 1.5, kSeaLight);
}

// Air bubbles rising in deep water over a band w wide; origin at the bottom-left.
void PaintBubbles(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 300);
  const double height = layer.Number("h", 300);
  for (int bubble = 0; bubble < 28; ++bubble) {
    const double radius = 4 + 12 * Scatter(bubble + 2);
    const double x = Scatter(bubble + 41) * width;
    const double y = -Scatter(bubble + 81) * height;
    sketch.Oval(x, y, radius, radius, kSeaLight);
    sketch.FlatOval(x - radius * 0.35, y - radius * 0.35, radius * 0.25, radius * 0.25, kWhite);
  }
}

// Rings spreading on the water around someone standing in it, w wide; origin at their centre.
void PaintRipples(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 160);
  for (int ring = 1; ring <= 3; ++ring) {
    QPainterPath ripple;
    ripple.addEllipse(QPointF(0, 0), width / 2 * ring / 3, width / 10 * ring / 3 + 3);
    sketch.Stroke(ripple, layer.Colour("colour", kThickWaterLight), 3);
  }
}

// A mooring line from a bollard standing at the origin to the point to-x, to-y on a ship's bow or stern,
// sagging between them; the ship is tied up, not adrift.
void PaintMooring(Sketch& sketch, const Layer& layer) {
  const QPointF to(layer.Number("to-x", 100), layer.Number("to-y", -40));
  QPainterPath rope;
  rope.moveTo(0, -10);
  rope.quadTo(to.x() / 2, std::max(0.0, to.y()) + 18, to.x(), to.y());
  sketch.Stroke(rope, kInk, 4);
  sketch.Stroke(rope, kTwine, 2.4);
  sketch.Shape(RoundedBox(-7, -16, 14, 16, 4), kIron);
  sketch.Oval(0, -16, 9, 4, kMetalDark);
  for (int turn = 0; turn < 3; ++turn) sketch.Line(-7, -6 - turn * 3, 7, -9 - turn * 3, kTwine, 2);
}

}  // namespace

void RegisterWaterProps(PropRegistry& registry) {
  RegisterShoreProps(registry);
  RegisterBridgeProps(registry);
  registry.Add("mooring", PaintMooring);
  registry.Add("sea", PaintSea);
  registry.Add("pier", PaintPier);
  registry.Add("ship", PaintShipProp);
  registry.Add("lighthouse", PaintLighthouse);
  registry.Add("lighthouse-lamp", PaintLighthouseLamp);
  registry.Add("rope-bridge", PaintRopeBridge);
  registry.Add("underwater", PaintUnderwater);
  registry.Add("bubbles", PaintBubbles);
  registry.Add("ripples", PaintRipples);
}

}  // namespace brackenhollow::art
