#include "view/HotspotMap.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtGlobal>

#include <cmath>

namespace brackenhollow {

namespace {

// Bounds that no painted map comes near; beyond them a file is not a map but a fault or an attack.
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;
constexpr int kMaxPictureSide = 8192;
constexpr qsizetype kMaxHotspots = 256;
constexpr qsizetype kMaxOutlinePoints = 128;
constexpr qsizetype kMaxTextLength = 1000;

constexpr char kMapSuffix[] = ".hotspots.json";

// Reads a whole number within [low, high] from value; false for any other value.
bool ReadInteger(const QJsonValue& value, int low, int high, int& out) {
  if (!value.isDouble()) return false;
  const double number = value.toDouble();
  if (std::floor(number) != number || number < low || number > high) return false;
  out = static_cast<int>(number);
  return true;
}

bool ReadText(const QJsonValue& value, std::string& out) {
  if (!value.isString()) return false;
  const QString text = value.toString();
  if (text.size() > kMaxTextLength) return false;
  out = text.toStdString();
  return true;
}

// A point [x, y] within the picture, edges included.
bool ReadPoint(const QJsonValue& value, const HotspotMap& map, HotspotPoint& point) {
  const QJsonArray pair = value.toArray();
  return value.isArray() && pair.size() == 2 && ReadInteger(pair[0], 0, map.width, point.x) &&
         ReadInteger(pair[1], 0, map.height, point.y);
}

bool ReadBox(const QJsonValue& value, const HotspotMap& map, HotspotBox& box) {
  const QJsonArray four = value.toArray();
  return value.isArray() && four.size() == 4 && ReadInteger(four[0], 0, map.width - 1, box.x) &&
         ReadInteger(four[1], 0, map.height - 1, box.y) && ReadInteger(four[2], 1, map.width - box.x, box.width) &&
         ReadInteger(four[3], 1, map.height - box.y, box.height);
}

// Reads one hotspot; returns the fault, empty when it is sound.
std::string ReadHotspot(const QJsonObject& object, const HotspotMap& map, Hotspot& hotspot) {
  const bool named = object.contains(QStringLiteral("object"));
  const bool way = object.contains(QStringLiteral("way"));
  if (named == way) return "needs exactly one of \"object\" and \"way\"";
  if (named) {
    if (!ReadText(object.value(QStringLiteral("object")), hotspot.object) || hotspot.object.empty()) {
      return "\"object\" is not a name";
    }
  } else {
    const QString direction = object.value(QStringLiteral("way")).toString();
    if (direction.size() != 1 || !QStringLiteral("NSEW").contains(direction[0])) {
      return "\"way\" is not one of N, S, E, W";
    }
    hotspot.way = direction[0].toLatin1();
  }
  if (!ReadBox(object.value(QStringLiteral("box")), map, hotspot.box)) return "\"box\" is not a box inside the picture";
  if (!ReadPoint(object.value(QStringLiteral("point")), map, hotspot.point)) return "\"point\" is not inside the picture";
  const HotspotBox& box = hotspot.box;
  const HotspotPoint& point = hotspot.point;
  if (point.x < box.x || point.y < box.y || point.x >= box.x + box.width || point.y >= box.y + box.height) {
    return "\"point\" lies outside its box";
  }
  const QJsonValue outline = object.value(QStringLiteral("outline"));
  const QJsonArray corners = outline.toArray();
  if (!outline.isArray() || corners.size() < 3) return "\"outline\" needs at least 3 points";
  if (corners.size() > kMaxOutlinePoints) return "\"outline\" has too many points";
  for (const QJsonValue& corner : corners) {
    HotspotPoint read;
    if (!ReadPoint(corner, map, read)) return "an \"outline\" point is not inside the picture";
    hotspot.outline.push_back(read);
  }
  return {};
}

}  // namespace

std::string HotspotMapPath(const std::string& picturePath) {
  const std::size_t slash = picturePath.find_last_of('/');
  const std::size_t dot = picturePath.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? picturePath.substr(0, dot) : picturePath) + kMapSuffix;
}

bool ParseHotspotMap(const std::string& json, HotspotMap& map, std::string& error) {
  map = HotspotMap();
  QJsonParseError parse;
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &parse);
  if (document.isNull()) {
    error = "not JSON: " + parse.errorString().toStdString() + " at " + std::to_string(parse.offset);
    return false;
  }
  if (!document.isObject()) {
    error = "not a JSON object";
    return false;
  }
  const QJsonObject root = document.object();
  HotspotMap read;
  if (!ReadText(root.value(QStringLiteral("picture")), read.picture) || read.picture.empty()) {
    error = "\"picture\" is not a file name";
    return false;
  }
  if (!ReadInteger(root.value(QStringLiteral("width")), 1, kMaxPictureSide, read.width) ||
      !ReadInteger(root.value(QStringLiteral("height")), 1, kMaxPictureSide, read.height)) {
    error = "\"width\" and \"height\" must be whole numbers from 1 to " + std::to_string(kMaxPictureSide);
    return false;
  }
  if (!ReadText(root.value(QStringLiteral("description")), read.description)) {
    error = "\"description\" is not a text";
    return false;
  }
  const QJsonValue list = root.value(QStringLiteral("hotspots"));
  if (!list.isArray()) {
    error = "\"hotspots\" is not a list";
    return false;
  }
  const QJsonArray hotspots = list.toArray();
  if (hotspots.size() > kMaxHotspots) {
    error = "too many hotspots";
    return false;
  }
  for (qsizetype index = 0; index < hotspots.size(); ++index) {
    Hotspot hotspot;
    std::string fault =
        hotspots[index].isObject() ? ReadHotspot(hotspots[index].toObject(), read, hotspot) : "is not an object";
    if (!fault.empty()) {
      error = "hotspot " + std::to_string(index + 1) + ": " + fault;
      return false;
    }
    read.hotspots.push_back(std::move(hotspot));
  }
  map = std::move(read);
  return true;
}

HotspotMap LoadHotspotMap(const std::string& picturePath) {
  const QString path = QString::fromStdString(HotspotMapPath(picturePath));
  QFile file(path);
  if (!file.exists()) return {};
  auto refuse = [&path](const std::string& why) {
    qWarning("brackenhollow: the hotspot map %s is refused, its picture has no hotspots: %s", qUtf8Printable(path),
             why.c_str());
    return HotspotMap();
  };
  if (file.size() > kMaxFileBytes) return refuse("larger than " + std::to_string(kMaxFileBytes) + " bytes");
  if (!file.open(QIODevice::ReadOnly)) return refuse(file.errorString().toStdString());
  const QByteArray bytes = file.read(kMaxFileBytes + 1);
  if (bytes.size() > kMaxFileBytes) return refuse("larger than " + std::to_string(kMaxFileBytes) + " bytes");
  HotspotMap map;
  std::string error;
  if (!ParseHotspotMap(bytes.toStdString(), map, error)) return refuse(error);
  const std::string pictureName = QFileInfo(QString::fromStdString(picturePath)).fileName().toStdString();
  if (map.picture != pictureName) return refuse("it was made for \"" + map.picture + "\"");
  return map;
}

}  // namespace brackenhollow
