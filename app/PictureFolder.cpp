#include "app/PictureFolder.h"

#include <QStandardPaths>

#include <filesystem>
#include <system_error>

#include "app/GameApp.h"
#include "view/PicturePath.h"
#include "world/CloseUpPictures.h"

namespace brackenhollow {

namespace {

// The folder written plainly ("bin/../share" as "share"), ending in '/'.
std::string FolderName(const std::string& folder) {
  std::string name = std::filesystem::path(folder + "/").lexically_normal().string();
  if (name.back() != '/') name += '/';
  return name;
}

}  // namespace

std::vector<std::string> PictureFolderCandidates(const std::string& programFolder,
                                                 const std::vector<std::string>& dataFolders) {
  std::vector<std::string> candidates = {FolderName(programFolder),
                                         FolderName(programFolder + "/" BRACKENHOLLOW_INSTALLED_PICTURES)};
  for (const std::string& dataFolder : dataFolders) candidates.push_back(FolderName(dataFolder + "/pictures"));
  return candidates;
}

PictureFolderSearch FindPictureFolder(const std::vector<std::string>& candidates) {
  PictureFolderSearch search;
  for (const std::string& candidate : candidates) {
    search.searched.push_back(candidate);
    std::error_code error;
    if (std::filesystem::is_regular_file(PictureFilePath(candidate + kTitlePicture), error)) {
      search.folder = candidate;
      search.found = true;
      return search;
    }
  }
  if (!candidates.empty()) search.folder = candidates.front();
  return search;
}

PictureFolderSearch SearchPictureFolder() {
  std::vector<std::string> dataFolders;
  for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::AppDataLocation)) {
    dataFolders.push_back(folder.toStdString());
  }
  return FindPictureFolder(PictureFolderCandidates(ProgramDirectory(), dataFolders));
}

std::string MissingPicturesMessage(const PictureFolderSearch& search) {
  std::string message = "The game's pictures were not found, so rooms show no picture. Folders searched:";
  for (const std::string& folder : search.searched) message += "\n" + folder;
  return message;
}

}  // namespace brackenhollow
