// The picture painter: reads the scene texts and writes every picture of the game at its three sizes, the
// icon at the desktop's sizes, and contact sheets to look the pictures over.
#include "art/painter/ContactSheet.h"
#include "art/painter/GifWriter.h"
#include "art/painter/HotspotMap.h"
#include "art/painter/ItemIcons.h"
#include "art/painter/Quantiser.h"
#include "art/painter/Renderer.h"
#include "art/painter/SceneBook.h"

#include <QCommandLineParser>
#include <QCryptographicHash>
#include <QGuiApplication>
#include <QThreadPool>

#include <omp.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

using namespace brackenhollow::art;

namespace {

// Every picture is also painted two and three times as large, for windows and screens with more pixels.
constexpr int kLargestResolution = 3;
// The sizes a desktop icon theme asks for.
constexpr int kThemeIconSizes[] = {16, 32, 48, 64, 128, 256, 512};

struct Options {
  std::string scenes;
  std::string out;
  std::string contactSheets;
  std::string contactSheet;
  std::string filter;
  std::string source;
  int columns = 10;
  int width = 149;
  int requireRooms = 0;
  bool list = false;
  std::string help;  // the help text, when --help was asked for
};

// Reads a whole positive number option; returns false with a message when it is something else.
bool ReadCount(const QCommandLineParser& parser, const QString& name, int& value, std::string& error) {
  if (!parser.isSet(name)) return true;
  bool number = false;
  value = parser.value(name).toInt(&number);
  if (number && value > 0) return true;
  error = "--" + name.toStdString() + " needs a whole number above 0, not " + parser.value(name).toStdString();
  return false;
}

// Reads the command line; returns false with a message for an unknown, incomplete or missing option.
bool ReadOptions(const QStringList& arguments, Options& options, std::string& error) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Paints Brackenhollow's pictures from its scene texts."));
  const QCommandLineOption helpOption = parser.addHelpOption();
  parser.addOptions({
      {QStringLiteral("scenes"), QStringLiteral("Folder of scene texts."), QStringLiteral("folder")},
      {QStringLiteral("out"), QStringLiteral("Writes every picture at three sizes and the icons here."), QStringLiteral("folder")},
      {QStringLiteral("contact-sheets"), QStringLiteral("Writes one contact sheet per scene text here."), QStringLiteral("folder")},
      {QStringLiteral("contact-sheet"), QStringLiteral("Writes one contact sheet of the chosen pictures."), QStringLiteral("file")},
      {QStringLiteral("filter"), QStringLiteral("Only pictures whose file name holds this text."), QStringLiteral("text")},
      {QStringLiteral("source"), QStringLiteral("Only pictures of this scene text, e.g. house.txt."), QStringLiteral("file")},
      {QStringLiteral("columns"), QStringLiteral("Pictures in a contact sheet's row."), QStringLiteral("count")},
      {QStringLiteral("width"), QStringLiteral("Width of a picture in a contact sheet."), QStringLiteral("pixels")},
      {QStringLiteral("require-rooms"), QStringLiteral("Fails unless rooms 1 to N all show a picture."), QStringLiteral("count")},
      {QStringLiteral("list"), QStringLiteral("Lists the pictures' file names.")},
  });
  if (!parser.parse(arguments)) {
    error = parser.errorText().toStdString();
    return false;
  }
  if (parser.isSet(helpOption)) {
    options.help = parser.helpText().toStdString();
    return true;
  }
  if (!parser.positionalArguments().isEmpty()) {
    error = "unexpected " + parser.positionalArguments().front().toStdString();
    return false;
  }
  options.scenes = parser.value(QStringLiteral("scenes")).toStdString();
  options.out = parser.value(QStringLiteral("out")).toStdString();
  options.contactSheets = parser.value(QStringLiteral("contact-sheets")).toStdString();
  options.contactSheet = parser.value(QStringLiteral("contact-sheet")).toStdString();
  options.filter = parser.value(QStringLiteral("filter")).toStdString();
  options.source = parser.value(QStringLiteral("source")).toStdString();
  options.list = parser.isSet(QStringLiteral("list"));
  if (!ReadCount(parser, QStringLiteral("columns"), options.columns, error) ||
      !ReadCount(parser, QStringLiteral("width"), options.width, error) ||
      !ReadCount(parser, QStringLiteral("require-rooms"), options.requireRooms, error))
    return false;
  if (options.scenes.empty() ||
      (options.out.empty() && options.contactSheets.empty() && options.contactSheet.empty() && !options.list)) {
    error = "usage: --scenes FOLDER (--out FOLDER | --contact-sheets FOLDER | --contact-sheet FILE | --list)";
    return false;
  }
  return true;
}

// Every room from 1 to roomCount must show some picture; returns the rooms that show none.
std::vector<int> RoomsWithoutPicture(const std::vector<Picture>& pictures, int roomCount) {
  std::set<int> shown;
  for (const Picture& picture : pictures) shown.insert(picture.rooms.begin(), picture.rooms.end());
  std::vector<int> missing;
  for (int room = 1; room <= roomCount; ++room)
    if (shown.count(room) == 0) missing.push_back(room);
  return missing;
}

// "bedroom1.gif" at resolution 2 is "bedroom1@2x.gif"; resolution 1 keeps the name.
std::string SizedName(const std::string& fileName, int resolution) {
  if (resolution == 1) return fileName;
  const std::filesystem::path name(fileName);
  return name.stem().string() + "@" + std::to_string(resolution) + "x" + name.extension().string();
}

// "brackenhollow.png" at 48 pixels is "brackenhollow-48.png".
std::string ThemeIconName(const std::string& fileName, int size) {
  const std::filesystem::path name(fileName);
  return name.stem().string() + "-" + std::to_string(size) + name.extension().string();
}

struct Painted {
  QImage shown;            // the smallest size as written, for contact sheets and the look-alike check
  QByteArray fingerprint;  // of shown's colours
  std::string error;
};

// Writes the icon at its own size and at every theme size; returns an empty text or the failure.
std::string WriteIcons(const Picture& icon, const std::filesystem::path& folder) {
  std::vector<std::pair<std::string, int>> files = {{icon.fileName, icon.iconSize}};
  for (const int size : kThemeIconSizes) files.emplace_back(ThemeIconName(icon.fileName, size), size);
  for (const auto& [name, size] : files) {
    const std::string path = (folder / name).string();
    if (!PaintIcon(icon, PropRegistry::Everything(), size).save(QString::fromStdString(path), "PNG"))
      return path + ": cannot write";
  }
  return {};
}

// Paints one picture at every size, from a copy of its painted start at that size when starts holds one per
// size, gives it its palette and writes its files when a folder is given.
Painted PaintOne(const Picture& picture, int largestResolution, const std::string& out,
                 const std::vector<PaintedStart>& starts) {
  Painted result;
  if (!picture.item.empty()) {
    if (!out.empty()) result.error = WriteItemIcons(picture, out);
    return result;
  }
  if (picture.iconSize > 0) {
    if (!out.empty()) result.error = WriteIcons(picture, out);
    return result;
  }
  std::vector<QImage> sizes;
  for (int resolution = 1; resolution <= largestResolution; ++resolution)
    sizes.push_back(starts.empty()
                        ? PaintPicture(picture, PropRegistry::Everything(), resolution)
                        : PaintPicture(picture, PropRegistry::Everything(), resolution, starts[resolution - 1]));
  std::string error;
  const std::vector<QImage> indexed = Quantise(sizes, error);
  if (indexed.empty()) {
    result.error = picture.where + ": " + error;
    return result;
  }
  for (std::size_t size = 0; size < indexed.size() && !out.empty(); ++size) {
    const std::string path =
        (std::filesystem::path(out) / SizedName(picture.fileName, static_cast<int>(size) + 1)).string();
    if (!WriteGif(path, indexed[size], error)) {
      result.error = path + ": " + error;
      return result;
    }
  }
  if (!out.empty()) {
    result.error = WriteHotspotMap(picture, PropRegistry::Everything(), out);
    if (!result.error.empty()) return result;
  }
  result.shown = indexed.front();
  const QImage colours = result.shown.convertToFormat(QImage::Format_RGB32);
  result.fingerprint = QCryptographicHash::hash(
      QByteArrayView(colours.constBits(), colours.sizeInBytes()), QCryptographicHash::Sha1);
  return result;
}

// Runs work once on each of as many threads as the machine has cores (at most 8) and waits for them all.
// The threads are Qt's own pool's: Qt's raster engine splits a large fill, scaling or conversion into parts
// for that pool and waits for them, unless it is asked from one of the pool's threads. With every core
// already busy with a picture of its own, handing those parts between threads only costs time, so each thread
// paints its fills itself.
void RunOnEveryCore(const std::function<void()>& work) {
  const int threadCount = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
  QThreadPool* pool = QThreadPool::globalInstance();
  pool->setMaxThreadCount(threadCount);
  for (int thread = 0; thread < threadCount; ++thread) pool->start(work);
  pool->waitForDone();
}

// Groups the pictures whose painting starts alike (a room's state pictures over one scene), largest group
// first, each in the pictures' order.
std::vector<std::vector<std::size_t>> Families(const std::vector<Picture>& pictures) {
  std::vector<std::size_t> familyOf(pictures.size());
  std::vector<std::vector<std::size_t>> families;
  for (std::size_t index = 0; index < pictures.size(); ++index) {
    familyOf[index] = families.size();
    for (std::size_t earlier = 0; earlier < index; ++earlier) {
      if (SharedStart(pictures[earlier], pictures[index]) > 0) {
        familyOf[index] = familyOf[earlier];
        break;
      }
    }
    if (familyOf[index] == families.size()) families.emplace_back();
    families[familyOf[index]].push_back(index);
  }
  // The big families first, so no thread is left with a long one at the end.
  std::stable_sort(families.begin(), families.end(),
                   [](const auto& one, const auto& other) { return one.size() > other.size(); });
  return families;
}

// Paints (and writes) one family: each picture's longest start shared with another of the family is painted
// once per size, and the picture continues from a copy of it. Each result keeps its picture's place.
void PaintFamily(const std::vector<Picture>& pictures, const std::vector<std::size_t>& family,
                 int largestResolution, const std::string& out, std::vector<Painted>& results) {
  struct Start {
    std::size_t from;    // the picture it was painted from
    std::size_t layers;  // how many of its layers
    std::vector<PaintedStart> sizes;
  };
  std::vector<Start> starts;
  for (const std::size_t index : family) {
    const Picture& picture = pictures[index];
    std::size_t shared = 0;
    for (const std::size_t other : family)
      if (other != index) shared = std::max(shared, SharedStart(picture, pictures[other]));
    try {
      if (shared == 0) {
        results[index] = PaintOne(picture, largestResolution, out, {});
        continue;
      }
      auto start = std::find_if(starts.begin(), starts.end(), [&](const Start& painted) {
        return painted.layers == shared && SharedStart(pictures[painted.from], picture) >= shared;
      });
      if (start == starts.end()) {
        Start fresh{index, shared, {}};
        for (int resolution = 1; resolution <= largestResolution; ++resolution)
          fresh.sizes.push_back(PaintStart(picture, PropRegistry::Everything(), resolution, shared));
        starts.push_back(std::move(fresh));
        start = std::prev(starts.end());
      }
      results[index] = PaintOne(picture, largestResolution, out, start->sizes);
    } catch (const SceneError& sceneError) {
      results[index].error = sceneError.what();
    }
  }
}

// Paints (and writes) all pictures on as many threads as the machine has cores, a family at a time; each
// result keeps its picture's place.
std::vector<Painted> PaintAll(const std::vector<Picture>& pictures, int largestResolution, const std::string& out) {
  std::vector<Painted> results(pictures.size());
  const std::vector<std::vector<std::size_t>> families = Families(pictures);
  std::atomic<std::size_t> next{0};
  const auto work = [&] {
    // The pictures already keep every core busy; the quantiser's own threads would only queue behind them.
    omp_set_num_threads(1);
    for (std::size_t index = next++; index < families.size(); index = next++)
      PaintFamily(pictures, families[index], largestResolution, out, results);
  };
  RunOnEveryCore(work);
  return results;
}

// Two pictures painted alike are a scene text that forgot its state; returns the first such pair, or "".
std::string LookAlikes(const std::vector<Picture>& pictures, const std::vector<Painted>& painted) {
  std::map<QByteArray, std::string> seen;
  for (std::size_t index = 0; index < pictures.size(); ++index) {
    if (painted[index].fingerprint.isEmpty()) continue;
    const auto [previous, fresh] = seen.emplace(painted[index].fingerprint, pictures[index].fileName);
    if (!fresh) return pictures[index].where + ": looks exactly like " + previous->second;
  }
  return {};
}

// The scene text a picture comes from, without ".txt": "house" for "house.txt:12".
std::string AreaOf(const Picture& picture) {
  return std::filesystem::path(picture.where.substr(0, picture.where.find(':'))).stem().string();
}

// Writes one contact sheet of the given pictures; returns false after reporting the failure.
bool WriteSheet(const std::vector<std::pair<std::string, QImage>>& shown, const Options& options,
                const std::string& path) {
  const QImage sheet = ComposeContactSheet(shown, options.columns, options.width);
  if (sheet.isNull() || !sheet.save(QString::fromStdString(path), "PNG")) {
    std::fprintf(stderr, "%s: cannot write the contact sheet\n", path.c_str());
    return false;
  }
  return true;
}

// Writes the single contact sheet and one per area as asked, on as many threads as the machine has cores:
// compressing them is the last work of a run, so one thread alone would leave the others idle. Returns false
// after reporting a failure.
bool WriteSheets(const std::vector<Picture>& pictures, const std::vector<Painted>& painted, const Options& options) {
  std::map<std::string, std::vector<std::pair<std::string, QImage>>> byArea;
  std::vector<std::pair<std::string, QImage>> all;
  for (std::size_t index = 0; index < pictures.size(); ++index) {
    if (painted[index].shown.isNull()) continue;
    all.emplace_back(pictures[index].fileName, painted[index].shown);
    byArea[AreaOf(pictures[index])].emplace_back(pictures[index].fileName, painted[index].shown);
  }
  // Each sheet: the pictures it shows and its file.
  std::vector<std::pair<const std::vector<std::pair<std::string, QImage>>*, std::string>> sheets;
  if (!options.contactSheet.empty()) sheets.emplace_back(&all, options.contactSheet);
  if (!options.contactSheets.empty()) {
    std::error_code code;
    std::filesystem::create_directories(options.contactSheets, code);
    for (const auto& [area, shown] : byArea)
      sheets.emplace_back(&shown, (std::filesystem::path(options.contactSheets) / ("contact-sheet-" + area + ".png")).string());
  }
  std::atomic<std::size_t> next{0};
  std::atomic<bool> written{true};
  const auto work = [&] {
    for (std::size_t index = next++; index < sheets.size(); index = next++)
      if (!WriteSheet(*sheets[index].first, options, sheets[index].second)) written = false;
  };
  RunOnEveryCore(work);
  return written;
}

// Passes Qt's messages on, except the off-screen platform's note about a missing runtime folder.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QStringLiteral("QStandardPaths:"))) return;
  std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
}

}  // namespace

// Paints every picture of the scene texts into a folder, and/or contact sheets, or lists their names.
// Returns 0 on success, 1 when a scene or a file fails, 2 for a bad command line.
int main(int argc, char** argv) {
  // The build machine has no display; pictures only need an off-screen surface.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietMessages);
  QGuiApplication application(argc, argv);
  const auto started = std::chrono::steady_clock::now();

  Options options;
  std::string error;
  if (!ReadOptions(QGuiApplication::arguments(), options, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  if (!options.help.empty()) {
    std::printf("%s", options.help.c_str());
    return 0;
  }
  SceneBook book;
  std::vector<Picture> pictures;
  if (!book.AddFolder(options.scenes, error) || !book.Pictures(pictures, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  if (options.list) {
    for (const Picture& picture : pictures) std::printf("%s\n", picture.fileName.c_str());
    return 0;
  }
  if (!options.source.empty()) {
    std::erase_if(pictures, [&](const Picture& picture) { return picture.where.rfind(options.source + ":", 0) != 0; });
  }
  if (!options.filter.empty()) {
    std::erase_if(pictures, [&](const Picture& picture) { return picture.fileName.find(options.filter) == std::string::npos; });
  }
  const std::vector<int> missing = RoomsWithoutPicture(pictures, options.requireRooms);
  if (!missing.empty()) {
    std::fprintf(stderr, "%zu rooms show no picture, the first is room %d\n", missing.size(), missing.front());
    return 1;
  }
  if (!options.out.empty()) {
    std::error_code code;
    std::filesystem::create_directories(options.out, code);
  }

  // Contact sheets alone need only the smallest size.
  const int largestResolution = options.out.empty() ? 1 : kLargestResolution;
  const std::vector<Painted> painted = PaintAll(pictures, largestResolution, options.out);
  for (const Painted& result : painted) {
    if (!result.error.empty()) {
      std::fprintf(stderr, "%s\n", result.error.c_str());
      return 1;
    }
  }
  const std::string lookAlike = LookAlikes(pictures, painted);
  if (!lookAlike.empty()) {
    std::fprintf(stderr, "%s\n", lookAlike.c_str());
    return 1;
  }
  if (!WriteSheets(pictures, painted, options)) return 1;
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("Painted %zu pictures at %d sizes in %.2f s\n", pictures.size(), largestResolution, seconds);
  return 0;
}
