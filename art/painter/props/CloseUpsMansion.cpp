// The mansion's close views: the painting on its wall, the safe, the projection television and the dresser,
// each turned three-quarter on with its material, the room's light on it and its shadow.
#include "art/painter/props/CloseUpKit.h"
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"

#include <QLinearGradient>

#include <cmath>

namespace brackenhollow::art {

using namespace colours;

namespace {

constexpr double kDegree = 3.14159265358979 / 180.0;

// The flat path of the face's box, for tints laid over a face already mapped.
QPainterPath Rect(double x, double y, double width, double height) {
  QPainterPath path;
  path.addRect(x, y, width, height);
  return path;
}

// Paints the parts of a block of width x height x depth that show besides its front (its top when seen from
// above, the side the turn shows), standing on bottom (0 at the foot, negative up).
void PaintBlockSides(Sketch& sketch, const Turn& turn, double width, double top, double bottom, double depth, QRgb side,
                     QRgb lid, double sideShade) {
  const double half = width / 2;
  const double x = turn.yaw < 0 ? -half : half;
  if (turn.yaw < 0)
    PaintFace(sketch, turn, {x, top, depth}, {x, top, 0}, {x, bottom, 0}, {x, bottom, depth}, side, sideShade);
  else
    PaintFace(sketch, turn, {x, top, 0}, {x, top, depth}, {x, bottom, depth}, {x, bottom, 0}, side, sideShade);
  if (turn.pitch > 0)
    PaintFace(sketch, turn, {-half, top, depth}, {half, top, depth}, {half, top, 0}, {-half, top, 0}, lid, -0.08);
}

// ---- The painting ----------------------------------------------------------------------------------

// The stretch of wallpapered wall the painting hangs on, turned away to the right: stripes, a cornice, a chair
// rail over panelled wainscot, the skirting and the carpet before it; an open doorway at flat x door..door+140
// shows what the scene painted behind. Flat units, origin at the painting's centre.
void PaintPaintingWall(Sketch& sketch, const Turn& turn, double door) {
  const double top = -420;
  const double rail = 150;
  const double skirting = 320;
  {
    OnFace wall(sketch, FrontPlane(turn, 0));
    QPainterPath paper;
    paper.addRect(-900, top, door + 900, skirting - top);
    paper.addRect(door + 140, top, 900, skirting - top);
    paper.addRect(door - 10, top, 160, -110 - top);
    sketch.Fill(paper, kWallpaper);
    if (!sketch.IsSilhouette()) {
      // Damask stripes: pale and dusky bands that run into the distance with the wall.
      for (double x = -900; x < door + 1040; x += 46) {
        if (x > door - 10 && x < door + 140) continue;
        Tint(sketch, Rect(x, top, 16, rail - top), kPurpleLight, 0.22);
        Tint(sketch, Rect(x + 22, top, 3, rail - top), kSuit, 0.12);
      }
    }
    sketch.Box(-900, top, door + 890, 26, kWallCream);
    sketch.Box(door + 150, top, 900, 26, kWallCream);
    sketch.Box(-900, rail, door + 890, 14, kWoodDark);
    sketch.Box(door + 150, rail, 900, 14, kWoodDark);
    for (double x = -880; x < door - 80; x += 150) sketch.Box(x, rail + 34, 120, skirting - rail - 62, kWood);
    for (double x = door + 170; x < door + 1000; x += 150) sketch.Box(x, rail + 34, 120, skirting - rail - 62, kWood);
    sketch.Box(-900, skirting - 22, door + 890, 22, kWoodDark);
    sketch.Box(door + 150, skirting - 22, 900, 22, kWoodDark);
    // The doorway's frame: architrave either side and over the opening.
    sketch.Box(door - 10, -120, 14, skirting + 120, kWoodDark);
    sketch.Box(door + 136, -120, 14, skirting + 120, kWoodDark);
    sketch.Box(door - 18, -134, 176, 16, kWoodDark);
  }
  // The carpet runs from the wall towards the eye.
  PaintFace(sketch, turn, {-900, skirting, 0}, {door + 1040, skirting, 0}, {door + 1040, skirting, -700},
            {-900, skirting, -700}, kCarpet, 0.1);
}

// The papered wall a close view of the painting hangs on, seen as the painting is; door= where its doorway
// stands, in the wall's own units from the painting's centre. Origin at the painting's centre.
void PaintPaperedWall(Sketch& sketch, const Layer& layer) {
  PaintPaintingWall(sketch, TurnOf(layer, -34, -6, 1100), layer.Number("door", 430));
}

// A framed abstract oil painting seen from the left on its wall (the papered-wall behind it), about 330 x 250
// with the frame; origin at its centre. state=ruined lets the paint run off the canvas, over the frame and
// down the wall.
void PaintPaintingClose(Sketch& sketch, const Layer& layer) {
  const Turn turn = TurnOf(layer, -34, -6, 1100);
  const bool ruined = layer.Word("state", "whole") == "ruined";
  constexpr double kHalfWidth = 130;
  constexpr double kHalfHeight = 90;
  constexpr double kRail = 32;
  constexpr double kProud = 26;
  const double outerLeft = -kHalfWidth - kRail;
  const double outerTop = -kHalfHeight - kRail;
  const double outerRight = kHalfWidth + kRail;
  const double outerBottom = kHalfHeight + kRail;
  {
    // The frame's shadow on the wall, thrown down and right by the lamp above and the window's light.
    OnFace wall(sketch, FrontPlane(turn, 0));
    SoftShadow(sketch, Rect(outerLeft, outerTop, outerRight - outerLeft, outerBottom - outerTop), QPointF(22, 30), 16, 0.45);
    if (ruined && !sketch.IsSilhouette()) {
      const QRgb runs[] = {kPaintRed, kPaintBlue, kPaintYellow, kGraffitiGreen};
      for (int run = 0; run < 4; ++run) {
        const double x = -90 + run * 62 + 10 * Scatter(run + 31);
        const double length = 60 + 70 * Scatter(run + 17);
        QPainterPath drip;
        drip.moveTo(x - 5, outerBottom);
        drip.lineTo(x + 5, outerBottom);
        drip.lineTo(x + 3, outerBottom + length);
        drip.quadTo(x, outerBottom + length + 12, x - 3, outerBottom + length);
        drip.closeSubpath();
        sketch.Fill(drip, runs[run]);
      }
    }
  }
  // The frame's outer edges: the left one and the underside show from down here on the left.
  PaintFace(sketch, turn, {outerLeft, outerTop, 0}, {outerLeft, outerTop, -kProud}, {outerLeft, outerBottom, -kProud},
            {outerLeft, outerBottom, 0}, kGoldDark, 0.15);
  PaintFace(sketch, turn, {outerLeft, outerBottom, -kProud}, {outerRight, outerBottom, -kProud}, {outerRight, outerBottom, 0},
            {outerLeft, outerBottom, 0}, kGoldDark, 0.35);
  {
    // The canvas, sunk a little behind the frame's face, with its weave and a varnish sheen.
    OnFace canvas(sketch, FrontPlane(turn, -kProud + 8));
    const PropPainter painting = PropRegistry::Everything().Find("painting");
    if (painting != nullptr) painting(sketch, layer);
    const QPainterPath cloth = Rect(-kHalfWidth, -kHalfHeight, kHalfWidth * 2, kHalfHeight * 2);
    if (!sketch.IsSilhouette()) {
      // Loose brush strokes over the shapes: the paint lies thick, each stroke a little off the colour below.
      const QRgb strokes[] = {kPaintRed, kPaintBlue, kPaintYellow, kWhite, kOrange, kInk, kGraffitiGreen};
      sketch.Painter().save();
      sketch.Painter().setClipPath(cloth);
      for (int stroke = 0; stroke < 150; ++stroke) {
        const double x = -kHalfWidth + kHalfWidth * 2 * sketch.Vary(stroke * 3);
        const double y = -kHalfHeight + kHalfHeight * 2 * sketch.Vary(stroke * 3 + 1);
        const double bend = sketch.Vary(stroke * 3 + 2);
        QPainterPath dab;
        dab.moveTo(x, y);
        dab.quadTo(x + 8, y - 4 + bend * 8, x + 16 + bend * 8, y + 2);
        sketch.Painter().setOpacity(ruined ? 0.12 : 0.22);
        sketch.Stroke(dab, strokes[stroke % 7], 2.5 + 3 * bend);
      }
      sketch.Painter().restore();
    }
    sketch.Texture(cloth, kSail);
    sketch.Texture(cloth, kSail);
    Sheen(sketch, cloth, QPointF(-kHalfWidth, -kHalfHeight), QPointF(kHalfWidth, kHalfHeight), 0.18);
    // The frame's inner lip throws a shadow onto the canvas' upper and left edges.
    Tint(sketch, Rect(-kHalfWidth, -kHalfHeight, kHalfWidth * 2, 10), kShadow, 0.3);
    Tint(sketch, Rect(-kHalfWidth, -kHalfHeight, 8, kHalfHeight * 2), kShadow, 0.25);
  }
  {
    // The gilt moulding: a bevelled ring, darker in its hollow, beaded along its inner edge.
    OnFace front(sketch, FrontPlane(turn, -kProud));
    // Four mitred rails, each lit by how it faces the lamp above and the window on the left: paths with holes
    // lose their hole when mapped in perspective, and the bevel reads better rail by rail anyway.
    const QPointF outer[4] = {{outerLeft, outerTop}, {outerRight, outerTop}, {outerRight, outerBottom}, {outerLeft, outerBottom}};
    const QPointF inner[4] = {{-kHalfWidth, -kHalfHeight}, {kHalfWidth, -kHalfHeight}, {kHalfWidth, kHalfHeight}, {-kHalfWidth, kHalfHeight}};
    const double railShade[4] = {-0.15, 0.2, 0.35, 0.0};
    for (int rail = 0; rail < 4; ++rail) {
      const int next = (rail + 1) % 4;
      const QPainterPath piece = PathThrough({outer[rail], outer[next], inner[next], inner[rail]});
      sketch.Shape(piece, kGold);
      // The hollow of the moulding runs down the middle of each rail.
      const QPainterPath hollow = PathThrough({(outer[rail] * 0.62 + inner[rail] * 0.38), (outer[next] * 0.62 + inner[next] * 0.38),
                                               (outer[next] * 0.38 + inner[next] * 0.62), (outer[rail] * 0.38 + inner[rail] * 0.62)});
      Tint(sketch, hollow, kGoldDark, 0.55);
      if (railShade[rail] > 0) Tint(sketch, piece, kShadow, railShade[rail]);
      else Tint(sketch, piece, kWhite, -railShade[rail]);
      Sheen(sketch, piece, outer[rail], inner[next], 0.35);
    }
    for (int bead = 0; bead < 26; ++bead) {
      const double x = -kHalfWidth - 5 + bead * (kHalfWidth * 2 + 10) / 25;
      sketch.FlatOval(x, -kHalfHeight - 5, 2.6, 2.6, kSunGlow);
      sketch.FlatOval(x, kHalfHeight + 5, 2.6, 2.6, kGoldDark);
    }
    // Corner ornaments and a small brass plate on the bottom rail.
    for (const double x : {outerLeft + 16, outerRight - 16})
      for (const double y : {outerTop + 16, outerBottom - 16}) sketch.Oval(x, y, 9, 9, kGold);
    sketch.Box(-26, outerBottom - 24, 52, 14, kGoldDark);
    if (ruined && !sketch.IsSilhouette()) {
      const QRgb runs[] = {kPaintRed, kPaintBlue, kPaintYellow, kGraffitiGreen};
      for (int run = 0; run < 4; ++run) {
        const double x = -90 + run * 62 + 10 * Scatter(run + 31);
        sketch.Fill(RoundedBox(x - 6, kHalfHeight - 4, 12, kRail + 4, 5), runs[run]);
      }
    }
  }
  {
    // A brass picture lamp on its arm above the frame, lighting the canvas from above.
    OnFace lamp(sketch, FrontPlane(turn, -70));
    sketch.Line(0, outerTop - 20, 0, outerTop - 64, kGoldDark, 5);
    sketch.Shape(RoundedBox(-96, outerTop - 30, 192, 20, 10), kGoldDark);
    Sheen(sketch, RoundedBox(-96, outerTop - 30, 192, 20, 10), QPointF(0, outerTop - 30), QPointF(0, outerTop - 10), 0.5);
    sketch.LightCone(0, outerTop - 12, 90, outerBottom + 40, 190, kGlow, 0.16);
    sketch.Glow(0, outerTop - 6, 110, kGlowPale, 0.22);
  }
}

// ---- The safe ----------------------------------------------------------------------------------------

constexpr double kSafeWidth = 220;
constexpr double kSafeHeight = 260;
constexpr double kSafeDepth = 190;
constexpr double kSafeFeet = 12;
constexpr double kSafeRim = 16;

// Where a point of the safe's door lands when the door has swung by angle about its hinge on the right front
// edge: u across the door from the hinge, thickness into the safe.
Point3 DoorPoint(double angle, double across, double y, double thickness) {
  const double dx = -across;
  const double dz = thickness;
  return {kSafeWidth / 2 + dx * std::cos(angle) - dz * std::sin(angle), y, dx * std::sin(angle) + dz * std::cos(angle)};
}

// The combination dial with its brass bezel, numbered ticks and knurled knob, centred on the origin.
void PaintDial(Sketch& sketch) {
  sketch.Oval(0, 0, 42, 42, kGoldDark);
  sketch.Oval(0, 0, 34, 34, kSilver);
  Sheen(sketch, RoundedBox(-34, -34, 68, 68, 34), QPointF(-34, -34), QPointF(34, 34), 0.6);
  for (int tick = 0; tick < 40; ++tick) {
    const double angle = tick * 2 * 3.14159265 / 40;
    const double inner = tick % 5 == 0 ? 23 : 28;
    sketch.Painter().save();
    sketch.Painter().setOpacity(tick % 5 == 0 ? 1.0 : 0.6);
    sketch.InkLine(std::cos(angle) * inner, std::sin(angle) * inner, std::cos(angle) * 32, std::sin(angle) * 32);
    sketch.Painter().restore();
  }
  sketch.Polygon({At(-5, -46), At(5, -46), At(0, -38)}, kRuby);
  sketch.Oval(0, 0, 15, 15, kMetal);
  sketch.Oval(0, 0, 7, 7, kMetalDark);
}

// The three-spoked handle wheel, centred on the origin.
void PaintHandleWheel(Sketch& sketch) {
  for (int spoke = 0; spoke < 3; ++spoke) {
    const double angle = -1.5708 + spoke * 2.0944 + 0.3;
    const double x = std::cos(angle) * 40;
    const double y = std::sin(angle) * 40;
    sketch.Line(0, 0, x, y, kInk, 9);
    sketch.Line(0, 0, x, y, kSilver, 6);
    sketch.Oval(x, y, 8, 8, kSilver);
  }
  sketch.Oval(0, 0, 14, 14, kMetal);
}

// A heavy steel safe seen from the left, about 220 wide, 270 high and 190 deep on its feet; origin at the
// foot of its front. state=open swings its door out on the right hinge; bag=yes has the sack of gold inside.
void PaintSafeClose(Sketch& sketch, const Layer& layer) {
  const Turn turn = TurnOf(layer, -30, 13, 1100);
  const bool open = layer.Word("state", "shut") == "open";
  const double half = kSafeWidth / 2;
  const double top = -kSafeHeight;
  const double bottom = -kSafeFeet;
  // Four squat feet; the near two show.
  for (const double x : {-half + 10, half - 36})
    PaintFace(sketch, turn, {x, bottom, 0}, {x + 26, bottom, 0}, {x + 26, 0, 0}, {x, 0, 0}, kIron, 0.3);
  PaintBlockSides(sketch, turn, kSafeWidth, top, bottom, kSafeDepth, kIron, kMetalDark, -0.05);
  OnFace front(sketch, FrontPlane(turn, 0));
  sketch.Shape(RoundedBox(-half, top, kSafeWidth, kSafeHeight - kSafeFeet, 6), kIron);
  Sheen(sketch, Rect(-half, top, kSafeWidth, kSafeHeight - kSafeFeet), QPointF(-half, top), QPointF(half, bottom), 0.16);
  // Rivets round the frame.
  for (int rivet = 0; rivet < 8; ++rivet) {
    const double x = -half + 8 + rivet * (kSafeWidth - 16) / 7;
    sketch.FlatOval(x, top + 8, 2.5, 2.5, kMetal);
    sketch.FlatOval(x, bottom - 8, 2.5, 2.5, kMetal);
  }
  const QRectF opening(-half + kSafeRim, top + kSafeRim, kSafeWidth - 2 * kSafeRim, kSafeHeight - kSafeFeet - 2 * kSafeRim);
  if (!open) {
    sketch.Shape(Rect(opening.x(), opening.y(), opening.width(), opening.height()), kMetalDark);
    Sheen(sketch, Rect(opening.x(), opening.y(), opening.width(), opening.height()), opening.topLeft(),
          opening.bottomRight(), 0.22);
    for (const double y : {top + 46, bottom - 60}) sketch.Box(half - 10, y, 12, 40, kMetal);
    sketch.Box(-44, top + 30, 88, 18, kGold);
    for (int line = 0; line < 2; ++line) sketch.Line(-34, top + 36 + line * 6, 34, top + 36 + line * 6, kGoldDark, 1.4);
    sketch.Painter().save();
    sketch.Painter().translate(-28, top + 120);
    PaintDial(sketch);
    sketch.Painter().restore();
    sketch.Painter().save();
    sketch.Painter().translate(54, top + 124);
    PaintHandleWheel(sketch);
    sketch.Painter().restore();
    sketch.Shape(RoundedBox(-40, bottom - 66, 24, 34, 5), kGoldDark);
    sketch.FlatOval(-28, bottom - 54, 4, 4, kBlack);
    sketch.FlatBox(-29.5, bottom - 54, 3, 12, kBlack);
    // Scuffs in the paint round the dial and handle from years of hands.
    if (!sketch.IsSilhouette())
      for (int scuff = 0; scuff < 7; ++scuff) {
        const double x = -60 + 110 * Scatter(scuff + 5);
        const double y = top + 80 + 90 * Scatter(scuff + 11);
        sketch.Painter().save();
        sketch.Painter().setOpacity(0.35);
        sketch.Line(x, y, x + 12, y + 3, kSilver, 1);
        sketch.Painter().restore();
      }
    return;
  }
  // The open safe: the dark strongbox inside, its floor, right wall and back, and a shelf.
  sketch.Fill(Rect(opening.x(), opening.y(), opening.width(), opening.height()), kShadow);
  {
    const double back = kSafeDepth - 22;
    const double left = opening.left();
    const double right = opening.right();
    const double roof = opening.top();
    const double floor = opening.bottom();
    // Back in the safe's own coordinates, clipped to the opening as the front shows it.
    OnFace reset(sketch, FrontPlane(turn, 0).inverted());
    QPainterPath clip;
    clip.addPolygon(FrontPlane(turn, 0).map(QPolygonF(opening)));
    sketch.Painter().setClipPath(clip, Qt::IntersectClip);
    PaintFace(sketch, turn, {left, roof, back}, {right, roof, back}, {right, floor, back}, {left, floor, back}, kMetalDark, 0.55);
    PaintFace(sketch, turn, {right, roof, 0}, {right, roof, back}, {right, floor, back}, {right, floor, 0}, kMetalDark, 0.35);
    PaintFace(sketch, turn, {left, floor, back}, {right, floor, back}, {right, floor, 0}, {left, floor, 0}, kMetal, 0.25);
    const double shelf = top + (kSafeHeight - kSafeFeet) * 0.52;
    PaintFace(sketch, turn, {left, shelf, back}, {right, shelf, back}, {right, shelf, 0}, {left, shelf, 0}, kMetal, 0.1);
    PaintFace(sketch, turn, {left, shelf, 0}, {right, shelf, 0}, {right, shelf + 7, 0}, {left, shelf + 7, 0}, kMetalDark, 0);
    if (layer.Flag("bag", false)) {
      OnFace bag(sketch, FrontPlane(turn, back * 0.45));
      sketch.Painter().translate(-14, shelf);
      sketch.Painter().scale(1.3, 1.3);
      PaintGoldSack(sketch);
      sketch.Glow(10, -30, 70, kGlow, 0.35);
    }
  }
  sketch.Painter().save();
  sketch.Painter().setTransform(FrontPlane(turn, 0).inverted(), true);
  // The door swung out towards the eye on its right-hand hinge: its thick edge and the bolt-work inside it.
  const double angle = layer.Number("swing", 100) * kDegree;
  const double doorWidth = kSafeWidth - 6;
  const double doorTop = top + 4;
  const double doorBottom = bottom - 4;
  constexpr double kThickness = 34;
  PaintFace(sketch, turn, DoorPoint(angle, doorWidth, doorTop, 0), DoorPoint(angle, doorWidth, doorTop, kThickness),
            DoorPoint(angle, doorWidth, doorBottom, kThickness), DoorPoint(angle, doorWidth, doorBottom, 0), kMetal, 0.1);
  {
    const QRectF flat(0, doorTop, doorWidth, doorBottom - doorTop);
    OnFace edge(sketch, FaceOnto(turn, flat, DoorPoint(angle, 0, doorTop, kThickness),
                                 DoorPoint(angle, doorWidth, doorTop, kThickness),
                                 DoorPoint(angle, doorWidth, doorBottom, kThickness),
                                 DoorPoint(angle, 0, doorBottom, kThickness)));
    sketch.Shape(Rect(0, doorTop, doorWidth, doorBottom - doorTop), kIron);
    sketch.Shape(Rect(20, doorTop + 20, doorWidth - 40, doorBottom - doorTop - 40), kMetalDark);
    Sheen(sketch, Rect(0, doorTop, doorWidth, doorBottom - doorTop), QPointF(0, doorTop), QPointF(doorWidth, doorBottom), 0.2);
    // The bolt-work: a bar linking three bolts to the hub behind the dial.
    const double middle = (doorTop + doorBottom) / 2;
    sketch.Box(doorWidth - 46, doorTop + 36, 14, doorBottom - doorTop - 72, kMetal);
    for (const double y : {doorTop + 50, middle, doorBottom - 50}) {
      sketch.Box(doorWidth * 0.4, y - 4, doorWidth * 0.6 - 40, 8, kSilver);
      sketch.Shape(RoundedBox(doorWidth - 20, y - 10, 30, 20, 8), kSilver);
    }
    sketch.Oval(doorWidth * 0.4, middle, 26, 26, kMetal);
    sketch.Oval(doorWidth * 0.4, middle, 10, 10, kIron);
  }
  sketch.Painter().restore();
}

// ---- The projection television -----------------------------------------------------------------------

constexpr double kTvWidth = 340;
constexpr double kTvHeight = 360;
constexpr double kTvDepth = 190;

// The glass of the screen, whole: dark, with the room's window and lamp mirrored in it.
void PaintScreenGlass(Sketch& sketch, const QRectF& screen) {
  const QPainterPath glass = Rect(screen.x(), screen.y(), screen.width(), screen.height());
  sketch.Shape(glass, kScreen);
  if (sketch.IsSilhouette()) return;
  sketch.Painter().save();
  sketch.Painter().setClipPath(glass);
  // The window behind the eye, mirrored: four pale panes leaning with the glass.
  const double x = screen.left() + screen.width() * 0.16;
  const double y = screen.top() + screen.height() * 0.12;
  QPainterPath window;
  window.addRect(x, y, screen.width() * 0.3, screen.height() * 0.5);
  Tint(sketch, window, kSkyPale, 0.22);
  sketch.Painter().setOpacity(0.5);
  sketch.Line(x + screen.width() * 0.15, y, x + screen.width() * 0.15, y + screen.height() * 0.5, kScreen, 5);
  sketch.Line(x, y + screen.height() * 0.25, x + screen.width() * 0.3, y + screen.height() * 0.25, kScreen, 5);
  sketch.Painter().setOpacity(1.0);
  Tint(sketch, RoundedBox(screen.right() - 70, screen.top() + 30, 26, 26, 13), kGlowPale, 0.2);
  sketch.Painter().restore();
  Sheen(sketch, glass, screen.topLeft(), screen.bottomRight(), 0.28);
}

// A huge projection television seen from the right in its lacquered cabinet, about 340 x 360 and 190 deep;
// origin at the foot of its front. state=smashed bursts the screen open; bulb=yes stands the huge bulb inside.
void PaintTelevisionClose(Sketch& sketch, const Layer& layer) {
  const Turn turn = TurnOf(layer, 24, 6, 1100);
  const bool smashed = layer.Word("state", "whole") == "smashed";
  const double half = kTvWidth / 2;
  const double top = -kTvHeight;
  PaintBlockSides(sketch, turn, kTvWidth + 10, top, 0, kTvDepth, kWoodDark, kWoodDark, 0.3);
  const QRectF screen(-half + 24, top + 24, kTvWidth - 48, 220);
  {
    OnFace front(sketch, FrontPlane(turn, 0));
    const QPainterPath cabinet = RoundedBox(-half, top, kTvWidth, kTvHeight, 8);
    sketch.Shape(cabinet, kIron);
    Sheen(sketch, cabinet, QPointF(-half, top), QPointF(half, 0), 0.14);
    // Speaker cloth under the screen, a strip of controls and the red light of the power.
    const QRectF cloth(-half + 24, screen.bottom() + 20, kTvWidth - 48, 70);
    sketch.Shape(Rect(cloth.x(), cloth.y(), cloth.width(), cloth.height()), kSuit);
    if (!sketch.IsSilhouette())
      for (double y = cloth.top() + 5; y < cloth.bottom(); y += 6)
        Tint(sketch, Rect(cloth.left(), y, cloth.width(), 2), kBlack, 0.25);
    sketch.Box(-half + 24, -42, kTvWidth - 48, 20, kShadow);
    for (int button = 0; button < 5; ++button) sketch.Box(-half + 40 + button * 22, -37, 14, 8, kMetalDark);
    sketch.FlatOval(half - 44, -32, 4, 4, kRuby);
    sketch.Glow(half - 44, -32, 18, kShirtRed, 0.6);
    sketch.Box(-half + 6, -10, kTvWidth - 12, 10, kShadow);
    if (!smashed) PaintScreenGlass(sketch, screen);
    else sketch.Fill(Rect(screen.x(), screen.y(), screen.width(), screen.height()), kGloom);
  }
  if (smashed) {
    // Through the burst glass: the cabinet's dark inside, its left wall, floor and the slanted mirror at the back.
    const double left = screen.left();
    const double right = screen.right();
    const double roof = screen.top();
    const double floor = screen.bottom();
    const double back = kTvDepth - 24;
    sketch.Painter().save();
    QPainterPath clip;
    clip.addPolygon(FrontPlane(turn, 0).map(QPolygonF(screen)));
    sketch.Painter().setClipPath(clip, Qt::IntersectClip);
    PaintFace(sketch, turn, {left, roof, back}, {right, roof, back}, {right, floor, back}, {left, floor, back}, kIron, 0.55);
    PaintFace(sketch, turn, {left, roof, back}, {left, roof, 0}, {left, floor, 0}, {left, floor, back}, kIron, 0.4);
    PaintFace(sketch, turn, {left, floor, back}, {right, floor, back}, {right, floor, 0}, {left, floor, 0}, kMetalDark, 0.35);
    // The slanted mirror the picture was thrown onto, a dull glint in the dark at the back.
    PaintFace(sketch, turn, {left + 30, roof + 20, back - 6}, {right - 30, roof + 20, back - 6}, {right - 30, floor - 90, back - 70},
              {left + 30, floor - 90, back - 70}, kScreen, 0.45);
    if (layer.Flag("bulb", false)) {
      OnFace bulb(sketch, FrontPlane(turn, back * 0.45));
      sketch.Painter().translate(0, floor);
      sketch.Painter().scale(1.45, 1.45);
      PaintBigBulb(sketch);
      sketch.Glow(0, -90, 110, kGlowPale, 0.4);
    } else {
      // Only the empty socket and its torn wires are left.
      OnFace socket(sketch, FrontPlane(turn, back * 0.45));
      sketch.Box(-30, floor - 44, 60, 44, kMetal);
      sketch.Oval(0, floor - 44, 27, 8, kBlack);
      sketch.Line(-24, floor - 40, -60, floor - 84, kShirtRed, 3);
      sketch.Line(20, floor - 40, 52, floor - 70, kOrange, 3);
    }
    sketch.Painter().restore();
    // What glass is left clings to the frame, cracked, its burst edges catching the light.
    OnFace front(sketch, FrontPlane(turn, 0));
    const QPointF centre = screen.center() + QPointF(4, 6);
    QPainterPath hole;
    constexpr int kPoints = 18;
    for (int point = 0; point < kPoints; ++point) {
      const double turnAngle = point * 6.28318 / kPoints;
      const double reach = (point % 2 == 0 ? 0.47 : 0.33) + 0.08 * Scatter(point + 41);
      const QPointF spot = centre + QPointF(std::cos(turnAngle) * screen.width() * reach,
                                            std::sin(turnAngle) * screen.height() * reach * 1.1);
      if (point == 0) hole.moveTo(spot);
      else hole.lineTo(spot);
    }
    hole.closeSubpath();
    QPainterPath glass;
    glass.addRect(screen);
    glass = glass.subtracted(hole);
    sketch.Shape(glass, kScreen);
    if (!sketch.IsSilhouette()) {
      Sheen(sketch, glass, screen.topLeft(), screen.bottomRight(), 0.4);
      sketch.Painter().save();
      sketch.Painter().setClipPath(glass);
      for (int crack = 0; crack < 12; ++crack) {
        const double crackAngle = (crack + 0.4) * 6.28318 / 12;
        const QPointF from = centre + QPointF(std::cos(crackAngle) * screen.width() * 0.3, std::sin(crackAngle) * screen.height() * 0.3);
        const QPointF to = centre + QPointF(std::cos(crackAngle) * screen.width() * 0.8, std::sin(crackAngle) * screen.height() * 0.8);
        sketch.Line(from.x(), from.y(), to.x(), to.y(), kSilver, 1.2);
      }
      sketch.Painter().restore();
    }
  }
  if (smashed) {
    // Shards of the screen strewn on the carpet before it, glinting.
    OnFace carpet(sketch, LevelPlane(turn, 0));
    for (int shard = 0; shard < 11; ++shard) {
      const double x = -half + 20 + (kTvWidth - 40) * Scatter(shard + 61);
      const double z = -20 - 110 * Scatter(shard + 83);
      const double size = 8 + 12 * Scatter(shard + 7);
      sketch.Polygon({At(x, z), At(x + size, z - size * 0.4), At(x + size * 0.6, z + size * 0.5)}, kScreenLight);
      if (shard % 3 == 0) sketch.FlatOval(x + size * 0.4, z, 2, 2, kWhite);
    }
  }
}

// ---- The dresser --------------------------------------------------------------------------------------

constexpr double kDresserWidth = 330;
constexpr double kDresserHeight = 230;
constexpr double kDresserDepth = 150;
constexpr double kDresserLegs = 24;

// A brass knob with its glint and a little shadow under it, centred on the origin.
void PaintKnob(Sketch& sketch) {
  Tint(sketch, RoundedBox(-6, -3, 14, 14, 7), kShadow, 0.35);
  sketch.Oval(0, 0, 7, 7, kGold);
  sketch.FlatOval(-2.5, -2.5, 2.2, 2.2, kSunGlow);
}

// A chest of drawers of lacquered wood seen from above and the right, about 330 x 250 and 150 deep; origin at
// the foot of its front. On its top a lace doily, a framed photograph and a small jewellery box.
void PaintDresserClose(Sketch& sketch, const Layer& layer) {
  const Turn turn = TurnOf(layer, 30, 20, 1000);
  const double half = kDresserWidth / 2;
  const double top = -kDresserHeight - kDresserLegs;
  const double bottom = -kDresserLegs;
  for (const double x : {-half + 8, half - 30})
    PaintFace(sketch, turn, {x, bottom, 0}, {x + 22, bottom, 0}, {x + 14, 0, 0}, {x + 8, 0, 0}, kWoodDark, 0.2);
  PaintBlockSides(sketch, turn, kDresserWidth, top + 14, bottom, kDresserDepth, kWoodDark, kWood, 0.3);
  // The top slab overhangs a little all round.
  PaintBlockSides(sketch, turn, kDresserWidth + 16, top, top + 14, kDresserDepth + 8, kWoodDark, kWood, 0.25);
  {
    OnFace front(sketch, FrontPlane(turn, 0));
    sketch.Box(-half - 8, top, kDresserWidth + 16, 14, kWoodDark);
    sketch.Box(-half, top + 14, kDresserWidth, kDresserHeight - 14, kWood);
    const double rowHeight = (kDresserHeight - 34) / 3;
    for (int row = 0; row < 3; ++row) {
      for (int column = 0; column < 2; ++column) {
        const double x = -half + 12 + column * (kDresserWidth - 24) / 2;
        const double y = top + 24 + row * rowHeight;
        const double width = (kDresserWidth - 24) / 2 - 6;
        sketch.Box(x + 3, y + 3, width, rowHeight - 8, kWoodLight);
        Tint(sketch, Rect(x + 3, y + rowHeight - 5, width, 4), kShadow, 0.45);
        sketch.Painter().save();
        sketch.Painter().translate(x + 3 + width / 2, y + rowHeight / 2);
        PaintKnob(sketch);
        sketch.Painter().restore();
      }
    }
    Sheen(sketch, Rect(-half, top + 14, kDresserWidth, kDresserHeight - 14), QPointF(-half, top), QPointF(half, bottom), 0.2);
  }
  {
    // On the top: a lace doily and a small lacquered jewellery box lying on it.
    OnFace lid(sketch, LevelPlane(turn, top));
    QPainterPath doily;
    for (int scallop = 0; scallop < 24; ++scallop) {
      const double angle = scallop * 6.28318 / 24;
      doily.addEllipse(QPointF(-40 + std::cos(angle) * 62, 70 + std::sin(angle) * 44), 9, 9);
    }
    doily.addEllipse(QPointF(-40, 70), 62, 44);
    sketch.Shape(Merged(doily), kPaper);
    if (!sketch.IsSilhouette())
      for (int ring = 1; ring < 4; ++ring) {
        QPainterPath lace;
        lace.addEllipse(QPointF(-40, 70), 62 - ring * 13, 44 - ring * 9);
        sketch.Stroke(lace, kPaperShade, 1.2);
      }
    Sheen(sketch, Rect(-half, 0, kDresserWidth, kDresserDepth), QPointF(-half, 0), QPointF(half, kDresserDepth), 0.25);
  }
  PaintFace(sketch, turn, {-74, top - 26, 50}, {-16, top - 26, 50}, {-16, top, 50}, {-74, top, 50}, kCrimson, 0.0);
  PaintBlockSides(sketch, turn, 58, top - 26, top, 0, kCrimson, kCrimson, 0.3);
  {
    // A framed photograph leaning back on its stand.
    OnFace photo(sketch, FrontPlane(turn, 60));
    sketch.Painter().translate(70, top);
    sketch.Painter().scale(0.72, 0.72);
    sketch.Box(-36, -96, 72, 96, kGoldDark);
    sketch.Box(-28, -88, 56, 80, kSkyPale);
    sketch.Oval(0, -58, 12, 14, kSkin);
    sketch.Shape(RoundedBox(-18, -44, 36, 36, 14), kDress);
    Sheen(sketch, Rect(-28, -88, 56, 80), QPointF(-28, -88), QPointF(28, -8), 0.5);
  }
}

// An open drawer pulled out of the dresser, seen from above: its front with the knob, its sides and bottom,
// and the dresser's top behind it; the scene lays the gloves in. Origin at the middle of the drawer's bottom.
void PaintDrawerClose(Sketch& sketch, const Layer& layer) {
  const Turn turn = TurnOf(layer, 12, 58, 900);
  constexpr double kHalf = 170;
  constexpr double kDepth = 240;
  constexpr double kSide = 90;
  constexpr double kBoard = 12;
  const double front = -kDepth / 2;
  const double back = kDepth / 2;
  // The dresser behind: its front round the drawer's hole and its top beyond.
  PaintFace(sketch, turn, {-kHalf - 40, -kSide - 30, back - 40}, {kHalf + 40, -kSide - 30, back - 40},
            {kHalf + 40, 260, back - 40}, {-kHalf - 40, 260, back - 40}, kWood, 0.25);
  PaintFace(sketch, turn, {-kHalf - 48, -kSide - 44, back + 200}, {kHalf + 48, -kSide - 44, back + 200},
            {kHalf + 48, -kSide - 44, back - 40}, {-kHalf - 48, -kSide - 44, back - 40}, kWood, -0.05);
  PaintFace(sketch, turn, {-kHalf - 48, -kSide - 44, back - 40}, {kHalf + 48, -kSide - 44, back - 40},
            {kHalf + 48, -kSide - 30, back - 40}, {-kHalf - 48, -kSide - 30, back - 40}, kWoodDark, 0.1);
  // The drawer: its right outer side, then inside its bottom, far board, left side and front board.
  PaintFace(sketch, turn, {kHalf, -kSide, front}, {kHalf, -kSide, back}, {kHalf, 0, back}, {kHalf, 0, front}, kWoodDark, 0.35);
  PaintFace(sketch, turn, {-kHalf + kBoard, 0, back - kBoard}, {kHalf - kBoard, 0, back - kBoard},
            {kHalf - kBoard, 0, front + kBoard}, {-kHalf + kBoard, 0, front + kBoard}, kWoodLight, 0.05);
  PaintFace(sketch, turn, {-kHalf + kBoard, -kSide, back - kBoard}, {kHalf - kBoard, -kSide, back - kBoard},
            {kHalf - kBoard, 0, back - kBoard}, {-kHalf + kBoard, 0, back - kBoard}, kWood, 0.25);
  PaintFace(sketch, turn, {-kHalf + kBoard, -kSide, back - kBoard}, {-kHalf + kBoard, -kSide, front + kBoard},
            {-kHalf + kBoard, 0, front + kBoard}, {-kHalf + kBoard, 0, back - kBoard}, kWood, 0.15);
  // The tops of the drawer's boards.
  PaintFace(sketch, turn, {-kHalf, -kSide, back}, {kHalf, -kSide, back}, {kHalf, -kSide, back - kBoard},
            {-kHalf, -kSide, back - kBoard}, kWoodLight, 0);
  PaintFace(sketch, turn, {-kHalf, -kSide, back}, {-kHalf + kBoard, -kSide, back}, {-kHalf + kBoard, -kSide, front},
            {-kHalf, -kSide, front}, kWoodLight, 0);
  PaintFace(sketch, turn, {kHalf - kBoard, -kSide, back}, {kHalf, -kSide, back}, {kHalf, -kSide, front},
            {kHalf - kBoard, -kSide, front}, kWoodLight, 0);
  {
    // The bottom's grain and the shadow the near board throws across it.
    OnFace bottomBoard(sketch, LevelPlane(turn, 0));
    if (!sketch.IsSilhouette())
      for (int seam = 1; seam < 4; ++seam)
        Tint(sketch, Rect(-kHalf + kBoard + seam * (2 * kHalf - 2 * kBoard) / 4, front + kBoard, 1.5, kDepth - 2 * kBoard),
             kWoodDark, 0.5);
    Tint(sketch, Rect(-kHalf + kBoard, front + kBoard, 2 * kHalf - 2 * kBoard, 30), kShadow, 0.25);
    Tint(sketch, Rect(-kHalf + kBoard, front + kBoard, 26, kDepth - 2 * kBoard), kShadow, 0.2);
  }
  // The front board: its inner face faces away; its top and the face towards the eye show.
  PaintFace(sketch, turn, {-kHalf - 10, -kSide - 6, front}, {kHalf + 10, -kSide - 6, front}, {kHalf + 10, -kSide - 6, front - 18},
            {-kHalf - 10, -kSide - 6, front - 18}, kWoodLight, 0);
  PaintFace(sketch, turn, {-kHalf - 10, -kSide - 6, front - 18}, {kHalf + 10, -kSide - 6, front - 18},
            {kHalf + 10, 6, front - 18}, {-kHalf - 10, 6, front - 18}, kWoodLight, 0.1);
  {
    OnFace face(sketch, FrontPlane(turn, front - 18));
    sketch.Painter().translate(0, -kSide / 2);
    sketch.Painter().scale(1.6, 1.6);
    PaintKnob(sketch);
  }
}

// ---- Near the eye ------------------------------------------------------------------------------------

// Something close to the eye at the frame's edge, out of focus, giving a close view its depth: kind=armchair
// (the rounded back of an upholstered chair), sofa (a sofa's arm), post (a porch post and rail), branch (a
// leafy bough), bubbles (air rising under water), flakes (snow blown past). Origin where it stands or hangs from; blur= sets how soft it is.
void PaintNearEdge(Sketch& sketch, const Layer& layer) {
  const std::string kind = layer.Word("kind", "armchair");
  const QRgb colour = layer.Colour("colour", kind == "post" ? kHouseWhite : kCarpetDark);
  if (kind != "armchair" && kind != "sofa" && kind != "post" && kind != "branch" && kind != "bubbles" &&
      kind != "flakes")
    throw SceneError(layer.Where() + ": near-edge kind is armchair, sofa, post, branch, bubbles or flakes");
  NearTheEye(sketch, layer.Number("blur", 5), [&](Sketch& near) {
    if (kind == "armchair") {
      QPainterPath back;
      back.moveTo(-160, 40);
      back.cubicTo(-160, -120, 160, -130, 170, 40);
      back.closeSubpath();
      near.Shape(back, colour);
      near.Shape(RoundedBox(-190, -30, 60, 80, 28), colour);
      for (int button = 0; button < 4; ++button) near.FlatOval(-90 + button * 60, -40 + (button % 2) * 20, 5, 5, kShadow);
    } else if (kind == "sofa") {
      near.Shape(RoundedBox(-70, -80, 140, 200, 50), colour);
      near.Shape(RoundedBox(-80, -96, 160, 60, 30), colour);
    } else if (kind == "bubbles") {
      // A stream of air bubbles rising past the eye under water.
      for (int bubble = 0; bubble < 12; ++bubble) {
        const double size = 5 + 12 * near.Vary(bubble);
        const QPointF at(60 * (near.Vary(bubble + 30) - 0.5) + bubble * 4, -bubble * 24 + 80);
        QPainterPath round;
        round.addEllipse(at, size, size);
        near.Stroke(round, kFoam, 2);
        near.FlatOval(at.x() - size * 0.35, at.y() - size * 0.35, size * 0.25, size * 0.2, kWhite);
      }
    } else if (kind == "flakes") {
      // Snow blown past the eye, streaked along the wind.
      for (int flake = 0; flake < 40; ++flake) {
        const double x = -300 + 600 * near.Vary(flake + 11);
        const double y = -200 + 400 * near.Vary(flake + 53);
        const double size = 3 + 6 * near.Vary(flake + 97);
        near.Line(x, y, x + size * 3, y - size * 0.6, kSnow, size);
      }
    } else if (kind == "post") {
      near.Box(-22, -460, 44, 480, colour);
      near.Box(-300, -120, 280, 22, colour);
      for (int baluster = 0; baluster < 5; ++baluster) near.Box(-280 + baluster * 56, -98, 14, 110, colour);
    } else {
      for (int leaf = 0; leaf < 18; ++leaf) {
        const double along = leaf / 17.0;
        const double x = -200 + along * 320;
        const double y = 30 * std::sin(along * 3) + (leaf % 2 == 0 ? -20 : 20);
        near.Painter().save();
        near.Painter().translate(x, y);
        near.Painter().rotate(leaf % 2 == 0 ? -30 : 30);
        near.Shape(RoundedBox(-26, -10, 52, 20, 10), leaf % 3 == 0 ? kLeafDark : colour);
        near.Painter().restore();
      }
      near.Line(-220, 0, 140, 10, kBark, 8);
    }
  });
}

}  // namespace

void RegisterMansionCloseUpProps(PropRegistry& registry) {
  registry.Add("papered-wall", PaintPaperedWall);
  registry.Add("painting-close", PaintPaintingClose);
  registry.Add("safe-close", PaintSafeClose, 110);
  registry.Add("television-close", PaintTelevisionClose, 170);
  registry.Add("dresser-close", PaintDresserClose, 165);
  registry.Add("drawer-close", PaintDrawerClose);
  registry.Add("near-edge", PaintNearEdge);
}

}  // namespace brackenhollow::art
