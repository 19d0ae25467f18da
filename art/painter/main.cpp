// The picture painter: reads the scene texts and writes every picture of the game, or a contact sheet.
//
//   brackenhollow_painter --scenes DIR --out DIR [--require-rooms N]
//   brackenhollow_painter --scenes DIR --contact-sheet FILE [--filter TEXT] [--source FILE.txt] [--columns N]
//                         [--width N]
//   brackenhollow_painter --scenes DIR --list
#include "ContactSheet.h"
#include "GifWriter.h"
#include "Palette.h"
#include "Renderer.h"
#include "SceneBook.h"

#include <QGuiApplication>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

using namespace brackenhollow::art;

namespace {

struct Options {
  std::string scenes;
  std::string out;
  std::string contactSheet;
  std::string filter;
  std::string source;
  int columns = 10;
  int width = 149;
  int requireRooms = 0;
  bool list = false;
};

// Reads the command line; returns false with a message for an unknown or incomplete option.
bool ReadOptions(const QStringList& arguments, Options& options, std::string& error) {
  for (qsizetype index = 1; index < arguments.size(); ++index) {
    const QString option = arguments[index];
    if (option == "--list") {
      options.list = true;
      continue;
    }
    if (index + 1 >= arguments.size()) {
      error = option.toStdString() + " needs a value";
      return false;
    }
    const std::string value = arguments[++index].toStdString();
    if (option == "--scenes") options.scenes = value;
    else if (option == "--out") options.out = value;
    else if (option == "--contact-sheet") options.contactSheet = value;
    else if (option == "--filter") options.filter = value;
    else if (option == "--source") options.source = value;
    else if (option == "--columns") options.columns = std::stoi(value);
    else if (option == "--width") options.width = std::stoi(value);
    else if (option == "--require-rooms") options.requireRooms = std::stoi(value);
    else {
      error = "unknown option " + option.toStdString();
      return false;
    }
  }
  if (options.scenes.empty() || (options.out.empty() && options.contactSheet.empty() && !options.list)) {
    error = "usage: --scenes DIR (--out DIR | --contact-sheet FILE | --list)";
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

struct Painted {
  QImage image;                       // RGB, after mapping to the palette (full colour for the icon)
  std::vector<std::uint8_t> indices;  // empty for the icon
  std::string error;
};

// Paints all pictures on a few threads; each result keeps its picture's place.
std::vector<Painted> PaintAll(const std::vector<Picture>& pictures) {
  std::vector<Painted> results(pictures.size());
  std::atomic<std::size_t> next{0};
  const auto work = [&] {
    for (std::size_t index = next++; index < pictures.size(); index = next++) {
      Painted& result = results[index];
      try {
        QImage image = PaintPicture(pictures[index], PropRegistry::Everything());
        if (pictures[index].iconSize > 0) {
          result.image = image;
          continue;
        }
        result.indices = MapToPalette(image);
        result.image = ImageFromIndices(result.indices, image.width(), image.height());
      } catch (const SceneError& sceneError) {
        result.error = sceneError.what();
      }
    }
  };
  const unsigned threadCount = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
  std::vector<std::thread> threads;
  for (unsigned thread = 1; thread < threadCount; ++thread) threads.emplace_back(work);
  work();
  for (std::thread& thread : threads) thread.join();
  return results;
}

// Writes the pictures into the folder; returns false after reporting the first failure.
bool WritePictures(const std::vector<Picture>& pictures, const std::vector<Painted>& painted, const std::string& folder) {
  std::error_code code;
  std::filesystem::create_directories(folder, code);
  std::map<std::vector<std::uint8_t>, std::string> seen;
  for (std::size_t index = 0; index < pictures.size(); ++index) {
    const std::string path = (std::filesystem::path(folder) / pictures[index].fileName).string();
    if (pictures[index].iconSize > 0) {
      if (!painted[index].image.save(QString::fromStdString(path), "PNG")) {
        std::fprintf(stderr, "%s: cannot write\n", path.c_str());
        return false;
      }
      continue;
    }
    const auto [previous, fresh] = seen.emplace(painted[index].indices, pictures[index].fileName);
    if (!fresh) {
      std::fprintf(stderr, "%s: looks exactly like %s\n", pictures[index].where.c_str(), previous->second.c_str());
      return false;
    }
    std::string error;
    if (!WriteGif(path, painted[index].indices, painted[index].image.width(), painted[index].image.height(),
                  FixedPalette(), error)) {
      std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
      return false;
    }
  }
  return true;
}

// Passes Qt's messages on, except the off-screen platform's note about a missing runtime folder.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QStringLiteral("QStandardPaths:"))) return;
  std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
}

}  // namespace

// Paints every picture of the scene texts into a folder, or a contact sheet, or lists their names.
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

  const std::vector<Painted> painted = PaintAll(pictures);
  for (const Painted& result : painted) {
    if (!result.error.empty()) {
      std::fprintf(stderr, "%s\n", result.error.c_str());
      return 1;
    }
  }
  if (!options.out.empty() && !WritePictures(pictures, painted, options.out)) return 1;
  if (!options.contactSheet.empty()) {
    std::vector<std::pair<std::string, QImage>> shown;
    for (std::size_t index = 0; index < pictures.size(); ++index)
      if (pictures[index].iconSize == 0) shown.emplace_back(pictures[index].fileName, painted[index].image);
    const QImage sheet = ComposeContactSheet(shown, options.columns, options.width);
    if (sheet.isNull() || !sheet.save(QString::fromStdString(options.contactSheet), "PNG")) {
      std::fprintf(stderr, "%s: cannot write the contact sheet\n", options.contactSheet.c_str());
      return 1;
    }
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("Painted %zu pictures in %.2f s\n", pictures.size(), seconds);
  return 0;
}
