// The hotspot map of a picture: where each thing the game lets the player choose is visible, worked out
// from the very layers that paint it, so the map always matches the picture.
#pragma once

#include "art/painter/PropRegistry.h"
#include "art/painter/SceneBook.h"

#include <QByteArray>
#include <QPoint>
#include <QPolygon>
#include <QRect>

#include <string>
#include <vector>

namespace brackenhollow::art {

// Hotspots smaller than this (in 1x pixels, either side) are grown to it, so a pointer can hit them.
inline constexpr int kSmallestHotspot = 24;
// An outline has at most this many corners.
inline constexpr int kMostOutlinePoints = 64;

// One thing the pointer chooses, in 1x picture pixels.
struct Hotspot {
  std::string object;  // the world's object, empty for a way
  std::string way;     // "N", "S", "E" or "W", empty for an object
  QRect box;           // the outline's bounding box
  QPoint point;        // inside the outline and inside no hotspot listed after it
  QPolygon outline;    // closed, its last corner joined to its first
};

struct HotspotMap {
  std::string picture;
  int width = 0;
  int height = 0;
  std::string description;
  std::vector<Hotspot> hotspots;  // back to front: the last one holding a point is the one chosen there
};

// Works out the map of a picture: each marked layer painted alone, minus what later layers paint over it,
// traced to an outline; one hotspot per visible part of some size (the largest part always). A thing
// hidden entirely gets no hotspot. Throws SceneError as PaintPicture does.
HotspotMap MapHotspots(const Picture& picture, const PropRegistry& registry);

// The map as JSON, the form the game reads beside the picture.
QByteArray HotspotJson(const HotspotMap& map);

// Works out the picture's map and writes it into folder beside the picture, whole or not at all. Returns
// an empty text, or what went wrong. Throws SceneError as PaintPicture does.
std::string WriteHotspotMap(const Picture& picture, const PropRegistry& registry, const std::string& folder);

// The map's file beside the picture: "bedroom left lit.gif" -> "bedroom left lit.hotspots.json".
std::string HotspotFileName(const std::string& pictureFile);

}  // namespace brackenhollow::art
