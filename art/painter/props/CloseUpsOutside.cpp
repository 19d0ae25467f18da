// Close views out of doors: a front door from its step, a manhole cover at one's feet, the vault under the
// stone bridge, the stones round the bonfire and the amulet on its cloth; each turned so the eye looks down
// or along it, its ground in perspective.
#include "art/painter/props/CloseUpKit.h"
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <vector>

namespace brackenhollow::art {

using namespace colours;

namespace {

QPainterPath Rect(double x, double y, double width, double height) {
  QPainterPath path;
  path.addRect(x, y, width, height);
  return path;
}

// ---- The doorstep ------------------------------------------------------------------------------------

// A house's front wall seen from its porch step, turned away to the right: clapboard siding, the door in its
// frame and reveal, a window either side and the porch boards before it. colour= the siding, door= the door's
// colour; mat=yes lays the welcome mat on the boards; barred=yes nails a plank across the door with a padlock;
// windows=dark|curtains; number= the house's number, lamp=no leaves out the lamp by the door. Origin at the foot of the door's middle; the wall ends at flat x=end, past which the
// scene's background shows.
void PaintDoorstep(Sketch& sketch, const Layer& layer) {
  const Turn turn = TurnOf(layer, -28, 16, 1000);
  const QRgb siding = layer.Colour("colour", kHouseYellow);
  const QRgb doorColour = layer.Colour("door", kWood);
  const double end = layer.Number("end", 520);
  const bool barred = layer.Flag("barred", false);
  const std::string windows = layer.Word("windows", "curtains");
  constexpr double kTop = -470;
  constexpr double kDoorHalf = 62;
  constexpr double kDoorHeight = 236;
  constexpr double kReveal = 14;
  // The porch boards, running from the wall towards the eye, and the step's edge.
  PaintFace(sketch, turn, {-900, 0, 0}, {end + 40, 0, 0}, {end + 40, 0, -420}, {-900, 0, -420}, kFloorWood, -0.04);
  {
    OnFace boards(sketch, LevelPlane(turn, 0));
    if (!sketch.IsSilhouette())
      for (double x = -900; x < end + 40; x += 34) Tint(sketch, Rect(x, -420, 2, 420), kWoodDark, 0.5);
    // The porch roof keeps the boards by the wall in shade.
    Tint(sketch, Rect(-900, -60, end + 940, 60), kShadow, 0.18);
  }
  {
    OnFace wall(sketch, FrontPlane(turn, 0));
    QPainterPath face = Rect(-900, kTop, end + 900, -kTop);
    face = face.subtracted(Rect(-kDoorHalf - 16, -kDoorHeight - 16, kDoorHalf * 2 + 32, kDoorHeight + 16));
    sketch.Shape(face, siding);
    if (!sketch.IsSilhouette()) {
      // Clapboards: each board's lower lip catches the light, the shadow line under it does not.
      for (double y = kTop + 24; y < 0; y += 24) {
        Tint(sketch, Rect(-900, y - 3, end + 900, 3), kShadow, 0.22);
        Tint(sketch, Rect(-900, y, end + 900, 2), kWhite, 0.2);
      }
      // Shade under the porch roof at the top of the wall.
      QLinearGradient roofShade(QPointF(0, kTop), QPointF(0, kTop + 140));
      QColor shade = QColor::fromRgb(kShadow);
      shade.setAlphaF(0.45f);
      roofShade.setColorAt(0, shade);
      shade.setAlphaF(0);
      roofShade.setColorAt(1, shade);
      sketch.Painter().save();
      sketch.Painter().setPen(Qt::NoPen);
      sketch.Painter().setBrush(roofShade);
      sketch.Painter().drawPath(face);
      sketch.Painter().restore();
    }
    // Windows either side of the door, with sills.
    for (const double x : {-330.0, 210.0}) {
      sketch.Box(x - 10, -330, 140, 190, kHouseWhite);
      sketch.Box(x, -320, 120, 170, windows == "dark" ? kGloom : kSkyPale);
      if (windows == "dark") {
        Sheen(sketch, Rect(x, -320, 120, 170), QPointF(x, -320), QPointF(x + 120, -150), 0.25);
      } else {
        sketch.Shape(PathThrough({At(x, -320), At(x + 40, -320), At(x + 22, -150), At(x, -150)}), kShirtRed);
        sketch.Shape(PathThrough({At(x + 80, -320), At(x + 120, -320), At(x + 120, -150), At(x + 98, -150)}), kShirtRed);
      }
      sketch.Line(x + 60, -320, x + 60, -150, kHouseWhite, 5);
      sketch.Line(x, -235, x + 120, -235, kHouseWhite, 5);
      sketch.Box(x - 18, -146, 156, 12, kHouseWhite);
    }
    // The house number beside the door and the lamp over it.
    sketch.Box(kDoorHalf + 34, -200, 42, 40, kGoldDark);
    sketch.Text(QRectF(kDoorHalf + 34, -200, 42, 40), QString::fromStdString(layer.Word("number", "3")), 24, kInk);
    if (layer.Flag("lamp", true)) {
      sketch.Box(-kDoorHalf - 52, -250, 22, 34, kIron);
      sketch.Oval(-kDoorHalf - 41, -238, 8, 10, kGlowPale);
    }
  }
  // The door's reveal: the far jamb shows, lit by the day.
  PaintFace(sketch, turn, {kDoorHalf, -kDoorHeight, 0}, {kDoorHalf, -kDoorHeight, kReveal}, {kDoorHalf, 0, kReveal},
            {kDoorHalf, 0, 0}, kHouseWhite, 0.1);
  PaintFace(sketch, turn, {-kDoorHalf, -kDoorHeight, kReveal}, {kDoorHalf, -kDoorHeight, kReveal}, {kDoorHalf, -kDoorHeight, 0},
            {-kDoorHalf, -kDoorHeight, 0}, kHouseWhite, 0.45);
  {
    OnFace door(sketch, FrontPlane(turn, kReveal));
    QPainterPath leaf = Rect(-kDoorHalf, -kDoorHeight, kDoorHalf * 2, kDoorHeight);
    sketch.Shape(leaf, doorColour);
    for (const double y : {-kDoorHeight + 18, -kDoorHeight / 2 + 10}) {
      sketch.Box(-kDoorHalf + 16, y, kDoorHalf * 2 - 32, kDoorHeight / 2 - 36, doorColour);
      Tint(sketch, Rect(-kDoorHalf + 16, y, kDoorHalf * 2 - 32, 5), kShadow, 0.35);
      Tint(sketch, Rect(-kDoorHalf + 16, y, 5, kDoorHeight / 2 - 36), kShadow, 0.25);
    }
    sketch.Box(-kDoorHalf + 4, -22, kDoorHalf * 2 - 8, 18, kGoldDark);
    sketch.Oval(kDoorHalf - 18, -kDoorHeight / 2, 7, 7, kGold);
    sketch.FlatOval(kDoorHalf - 20, -kDoorHeight / 2 - 2, 2.4, 2.4, kSunGlow);
    sketch.Box(kDoorHalf - 22, -kDoorHeight / 2 + 14, 8, 12, kGoldDark);
    Sheen(sketch, leaf, QPointF(-kDoorHalf, -kDoorHeight), QPointF(kDoorHalf, 0), 0.15);
    // The frame's shadow falls across the door from the upper left.
    Tint(sketch, PathThrough({At(-kDoorHalf, -kDoorHeight), At(kDoorHalf, -kDoorHeight), At(kDoorHalf, -kDoorHeight + 14),
                              At(-kDoorHalf + 20, -kDoorHeight + 14), At(-kDoorHalf + 20, 0), At(-kDoorHalf, 0)}),
         kShadow, 0.3);
    if (barred) {
      // A rough plank nailed across, a hasp and a heavy padlock.
      sketch.Painter().save();
      sketch.Painter().rotate(-4);
      sketch.Box(-kDoorHalf - 30, -140, kDoorHalf * 2 + 60, 24, kWoodDark);
      for (const double x : {-kDoorHalf - 20, kDoorHalf + 14}) sketch.FlatOval(x, -128, 3, 3, kIron);
      sketch.Painter().restore();
      sketch.Box(kDoorHalf - 34, -146, 30, 16, kIron);
      sketch.Painter().save();
      sketch.Painter().translate(kDoorHalf - 20, -134);
      sketch.Painter().scale(1.15, 1.15);
      const PropPainter padlock = PropRegistry::Everything().Find("padlock");
      if (padlock != nullptr) padlock(sketch, layer);
      sketch.Painter().restore();
    }
  }
  {
    OnFace wall(sketch, FrontPlane(turn, 0));
    // The door's white casing, proud of the wall.
    sketch.Box(-kDoorHalf - 16, -kDoorHeight - 16, 16, kDoorHeight + 16, kHouseWhite);
    sketch.Box(kDoorHalf, -kDoorHeight - 16, 16, kDoorHeight + 16, kHouseWhite);
    sketch.Box(-kDoorHalf - 24, -kDoorHeight - 30, kDoorHalf * 2 + 48, 16, kHouseWhite);
    // The corner board where the wall ends.
    sketch.Box(end - 20, kTop, 20, -kTop, kHouseWhite);
  }
  if (layer.Flag("mat", false)) {
    OnFace boards(sketch, LevelPlane(turn, 0));
    // On the boards flat y runs away from the eye; the mat's lettering reads from the step.
    sketch.Painter().translate(0, -80);
    sketch.Painter().scale(1, -1);
    SoftShadow(sketch, Rect(-120, -34, 240, 68), QPointF(4, 3), 4, 0.3);
    const PropPainter mat = PropRegistry::Everything().Find("welcome-mat");
    if (mat != nullptr) mat(sketch, layer);
    // Bristles: the coir's coarse texture over the printed colours.
    sketch.Texture(Rect(-118, -32, 236, 64), kHay);
  }
}


// ---- The manhole -------------------------------------------------------------------------------------

// The cast-iron cover, radius r, flat on the plane: rim, raised rings and grid, the lettered band, pick holes,
// rust and the wet sheen of the road. Centred on the origin.
void PaintCoverPlate(Sketch& sketch, double radius) {
  sketch.Oval(0, 0, radius, radius, kIron);
  sketch.Oval(0, 0, radius - 10, radius - 10, kMetalDark);
  if (sketch.IsSilhouette()) return;
  QPainterPath disc;
  disc.addEllipse(QPointF(0, 0), radius - 14, radius - 14);
  sketch.Painter().save();
  sketch.Painter().setClipPath(disc);
  // A raised diamond grid, each ridge lit on one side and dark on the other.
  for (double offset = -radius * 2; offset < radius * 2; offset += 22) {
    sketch.Line(offset - radius, -radius, offset + radius, radius, kIron, 5);
    sketch.Line(offset + radius, -radius, offset - radius, radius, kIron, 5);
    sketch.Line(offset - radius + 2, -radius, offset + radius + 2, radius, kMetal, 1.2);
    sketch.Line(offset + radius + 2, -radius, offset - radius + 2, radius, kMetal, 1.2);
  }
  sketch.Painter().restore();
  for (const double ring : {radius - 14, radius * 0.45}) {
    QPainterPath circle;
    circle.addEllipse(QPointF(0, 0), ring, ring);
    sketch.Stroke(circle, kIron, 6);
    sketch.Stroke(circle.translated(-1.5, -1.5), kMetal, 1.4);
  }
  sketch.Box(-radius * 0.8, -17, radius * 1.6, 34, kIron);
  sketch.Text(QRectF(-radius * 0.8, -17, radius * 1.6, 34), QStringLiteral("SEWER"), 24, kMetal);
  for (const double x : {-radius * 0.62, radius * 0.62}) sketch.Oval(x, radius * 0.45, 6, 4, kBlack);
  // Rust bleeding from the rim and the holes.
  for (int stain = 0; stain < 6; ++stain) {
    const double angle = stain * 1.05 + 0.4 * sketch.Vary(stain);
    Tint(sketch, RoundedBox(std::cos(angle) * radius * 0.8 - 14, std::sin(angle) * radius * 0.8 - 10, 28, 20, 10), kRust, 0.35);
  }
  QPainterPath whole;
  whole.addEllipse(QPointF(0, 0), radius, radius);
  Sheen(sketch, whole, QPointF(-radius, -radius), QPointF(radius, radius), 0.22);
}

// The road at one's feet round a manhole, seen from above: wet tarmac with its cracks, a faded line and a
// puddle, the gutter and kerb, and the pavement and the alley's wall soft beyond. Origin where the manhole lies.
void PaintStreetAtFeet(Sketch& sketch, const Layer& layer) {
  const Turn turn = TurnOf(layer, 8, 52, 900);
  const double radius = layer.Number("r", 120);
  constexpr double kKerb = 300;
  if (!sketch.IsSilhouette()) {
    NearTheEye(sketch, 3, [&](Sketch& far) {
      PaintFace(far, turn, {-1400, -30, 2600}, {1400, -30, 2600}, {1400, -30, kKerb}, {-1400, -30, kKerb}, kStone, 0.0);
      PaintFace(far, turn, {-1400, -30, kKerb}, {1400, -30, kKerb}, {1400, 0, kKerb}, {-1400, 0, kKerb}, kStoneLight, 0.1);
      PaintFace(far, turn, {-1400, -1400, kKerb + 330}, {1400, -1400, kKerb + 330}, {1400, -30, kKerb + 330},
                {-1400, -30, kKerb + 330}, kBrick, 0.1);
      OnFace slabs(far, LevelPlane(turn, -30));
      for (double x = -1400; x < 1400; x += 160) Tint(far, Rect(x, kKerb, 3, 330), kShadow, 0.4);
      Tint(far, Rect(-1400, kKerb + 150, 2800, 3), kShadow, 0.4);
    });
  }
  PaintFace(sketch, turn, {-1400, 0, kKerb}, {1400, 0, kKerb}, {1400, 0, -700}, {-1400, 0, -700}, kRoad, 0.05);
  OnFace road(sketch, LevelPlane(turn, 0));
  if (sketch.IsSilhouette()) return;
  // The gutter along the kerb, cracks in the tarmac, a faded painted line and a puddle holding the sky.
  Tint(sketch, Rect(-1400, kKerb - 50, 2800, 50), kRoadDark, 0.6);
  for (int crack = 0; crack < 6; ++crack) {
    QPainterPath line;
    double x = -500 + 1000 * sketch.Vary(crack + 20);
    double z = -300 + 500 * sketch.Vary(crack + 40);
    line.moveTo(x, z);
    for (int step = 0; step < 5; ++step) {
      x += 30 * (sketch.Vary(crack * 7 + step) - 0.5) * 3;
      z += 28;
      line.lineTo(x, z);
    }
    sketch.Painter().save();
    sketch.Painter().setOpacity(0.5);
    sketch.Stroke(line, kInk, 1.2);
    sketch.Painter().restore();
  }
  sketch.Painter().save();
  sketch.Painter().setOpacity(0.55);
  for (double z = -600; z < kKerb - 60; z += 120) sketch.FlatBox(-radius - 190, z, 16, 70, kRoadLine);
  sketch.Painter().restore();
  QPainterPath puddle;
  puddle.addEllipse(QPointF(radius + 130, -60), 70, 38);
  puddle.addEllipse(QPointF(radius + 80, -40), 44, 26);
  puddle = Merged(puddle);
  sketch.Fill(puddle, kSkyPale);
  Sheen(sketch, puddle, QPointF(radius, -170), QPointF(radius + 230, -40), 0.5);
  sketch.Outline(puddle);
}

// A heavy manhole cover in the road at one's feet, seen from above as the street-at-feet is; about 240 across,
// centred on the origin. state=open slides the cover aside over a shaft with its ladder going down.
void PaintManholeClose(Sketch& sketch, const Layer& layer) {
  const Turn turn = TurnOf(layer, 8, 52, 900);
  const bool open = layer.Word("state", "shut") == "open";
  const double radius = layer.Number("r", 120);
  OnFace road(sketch, LevelPlane(turn, 0));
  if (!open) {
    // Flat y on the road runs away from the eye; the lettering reads from where one stands.
    sketch.Painter().scale(1, -1);
    PaintCoverPlate(sketch, radius);
    return;
  }
  // The shaft: its brick-lined wall going down into the dark, the ladder fixed to its far side.
  QPainterPath hole;
  hole.addEllipse(QPointF(0, 0), radius - 10, radius - 10);
  sketch.Shape(hole, kGloom);
  sketch.Painter().save();
  sketch.Painter().setTransform(LevelPlane(turn, 0).inverted(), true);
  QPainterPath clip;
  clip.addPolygon(LevelPlane(turn, 0).map(hole.toFillPolygon()));
  sketch.Painter().setClipPath(clip, Qt::IntersectClip);
  for (int ring = 1; ring < 7; ++ring) {
    OnFace depth(sketch, LevelPlane(turn, ring * 26));
    QPainterPath course;
    course.addEllipse(QPointF(0, 0), radius - 10, radius - 10);
    sketch.Painter().setOpacity(1.0 - ring * 0.13);
    sketch.Stroke(course, kBrickDark, 4);
  }
  sketch.Painter().setOpacity(1.0);
  for (const double x : {-34.0, 34.0}) {
    const QPointF top = Project(turn, {x, -6, radius - 18});
    const QPointF bottom = Project(turn, {x, 260, radius - 18});
    sketch.Line(top.x(), top.y(), bottom.x(), bottom.y(), kMetal, 6);
  }
  for (int rung = 0; rung < 8; ++rung) {
    const QPointF left = Project(turn, {-34, rung * 32.0, radius - 18});
    const QPointF right = Project(turn, {34, rung * 32.0, radius - 18});
    sketch.Line(left.x(), left.y(), right.x(), right.y(), rung < 4 ? kMetal : kMetalDark, 4);
  }
  sketch.Painter().restore();
  // The cover pushed aside onto the road.
  sketch.Painter().translate(radius * 1.55, radius * 0.35);
  sketch.Painter().scale(1, -1);
  SoftShadow(sketch, RoundedBox(-radius, -radius, radius * 2, radius * 2, radius), QPointF(8, -10), 6, 0.35);
  PaintCoverPlate(sketch, radius);
}


// ---- Under the bridge --------------------------------------------------------------------------------

// The inside of a stone arch seen from the water's edge before it: the vault's courses running away to the
// bright far opening, its walls damp and tagged with graffiti, the murky water under it holding the far light,
// a ledge along one side and the near face of the bridge round the arch. Origin at the foot of the near
// arch's middle, at the water.
void PaintBridgeUnderside(Sketch& sketch, const Layer& layer) {
  const Turn turn = TurnOf(layer, -16, 11, 900);
  const double radius = layer.Number("r", 270);
  const double rise = layer.Number("rise", 140);
  const double length = layer.Number("length", 640);
  constexpr int kSegments = 14;
  std::vector<QPointF> profile;  // x, y round the vault from the right foot to the left
  profile.emplace_back(radius, 0);
  for (int step = 0; step <= kSegments; ++step) {
    const double angle = step * 3.14159265 / kSegments;
    profile.emplace_back(radius * std::cos(angle), -rise - radius * std::sin(angle));
  }
  profile.emplace_back(-radius, 0);
  const auto opening = [&](double z) {
    QPolygonF polygon;
    for (const QPointF& point : profile) polygon << Project(turn, {point.x(), point.y(), z});
    return polygon;
  };
  if (!sketch.IsSilhouette()) {
    // The daylight beyond the far end: sky, a green bank and bright water, soft in the distance.
    QPainterPath far;
    far.addPolygon(opening(length));
    far.closeSubpath();
    NearTheEye(sketch, 3, [&](Sketch& soft) {
      soft.Fill(far, kSkyPale);
      soft.Painter().save();
      soft.Painter().setClipPath(far);
      const QPointF bank = Project(turn, {0, -50, length + 400});
      soft.FlatBox(bank.x() - 600, bank.y(), 1200, 30, kHill);
      soft.FlatOval(bank.x() - 120, bank.y(), 90, 60, kLeaf);
      soft.FlatOval(bank.x() + 140, bank.y() + 4, 70, 50, kLeafLight);
      soft.Painter().restore();
    });
  }
  // The vault: course by course, darker towards its crown where the daylight does not reach.
  for (std::size_t index = 0; index + 1 < profile.size(); ++index) {
    const QPointF from = profile[index];
    const QPointF to = profile[index + 1];
    const double height = -(from.y() + to.y()) / 2 / (rise + radius);
    PaintFace(sketch, turn, {from.x(), from.y(), 0}, {from.x(), from.y(), length}, {to.x(), to.y(), length}, {to.x(), to.y(), 0},
              index % 3 == 1 ? kStoneDark : kStone, 0.15 + 0.35 * height);
  }
  if (!sketch.IsSilhouette()) {
    // Joints across the courses, and the damp green tide mark along the walls.
    sketch.Painter().save();
    sketch.Painter().setOpacity(0.45);
    for (double z = 80; z < length; z += 80) {
      QPainterPath joint;
      joint.addPolygon(opening(z));
      sketch.Stroke(joint, kInk, 1.0);
    }
    sketch.Painter().restore();
    for (const double x : {radius, -radius}) {
      QPainterPath damp;
      damp.addPolygon(QPolygonF({Project(turn, {x, -60, 0}), Project(turn, {x, -60, length}), Project(turn, {x, 0, length}),
                                 Project(turn, {x, 0, 0})}));
      Tint(sketch, damp, kLeafDark, 0.35);
    }
    // Tags sprayed on the right-hand wall, reading from the bank.
    const PropPainter graffiti = PropRegistry::Everything().Find("graffiti");
    if (graffiti != nullptr) {
      OnFace wall(sketch, SidePlane(turn, radius));
      sketch.Painter().translate(190, -130);
      sketch.Painter().scale(-1.35, 1.35);
      graffiti(sketch, layer);
    }
  }
  // The water under the arch and before it, holding the far opening's light.
  PaintFace(sketch, turn, {-900, 0, length}, {900, 0, length}, {900, 0, -500}, {-900, 0, -500}, kMurky, 0.05);
  if (!sketch.IsSilhouette()) {
    OnFace water(sketch, LevelPlane(turn, 0));
    Tint(sketch, RoundedBox(-radius * 0.8, 120, radius * 1.6, length - 120, 80), kSkyPale, 0.35);
    for (int ripple = 0; ripple < 26; ++ripple) {
      const double x = -radius + 2 * radius * sketch.Vary(ripple);
      const double z = -300 + (length + 280) * sketch.Vary(ripple + 50);
      sketch.Painter().save();
      sketch.Painter().setOpacity(0.5);
      sketch.Line(x, z, x + 40 + 30 * sketch.Vary(ripple + 90), z, kFoam, 2.2);
      sketch.Painter().restore();
    }
  }
  // A ledge along the left wall, and the near face of the bridge round the arch.
  PaintFace(sketch, turn, {-radius, -44, length}, {-radius + 90, -44, length}, {-radius + 90, -44, 0}, {-radius, -44, 0},
            kStoneLight, 0.1);
  PaintFace(sketch, turn, {-radius + 90, -44, 0}, {-radius + 90, -44, length}, {-radius + 90, 0, length},
            {-radius + 90, 0, 0}, kStoneDark, 0.2);
  OnFace face(sketch, FrontPlane(turn, 0));
  QPainterPath wall;
  wall.moveTo(-1400, 0);
  for (auto point = profile.rbegin(); point != profile.rend(); ++point) wall.lineTo(*point);
  wall.lineTo(1400, 0);
  wall.lineTo(1400, -1000);
  wall.lineTo(-1400, -1000);
  wall.closeSubpath();
  sketch.Shape(wall, kStone);
  if (!sketch.IsSilhouette()) {
    sketch.Painter().save();
    sketch.Painter().setClipPath(wall, Qt::IntersectClip);
    for (double y = -30; y > -1000; y -= 44) Tint(sketch, Rect(-1400, y, 2800, 2), kShadow, 0.35);
    sketch.Painter().restore();
    // Voussoirs round the arch, pale and bold.
    for (int stone = 0; stone < 13; ++stone) {
      const double first = stone * 3.14159265 / 13;
      const double second = (stone + 1) * 3.14159265 / 13;
      const auto ring = [&](double angle, double reach) {
        return QPointF(reach * std::cos(angle), -rise - reach * std::sin(angle));
      };
      sketch.Shape(PathThrough({ring(first, radius), ring(second, radius), ring(second, radius + 54), ring(first, radius + 54)}),
                   stone % 2 == 0 ? kStoneLight : kStone);
    }
  }
}

// The muddy bank at the water's edge before the bridge, where the trash washes up: it runs from the left of the
// frame towards the arch, pebbles and weed at its lip. Origin as the underside's.
void PaintMuddyBank(Sketch& sketch, const Layer& layer) {
  const Turn turn = TurnOf(layer, -16, 11, 900);
  OnFace bank(sketch, LevelPlane(turn, -14));
  QPainterPath mud;
  mud.moveTo(-1400, -900);
  mud.lineTo(-60, -900);
  mud.cubicTo(-20, -700, -260, -520, -200, -380);
  mud.cubicTo(-160, -260, -420, -160, -380, -20);
  mud.lineTo(-1400, -20);
  mud.closeSubpath();
  sketch.Shape(mud, kDirtDark);
  if (sketch.IsSilhouette()) return;
  for (int pebble = 0; pebble < 30; ++pebble) {
    const double z = -680 + 620 * sketch.Vary(pebble + 7);
    const double x = -260 - 500 * sketch.Vary(pebble + 70);
    sketch.Oval(x, z, 8 + 8 * sketch.Vary(pebble), 5, pebble % 3 == 0 ? kStoneLight : kStone);
  }
}


// ---- By the fire -------------------------------------------------------------------------------------

// A ring of stones round a fire's foot, rx across and ry deep, each lit warm on the side facing the flames and
// dark on the far side. part=back paints the stones behind the fire, part=front those before it.
void PaintFireRing(Sketch& sketch, const Layer& layer) {
  const double across = layer.Number("rx", 200);
  const double deep = layer.Number("ry", 50);
  const bool front = layer.Word("part", "front") == "front";
  constexpr int kStones = 16;
  for (int stone = 0; stone < kStones; ++stone) {
    const double angle = stone * 6.28318 / kStones + 0.2;
    const double y = std::sin(angle) * deep;
    if ((y > 0) != front) continue;
    const double x = std::cos(angle) * across;
    const double size = 40 + 18 * sketch.Vary(stone) + (front ? y / deep * 14 : 0);
    sketch.Painter().save();
    sketch.Painter().translate(x, y);
    PaintFacetedRock(sketch, size, size * 0.6, sketch.Seed() + stone, kStoneDark);
    // The firelight on the face turned to the flames, and soot.
    const QPainterPath lit = RoundedBox(-size * 0.45, -size * 0.6, size * 0.9, size * 0.5, size * 0.2);
    Tint(sketch, lit, kFlame, front ? 0.12 : 0.4);
    sketch.Painter().restore();
  }
}

// A log lying as a seat, length long, its cut end towards the eye showing its rings, its top edge lit by the
// fire at the side fire=left|right. Origin at the middle of its underside.
void PaintLogSeat(Sketch& sketch, const Layer& layer) {
  const double length = layer.Number("length", 360);
  const double radius = layer.Number("r", 44);
  const bool fireRight = layer.Word("fire", "right") == "right";
  QPainterPath body = RoundedBox(-length / 2, -radius * 2, length, radius * 2, radius * 0.5);
  sketch.Shape(body, kBark);
  if (!sketch.IsSilhouette()) {
    for (int furrow = 0; furrow < 5; ++furrow) {
      const double y = -radius * 2 + radius * 0.35 * (furrow + 1);
      sketch.Painter().save();
      sketch.Painter().setOpacity(0.6);
      sketch.Line(-length / 2 + 20, y, length / 2 - 30, y + 4 * sketch.Vary(furrow), kInk, 1.4);
      sketch.Painter().restore();
    }
    QLinearGradient rim(QPointF(0, -radius * 2), QPointF(0, -radius * 1.2));
    QColor warm = QColor::fromRgb(kFlame);
    warm.setAlphaF(0.55f);
    rim.setColorAt(0, warm);
    warm.setAlphaF(0);
    rim.setColorAt(1, warm);
    sketch.Painter().save();
    sketch.Painter().setPen(Qt::NoPen);
    sketch.Painter().setBrush(rim);
    sketch.Painter().drawPath(body);
    sketch.Painter().restore();
    Tint(sketch, RoundedBox(-length / 2, -radius * 0.7, length, radius * 0.7, radius * 0.3), kGloom, 0.4);
  }
  const double endX = fireRight ? -length / 2 : length / 2;
  sketch.Oval(endX, -radius, radius * 0.55, radius, kWoodLight);
  if (!sketch.IsSilhouette())
    for (int ring = 1; ring < 4; ++ring) {
      QPainterPath growth;
      growth.addEllipse(QPointF(endX, -radius), radius * 0.55 * ring / 4, radius * ring / 4);
      sketch.Stroke(growth, kWood, 1.2);
    }
  sketch.Glow(fireRight ? length / 2 : -length / 2, -radius * 2, radius * 3, kFlame, 0.35);
}


// The night closing in round a fire: what lies beyond the firelight's reach, r from the origin, sinks into a cool
// dark of the given strength; near the fire it stays as painted.
void PaintNightRound(Sketch& sketch, const Layer& layer) {
  if (sketch.IsSilhouette()) return;
  const double reach = layer.Number("r", 300);
  QRadialGradient dark(QPointF(0, 0), reach);
  QColor night = QColor::fromRgb(kGloom);
  night.setAlphaF(0);
  dark.setColorAt(0.0, night);
  dark.setColorAt(0.45, night);
  night.setAlphaF(static_cast<float>(layer.Number("strength", 0.6)));
  dark.setColorAt(1.0, night);
  QPainter& painter = sketch.Painter();
  painter.save();
  painter.scale(1.0, layer.Number("squash", 0.6));
  painter.setPen(Qt::NoPen);
  painter.setBrush(dark);
  painter.drawRect(QRectF(-2000, -2000, 4000, 4000));
  painter.restore();
}


// ---- The pool's floor --------------------------------------------------------------------------------

// The tiled floor of a swimming pool seen down through its water: tiles and grout in perspective, a dark lane
// stripe, the net of light the ripples throw and the blue of the water over all. Origin at the frame's middle
// of the floor.
void PaintPoolFloor(Sketch& sketch, const Layer& layer) {
  const Turn turn = TurnOf(layer, 14, 50, 800);
  PaintFace(sketch, turn, {-1200, 0, 1600}, {1200, 0, 1600}, {1200, 0, -700}, {-1200, 0, -700}, kTile, 0.0);
  if (sketch.IsSilhouette()) return;
  OnFace floor(sketch, LevelPlane(turn, 0));
  for (double x = -1200; x < 1200; x += 56) Tint(sketch, Rect(x, -700, 3, 2300), kTileDark, 0.8);
  for (double z = -700; z < 1600; z += 56) Tint(sketch, Rect(-1200, z, 2400, 3), kTileDark, 0.8);
  Tint(sketch, Rect(-340, -700, 112, 2300), kDeepWater, 0.7);
  sketch.Painter().save();
  for (int ripple = 0; ripple < 60; ++ripple) {
    QPainterPath line;
    const double x = -900 + 1800 * sketch.Vary(ripple);
    const double z = -600 + 2000 * sketch.Vary(ripple + 100);
    line.moveTo(x, z);
    line.cubicTo(x + 30, z - 40, x + 60, z + 30, x + 90 + 30 * sketch.Vary(ripple + 7), z - 10);
    sketch.Painter().setOpacity(0.7);
    sketch.Stroke(line, kFoam, 4.5);
  }
  sketch.Painter().restore();
  Tint(sketch, Rect(-1200, -700, 2400, 2300), kSea, 0.32);
}


// ---- Tree tops ---------------------------------------------------------------------------------------

// A tapering limb of a tree from the origin to (tx, ty), w thick at its root and tip= at its end: bark in
// furrows along it, the underside in shade, lichen in patches.
void PaintLimb(Sketch& sketch, const Layer& layer) {
  const QPointF to(layer.Number("tx", 300), layer.Number("ty", -40));
  const double root = layer.Number("w", 60) / 2;
  const double tip = layer.Number("tip", 20) / 2;
  const double length = std::hypot(to.x(), to.y());
  if (length < 1) return;
  sketch.Painter().save();
  sketch.Painter().rotate(std::atan2(to.y(), to.x()) * 57.2958);
  QPainterPath limb;
  limb.moveTo(0, -root);
  limb.cubicTo(length * 0.4, -root * 0.9, length * 0.7, -tip * 1.3, length, -tip);
  limb.quadTo(length + tip, 0, length, tip);
  limb.cubicTo(length * 0.7, tip * 1.3, length * 0.4, root * 0.9, 0, root);
  limb.closeSubpath();
  sketch.Shape(limb, kBark);
  if (!sketch.IsSilhouette()) {
    sketch.Painter().save();
    sketch.Painter().setClipPath(limb);
    for (int furrow = 0; furrow < 9; ++furrow) {
      const double share = (furrow + 0.5) / 9 * 2 - 1;
      QPainterPath line;
      line.moveTo(0, share * root);
      line.cubicTo(length * 0.35, share * root * 0.9 + 3 * sketch.Vary(furrow), length * 0.7, share * tip * 1.2,
                   length, share * tip);
      sketch.Painter().setOpacity(0.55);
      sketch.Stroke(line, furrow % 3 == 0 ? kWoodLight : kInk, furrow % 3 == 0 ? 1.2 : 1.6);
    }
    sketch.Painter().setOpacity(1.0);
    Tint(sketch, Rect(0, root * 0.25, length + tip, root), kGloom, 0.35);
    Tint(sketch, Rect(0, -root, length + tip, root * 0.45), kSunGlow, 0.18);
    for (int patch = 0; patch < 4; ++patch)
      Tint(sketch, RoundedBox(length * (0.15 + 0.2 * patch) + 30 * sketch.Vary(patch), -root * 0.6, 18, 8, 4), kHillFar, 0.28);
    sketch.Painter().restore();
  }
  sketch.Painter().restore();
}


// ---- The ice -----------------------------------------------------------------------------------------

// Lake ice at one's feet, seen from standing: clear dark ice with the water's depth under it, pale frosted
// patches, white fracture lines with their planes glinting, columns of trapped bubbles and snow swept along
// by the wind. Origin at the middle of the near ice; it reaches from the frame's foot to about far= units up.
void PaintIceNear(Sketch& sketch, const Layer& layer) {
  const Turn turn = TurnOf(layer, 6, 38, 800);
  const double far = layer.Number("far", 900);
  if (sketch.IsSilhouette()) return;
  // Only the detail is painted, sharp, over the soft ice behind: the near ice comes into focus.
  OnFace ice(sketch, LevelPlane(turn, 0));
  // The deep water showing through the clear ice, in slow patches; frost paler where the snow has scoured it.
  for (int patch = 0; patch < 9; ++patch) {
    const double x = -900 + 1800 * sketch.Vary(patch);
    const double z = -60 + far * sketch.Vary(patch + 20);
    QRadialGradient deep(QPointF(x, z), 220);
    QColor water = QColor::fromRgb(patch % 3 == 0 ? kSeaDark : kDeepWater);
    water.setAlphaF(0.5f);
    deep.setColorAt(0, water);
    water.setAlphaF(0);
    deep.setColorAt(1, water);
    sketch.Painter().save();
    sketch.Painter().translate(x, z);
    sketch.Painter().scale(1.0, 0.5);
    sketch.Painter().translate(-x, -z);
    sketch.Painter().setPen(Qt::NoPen);
    sketch.Painter().setBrush(deep);
    sketch.Painter().drawEllipse(QPointF(x, z), 220, 220);
    sketch.Painter().restore();
  }
  for (int frost = 0; frost < 7; ++frost) {
    const double x = -1000 + 2000 * sketch.Vary(frost + 60);
    const double z = -60 + far * sketch.Vary(frost + 80);
    QPainterPath rime;
    for (int blot = 0; blot < 5; ++blot)
      rime.addEllipse(QPointF(x + (blot - 2) * 50, z + 30 * (sketch.Vary(frost * 5 + blot) - 0.5)), 60, 26);
    Tint(sketch, Merged(rime), kSnow, 0.75);
  }
  // Bubbles caught in the ice in short rising columns.
  for (int column = 0; column < 10; ++column) {
    const double x = -700 + 1400 * sketch.Vary(column + 100);
    const double z = -60 + far * 0.5 * sketch.Vary(column + 120);
    for (int bubble = 0; bubble < 5; ++bubble) {
      const double size = 3 + 5 * sketch.Vary(column * 5 + bubble + 140);
      sketch.Painter().save();
      sketch.Painter().setOpacity(0.8);
      sketch.FlatOval(x + bubble * 3, z + bubble * 14, size, size * 0.7, kSkyPale);
      sketch.FlatOval(x + bubble * 3 - size * 0.3, z + bubble * 14 - size * 0.2, size * 0.3, size * 0.25, kWhite);
      sketch.Painter().restore();
    }
  }
  // Fracture lines: a sharp white line with its plane glinting beside it, forking as they run.
  for (int crack = 0; crack < 5; ++crack) {
    double x = -800 + 1600 * sketch.Vary(crack + 160);
    double z = -160 + 100 * sketch.Vary(crack + 170);
    double heading = 0.6 + 0.8 * sketch.Vary(crack + 180);
    QPainterPath line;
    line.moveTo(x, z);
    for (int step = 0; step < 8 && z < far * 0.55; ++step) {
      heading += (sketch.Vary(crack * 8 + step + 200) - 0.5) * 0.8;
      x += std::cos(heading) * 90 * (crack % 2 == 0 ? 1 : -1);
      z += std::sin(heading) * 90;
      line.lineTo(x, z);
      if (step == 3) {
        QPainterPath fork;
        fork.moveTo(x, z);
        fork.lineTo(x + 120 * (sketch.Vary(crack + 220) - 0.5) * 2, z + 90);
        sketch.Stroke(fork, kWhite, 2);
      }
    }
    sketch.Stroke(line.translated(3, 4), kSeaLight, 5);
    sketch.Stroke(line, kWhite, 2.4);
  }
  // Snow driven along by the wind in low streaks.
  for (int streak = 0; streak < 14; ++streak) {
    const double x = -700 + 1300 * sketch.Vary(streak + 300);
    const double z = -80 + far * sketch.Vary(streak + 320);
    QPainterPath drift;
    drift.moveTo(x, z);
    drift.quadTo(x + 90, z - 14, x + 220, z + 4);
    drift.quadTo(x + 100, z + 10, x, z);
    sketch.Fill(drift, kSnow);
  }
}


// ---- The empty can -----------------------------------------------------------------------------------

// The inside of an open metal trash can w wide and h high seen from above, empty: its ribbed inner wall lit
// where the daylight falls in, the dented bottom with a grime ring and a puddle catching the sky. Drawn over
// the can's opening; origin at the can's foot, as the can's own.
void PaintCanInside(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 90);
  const double height = layer.Number("h", 120);
  const double radiusX = width / 2;
  constexpr double kRadiusY = 14;
  QPainterPath opening;
  opening.addEllipse(QPointF(0, -height), radiusX, kRadiusY);
  sketch.Shape(opening, kMetalDark);
  if (sketch.IsSilhouette()) return;
  sketch.Painter().save();
  sketch.Painter().setClipPath(opening);
  // The far inner wall takes the light; the near one, under the rim, lies in shade.
  QLinearGradient wall(QPointF(0, -height - kRadiusY), QPointF(0, -height + kRadiusY));
  wall.setColorAt(0.0, QColor::fromRgb(kSilver));
  wall.setColorAt(0.55, QColor::fromRgb(kMetalDark));
  wall.setColorAt(1.0, QColor::fromRgb(kShadow));
  sketch.Painter().setPen(Qt::NoPen);
  sketch.Painter().setBrush(wall);
  sketch.Painter().drawPath(opening);
  for (int rib = 1; rib < 4; ++rib) {
    QPainterPath ring;
    ring.addEllipse(QPointF(0, -height + rib * 2.2), radiusX * (1 - rib * 0.08), kRadiusY * (1 - rib * 0.08));
    sketch.Painter().setOpacity(0.5);
    sketch.Stroke(ring, kInk, 0.6);
  }
  sketch.Painter().setOpacity(1.0);
  // The bottom, far down: a grime ring, a little dirty water holding the sky, a streak of rust.
  sketch.FlatOval(0, -height + 5, radiusX * 0.62, kRadiusY * 0.5, kIron);
  QPainterPath grime;
  grime.addEllipse(QPointF(0, -height + 5), radiusX * 0.52, kRadiusY * 0.38);
  sketch.Stroke(grime, kRustDark, 1.4);
  sketch.FlatOval(radiusX * 0.12, -height + 5.5, radiusX * 0.22, kRadiusY * 0.16, kSkyPale);
  sketch.Line(-radiusX * 0.5, -height - kRadiusY * 0.6, -radiusX * 0.45, -height + 2, kRust, 1.2);
  sketch.Painter().restore();
  sketch.Outline(opening);
}

}  // namespace

void RegisterOutdoorCloseUpProps(PropRegistry& registry) {
  registry.Add("doorstep", PaintDoorstep);
  registry.Add("street-at-feet", PaintStreetAtFeet);
  registry.Add("manhole-close", PaintManholeClose);
  registry.Add("bridge-underside", PaintBridgeUnderside);
  registry.Add("muddy-bank", PaintMuddyBank);
  registry.Add("fire-ring", PaintFireRing);
  registry.Add("night-round", PaintNightRound);
  registry.Add("pool-floor", PaintPoolFloor);
  registry.Add("limb", PaintLimb);
  registry.Add("ice-near", PaintIceNear);
  registry.Add("can-inside", PaintCanInside);
  registry.Add("log-seat", PaintLogSeat, 150);
}

}  // namespace brackenhollow::art
