#include "art/painter/HotspotMap.h"

#include "art/painter/Renderer.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <limits>
#include <map>

namespace brackenhollow::art {

namespace {

// A pixel belongs to a layer where the layer alone covers at least this much of it (of 255): antialiased
// rims count by their larger half, and see-through paint (contact shadows, smoke) neither counts nor hides.
constexpr int kCovering = 160;
// Gaps this many pixels wide inside one thing (between corn stalks, ladder rungs) are closed before tracing.
constexpr int kGapClosing = 2;
// A further visible part of a thing gets a hotspot of its own when it is at least this share of the largest.
constexpr double kPartShare = 0.25;
constexpr std::size_t kMostParts = 3;

// A pixel grid of one byte per pixel.
struct Grid {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> cells;

  Grid(int gridWidth, int gridHeight) : width(gridWidth), height(gridHeight), cells(gridWidth * gridHeight, 0) {}
  std::uint8_t& At(int x, int y) { return cells[static_cast<std::size_t>(y) * width + x]; }
  std::uint8_t At(int x, int y) const { return cells[static_cast<std::size_t>(y) * width + x]; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// The name a hotspot answers to: "o" or "w" before the object or the way, so the two never mix.
std::string ChoiceKey(const std::string& object, const std::string& way) {
  return object.empty() ? "w" + way : "o" + object;
}

// Grows (grow=true) or shrinks the set cells of a grid by radius, a square at a time, row then column:
// a cell is set after growing when any cell within radius was, after shrinking when all were (cells
// beyond the grid count as clear). Counts in a sliding window keep it linear in the grid's size.
Grid Spread(const Grid& grid, int radius, bool grow) {
  const int window = 2 * radius + 1;
  const auto pass = [&](const Grid& from, bool alongRows) {
    Grid to(from.width, from.height);
    const int lines = alongRows ? from.height : from.width;
    const int length = alongRows ? from.width : from.height;
    const auto at = [&](int line, int position) { return alongRows ? from.At(position, line) : from.At(line, position); };
    for (int line = 0; line < lines; ++line) {
      int count = 0;
      for (int position = 0; position < std::min(radius, length); ++position) count += at(line, position);
      for (int position = 0; position < length; ++position) {
        if (position + radius < length) count += at(line, position + radius);
        if (position - radius - 1 >= 0) count -= at(line, position - radius - 1);
        const bool set = grow ? count > 0 : count == window;
        (alongRows ? to.At(position, line) : to.At(line, position)) = set;
      }
    }
    return to;
  };
  return pass(pass(grid, true), false);
}

// The 8-connected parts of a grid's set cells, each as its list of cells, largest first.
std::vector<std::vector<QPoint>> Parts(const Grid& grid) {
  std::vector<std::uint8_t> seen(grid.cells.size(), 0);
  std::vector<std::vector<QPoint>> parts;
  std::vector<int> pending;
  for (int start = 0; start < static_cast<int>(grid.cells.size()); ++start) {
    if (!grid.cells[start] || seen[start]) continue;
    std::vector<QPoint> part;
    seen[start] = 1;
    pending.assign(1, start);
    while (!pending.empty()) {
      const int cell = pending.back();
      pending.pop_back();
      const int x = cell % grid.width;
      const int y = cell / grid.width;
      part.emplace_back(x, y);
      for (int dy = -1; dy <= 1; ++dy) {
        if (y + dy < 0 || y + dy >= grid.height) continue;
        for (int dx = -1; dx <= 1; ++dx) {
          if (x + dx < 0 || x + dx >= grid.width) continue;
          const int next = cell + dy * grid.width + dx;
          if (!grid.cells[next] || seen[next]) continue;
          seen[next] = 1;
          pending.push_back(next);
        }
      }
    }
    // The trace starts from the part's first cell in reading order.
    std::iter_swap(part.begin(), std::min_element(part.begin(), part.end(), [](QPoint a, QPoint b) {
                     return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
                   }));
    parts.push_back(std::move(part));
  }
  std::stable_sort(parts.begin(), parts.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
  return parts;
}

// The outer boundary of one part (its cells set in grid, nothing else), as the centres of its rim cells in
// clockwise order: Moore-neighbour tracing from the part's first cell in reading order, stopped when the
// first step repeats.
QPolygon TraceRim(const Grid& grid, QPoint start) {
  static const QPoint kAround[8] = {{-1, 0}, {-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}};
  const auto set = [&](QPoint cell) { return grid.Inside(cell.x(), cell.y()) && grid.At(cell.x(), cell.y()); };
  QPolygon rim;
  rim << start;
  int back = 0;  // towards the cell the trace came from; the first cell's west neighbour is outside
  QPoint current = start;
  QPoint second;
  bool haveSecond = false;
  for (int steps = 0; steps < grid.width * grid.height * 4; ++steps) {
    int found = -1;
    for (int turn = 1; turn <= 8 && found < 0; ++turn)
      if (set(current + kAround[(back + turn) % 8])) found = (back + turn) % 8;
    if (found < 0) break;  // a part of one cell
    const QPoint next = current + kAround[found];
    if (current == start && haveSecond && next == second) break;
    if (!haveSecond) {
      second = next;
      haveSecond = true;
    }
    back = (found + 4) % 8;
    current = next;
    rim << current;
  }
  if (rim.size() > 1 && rim.first() == rim.last()) rim.removeLast();
  return rim;
}

// The square of the distance from a point to the segment between two others.
double SquaredDistanceToSegment(QPointF point, QPointF from, QPointF to) {
  const QPointF along = to - from;
  const double length = QPointF::dotProduct(along, along);
  const double share = length > 0 ? std::clamp(QPointF::dotProduct(point - from, along) / length, 0.0, 1.0) : 0.0;
  const QPointF away = point - (from + share * along);
  return QPointF::dotProduct(away, away);
}

// Douglas-Peucker on the open chain points[first..last], keeping the corners farther than tolerance (given
// squared).
void Simplify(const QPolygon& points, int first, int last, double tolerance, std::vector<bool>& keep) {
  if (last <= first + 1) return;
  double farthest = -1;
  int index = first;
  for (int middle = first + 1; middle < last; ++middle) {
    const double distance = SquaredDistanceToSegment(points[middle], points[first], points[last]);
    if (distance > farthest) {
      farthest = distance;
      index = middle;
    }
  }
  if (farthest <= tolerance) return;
  keep[index] = true;
  Simplify(points, first, index, tolerance, keep);
  Simplify(points, index, last, tolerance, keep);
}

// The rim with as few corners as keep its shape within a pixel or so, at most kMostOutlinePoints.
QPolygon Outline(const QPolygon& rim) {
  if (rim.size() <= 3) return rim;
  // Split the closed rim at its first point and the point farthest from it, and simplify both halves.
  int opposite = 0;
  long best = -1;
  for (int index = 0; index < rim.size(); ++index) {
    const QPoint delta = rim[index] - rim[0];
    const long distance = static_cast<long>(delta.x()) * delta.x() + static_cast<long>(delta.y()) * delta.y();
    if (distance > best) {
      best = distance;
      opposite = index;
    }
  }
  QPolygon closed = rim;
  closed << rim[0];
  for (double tolerance = 1.0;; tolerance *= 1.4) {
    std::vector<bool> keep(closed.size(), false);
    keep[0] = keep[opposite] = true;
    Simplify(closed, 0, opposite, tolerance * tolerance, keep);
    Simplify(closed, opposite, static_cast<int>(closed.size()) - 1, tolerance * tolerance, keep);
    QPolygon outline;
    for (int index = 0; index + 1 < closed.size(); ++index)
      if (keep[index]) outline << closed[index];
    if (outline.size() <= kMostOutlinePoints) return outline;
  }
}

// The smallest box round the part, grown about its centre to kSmallestHotspot and kept in the frame.
QRect GrownBox(QRect box, int width, int height) {
  const auto grow = [](int start, int size, int limit) {
    if (size >= kSmallestHotspot) return std::pair(start, size);
    const int grown = std::min(kSmallestHotspot, limit);
    const int centred = start + size / 2 - grown / 2;
    return std::pair(std::clamp(centred, 0, limit - grown), grown);
  };
  const auto [x, w] = grow(box.x(), box.width(), width);
  const auto [y, h] = grow(box.y(), box.height(), height);
  return QRect(x, y, w, h);
}

// Marks the cells inside a polygon, as a pointer's hit test counts them.
void FillPolygon(QImage& mask, const QPolygon& polygon) {
  QPainter painter(&mask);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawPolygon(polygon, Qt::OddEvenFill);
}

// The cell of the candidates farthest from any cell that is not a candidate (city-block-ish chamfer
// distance): the middle of their largest part. Returns false when there is no candidate.
bool Deepest(const Grid& candidates, QRect box, QPoint& point) {
  const int width = box.width() + 2;
  const int height = box.height() + 2;
  constexpr int kFar = std::numeric_limits<int>::max() / 4;
  std::vector<int> distance(static_cast<std::size_t>(width) * height, 0);
  const auto at = [&](int x, int y) -> int& { return distance[static_cast<std::size_t>(y) * width + x]; };
  for (int y = 1; y + 1 < height; ++y)
    for (int x = 1; x + 1 < width; ++x)
      if (candidates.At(box.x() + x - 1, box.y() + y - 1)) at(x, y) = kFar;
  for (int y = 1; y + 1 < height; ++y)
    for (int x = 1; x + 1 < width; ++x)
      if (at(x, y) > 0)
        at(x, y) = std::min({at(x, y), at(x - 1, y) + 3, at(x, y - 1) + 3, at(x - 1, y - 1) + 4, at(x + 1, y - 1) + 4});
  int best = 0;
  for (int y = height - 2; y >= 1; --y) {
    for (int x = width - 2; x >= 1; --x) {
      if (at(x, y) == 0) continue;
      at(x, y) = std::min({at(x, y), at(x + 1, y) + 3, at(x, y + 1) + 3, at(x + 1, y + 1) + 4, at(x - 1, y + 1) + 4});
      if (at(x, y) >= best) {
        best = at(x, y);
        point = QPoint(box.x() + x - 1, box.y() + y - 1);
      }
    }
  }
  return best > 0;
}

struct Part {
  int choice = 0;  // index into the choices
  int depth = 0;   // how far in front the part's thing is painted
  std::vector<QPoint> cells;
  QPolygon outline;
  QRect box;
};

// What each pixel of the 1x frame shows: 0 for scenery, else the number of the choice painted there last.
struct Owners {
  int width = 0;
  int height = 0;
  std::vector<std::uint16_t> owner;
  std::vector<int> depth;  // per choice: how far in front its frontmost layer or region lies

  std::uint16_t At(int x, int y) const { return owner[static_cast<std::size_t>(y) * width + x]; }
};

// Paints the layers back to front from the first that matters, each alone, and gives every pixel it
// covers (and every pixel of a region at its place among the layers) to its choice, or back to scenery.
Owners PaintOwners(const Picture& picture, const PropRegistry& registry, const std::vector<int>& layerChoice,
                   const std::vector<int>& regionChoice, std::size_t first, int width, int height,
                   std::size_t choiceCount) {
  Owners owners;
  owners.width = width;
  owners.height = height;
  owners.owner.assign(static_cast<std::size_t>(width) * height, 0);
  owners.depth.assign(choiceCount, 0);
  const auto claimRegions = [&](std::size_t layersBehind) {
    for (std::size_t index = 0; index < picture.regions.size(); ++index) {
      const Region& region = picture.regions[index];
      if (region.layersBehind != layersBehind) continue;
      const int choice = regionChoice[index];
      const QRect rect = QRectF(region.x, region.y, region.width, region.height).toAlignedRect() & QRect(0, 0, width, height);
      for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
          owners.owner[static_cast<std::size_t>(y) * width + x] = static_cast<std::uint16_t>(choice);
      owners.depth[choice] = std::max(owners.depth[choice], static_cast<int>(2 * layersBehind));
    }
  };
  PaintLayersAlone(picture, registry, first, [&](std::size_t index, const QImage& alone) {
    claimRegions(index);
    const auto choice = static_cast<std::uint16_t>(layerChoice[index]);
    bool painted = false;
    for (int y = 0; y < height; ++y) {
      const uchar* bytes = alone.constScanLine(y);
      std::uint16_t* row = &owners.owner[static_cast<std::size_t>(y) * width];
      // Most of a layer's frame is left clear: skip it eight bytes (two pixels) at a time.
      for (int x = 0; x < width; x += 2) {
        std::uint64_t pair = 0;
        std::memcpy(&pair, bytes + 4 * x, x + 1 < width ? 8 : 4);
        if (pair == 0) continue;
        for (int pixel = x; pixel < std::min(x + 2, width); ++pixel) {
          if (qAlpha(reinterpret_cast<const QRgb*>(bytes)[pixel]) < kCovering) continue;
          row[pixel] = choice;
          painted = true;
        }
      }
    }
    if (painted && choice != 0) owners.depth[choice] = std::max(owners.depth[choice], static_cast<int>(2 * index + 1));
  });
  claimRegions(picture.layers.size());
  return owners;
}

// Each choice's visible parts, gaps closed, traced and simplified, back to front: the largest part always,
// further ones of some size; a part smaller than a pointer can hit is grown to a box it can.
std::vector<Part> TraceParts(const Owners& owners, std::size_t choiceCount) {
  const int width = owners.width;
  const int height = owners.height;
  // Only the box round what each covers, and a margin for closing its gaps, is worth looking at.
  std::vector<QRect> coveredBoxes(choiceCount);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      QRect& covered = coveredBoxes[owners.At(x, y)];
      if (covered.isNull()) {
        covered = QRect(x, y, 1, 1);
      } else {
        covered.setLeft(std::min(covered.left(), x));
        covered.setRight(std::max(covered.right(), x));
        covered.setBottom(y);
      }
    }
  }
  std::vector<Part> parts;
  for (int choice = 1; choice < static_cast<int>(choiceCount); ++choice) {
    const QRect covered = coveredBoxes[choice];
    if (covered.isNull()) continue;
    const QRect area = covered.adjusted(-kGapClosing - 1, -kGapClosing - 1, kGapClosing + 1, kGapClosing + 1);
    const auto inFrame = [&](int x, int y) { return x >= 0 && y >= 0 && x < width && y < height; };
    Grid visible(area.width(), area.height());
    for (int y = 0; y < area.height(); ++y)
      for (int x = 0; x < area.width(); ++x)
        visible.At(x, y) = inFrame(area.x() + x, area.y() + y) && owners.At(area.x() + x, area.y() + y) == choice;
    Grid closed = Spread(Spread(visible, kGapClosing, true), kGapClosing, false);
    // Closing may reach past the frame's edge; those cells are not in the picture.
    for (int y = 0; y < area.height(); ++y)
      for (int x = 0; x < area.width(); ++x)
        if (!inFrame(area.x() + x, area.y() + y)) closed.At(x, y) = 0;
    std::vector<std::vector<QPoint>> found = Parts(closed);
    for (std::size_t index = 0; index < found.size() && index < kMostParts; ++index) {
      if (index > 0 && static_cast<double>(found[index].size()) < kPartShare * static_cast<double>(found[0].size())) break;
      Grid alone(area.width(), area.height());
      int left = width;
      int right = -1;
      int top = height;
      int bottom = -1;
      for (QPoint& cell : found[index]) {
        alone.At(cell.x(), cell.y()) = 1;
        cell += area.topLeft();
        left = std::min(left, cell.x());
        right = std::max(right, cell.x());
        top = std::min(top, cell.y());
        bottom = std::max(bottom, cell.y());
      }
      const QRect box(QPoint(left, top), QPoint(right, bottom));
      const bool small = box.width() < kSmallestHotspot || box.height() < kSmallestHotspot;
      if (index > 0 && small) continue;
      Part part;
      part.choice = choice;
      part.depth = owners.depth[choice];
      part.cells = std::move(found[index]);
      if (small) {
        part.box = GrownBox(box, width, height);
        part.outline << part.box.topLeft() << part.box.topRight() << part.box.bottomRight() << part.box.bottomLeft();
      } else {
        part.outline = Outline(TraceRim(alone, part.cells.front() - area.topLeft()));
        part.outline.translate(area.topLeft());
        part.box = part.outline.boundingRect();
      }
      parts.push_back(std::move(part));
    }
  }
  std::stable_sort(parts.begin(), parts.end(), [](const Part& a, const Part& b) { return a.depth < b.depth; });
  return parts;
}

// Gives each part, from the front back, the point that chooses it: in its own outline and outside every
// outline in front of it, deep in what is visible of it (or, when all of that is covered, of its outline).
// A part with no such point is hidden behind the others' outlines and is left out.
std::vector<Hotspot> PlacePoints(const std::vector<Part>& parts, const Owners& owners,
                                 const std::vector<std::pair<std::string, std::string>>& choices) {
  const int width = owners.width;
  const int height = owners.height;
  QImage inFront(width, height, QImage::Format_Grayscale8);
  inFront.fill(0);
  std::vector<Hotspot> hotspots(parts.size());
  std::vector<bool> reachable(parts.size(), false);
  for (std::size_t index = parts.size(); index-- > 0;) {
    const Part& part = parts[index];
    QImage own(width, height, QImage::Format_Grayscale8);
    own.fill(0);
    FillPolygon(own, part.outline);
    const auto unclaimed = [&](int x, int y) { return own.constScanLine(y)[x] && !inFront.constScanLine(y)[x]; };
    Grid visible(width, height);
    for (const QPoint cell : part.cells)
      if (owners.At(cell.x(), cell.y()) == part.choice && unclaimed(cell.x(), cell.y())) visible.At(cell.x(), cell.y()) = 1;
    Grid outlined(width, height);
    for (int y = part.box.top(); y <= part.box.bottom(); ++y)
      for (int x = part.box.left(); x <= part.box.right(); ++x)
        if (unclaimed(x, y)) outlined.At(x, y) = 1;
    Hotspot& hotspot = hotspots[index];
    reachable[index] = Deepest(visible, part.box, hotspot.point) || Deepest(outlined, part.box, hotspot.point);
    hotspot.object = choices[part.choice].first;
    hotspot.way = choices[part.choice].second;
    hotspot.box = part.box;
    hotspot.outline = part.outline;
    FillPolygon(inFront, part.outline);
  }
  std::vector<Hotspot> placed;
  for (std::size_t index = 0; index < hotspots.size(); ++index)
    if (reachable[index]) placed.push_back(std::move(hotspots[index]));
  return placed;
}

}  // namespace

HotspotMap MapHotspots(const Picture& picture, const PropRegistry& registry) {
  HotspotMap map;
  map.picture = picture.fileName;
  map.width = picture.iconSize > 0 ? kFrameHeight : kFrameWidth;
  map.height = kFrameHeight;
  map.description = picture.description;

  // Number the choices (1, 2, ...; 0 is scenery) in the order the scene text first names them.
  std::vector<std::pair<std::string, std::string>> choices{{}};
  std::map<std::string, int> numbers;
  const auto number = [&](const std::string& object, const std::string& way) {
    if (object.empty() && way.empty()) return 0;
    const auto [found, fresh] = numbers.emplace(ChoiceKey(object, way), static_cast<int>(choices.size()));
    if (fresh) choices.emplace_back(object, way);
    return found->second;
  };
  std::vector<int> layerChoice;
  std::vector<int> regionChoice;
  std::size_t first = picture.layers.size();
  for (std::size_t index = 0; index < picture.layers.size(); ++index) {
    layerChoice.push_back(number(picture.layers[index].Object(), picture.layers[index].Way()));
    if (layerChoice.back() != 0) first = std::min(first, index);
  }
  for (const Region& region : picture.regions) {
    regionChoice.push_back(number(region.object, region.way));
    first = std::min(first, region.layersBehind);
  }
  if (choices.size() == 1) return map;
  const Owners owners =
      PaintOwners(picture, registry, layerChoice, regionChoice, first, map.width, map.height, choices.size());
  map.hotspots = PlacePoints(TraceParts(owners, choices.size()), owners, choices);
  return map;
}

QByteArray HotspotJson(const HotspotMap& map) {
  QJsonArray hotspots;
  for (const Hotspot& hotspot : map.hotspots) {
    QJsonObject entry;
    if (hotspot.way.empty()) {
      entry[QStringLiteral("object")] = QString::fromStdString(hotspot.object);
    } else {
      entry[QStringLiteral("way")] = QString::fromStdString(hotspot.way);
    }
    entry[QStringLiteral("box")] = QJsonArray{hotspot.box.x(), hotspot.box.y(), hotspot.box.width(), hotspot.box.height()};
    entry[QStringLiteral("point")] = QJsonArray{hotspot.point.x(), hotspot.point.y()};
    QJsonArray outline;
    for (const QPoint corner : hotspot.outline) outline.append(QJsonArray{corner.x(), corner.y()});
    entry[QStringLiteral("outline")] = outline;
    hotspots.append(entry);
  }
  QJsonObject root;
  root[QStringLiteral("picture")] = QString::fromStdString(map.picture);
  root[QStringLiteral("width")] = map.width;
  root[QStringLiteral("height")] = map.height;
  root[QStringLiteral("description")] = QString::fromStdString(map.description);
  root[QStringLiteral("hotspots")] = hotspots;
  return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::string WriteHotspotMap(const Picture& picture, const PropRegistry& registry, const std::string& folder) {
  const QByteArray json = HotspotJson(MapHotspots(picture, registry));
  const std::string path = (std::filesystem::path(folder) / HotspotFileName(picture.fileName)).string();
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit())
    return path + ": cannot write the hotspot map: " + file.errorString().toStdString();
  return {};
}

std::string HotspotFileName(const std::string& pictureFile) {
  return std::filesystem::path(pictureFile).stem().string() + ".hotspots.json";
}

}  // namespace brackenhollow::art
