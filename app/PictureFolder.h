#pragma once
// Where the game's pictures lie: beside the executable (the build folder), in the installed share
// folder next to the executable's, or in one of the user's and the system's data folders.

#include <string>
#include <vector>

namespace brackenhollow {

struct PictureFolderSearch {
  // The first folder that holds the pictures, ending in '/'. When none does, the first folder searched
  // (the program's own), so that picture paths can still be formed.
  std::string folder;
  bool found = false;
  std::vector<std::string> searched;  // every folder looked in, in order, each ending in '/'
};

// The folders to look in, in order: the program's own folder, the installed picture folder relative
// to it, then "pictures" in each of the game's data folders. Every entry ends in '/'.
std::vector<std::string> PictureFolderCandidates(const std::string& programFolder,
                                                 const std::vector<std::string>& dataFolders);

// Looks in each candidate for the title picture, which every complete set of pictures holds.
// Returns the first that has it; found is false when none has.
PictureFolderSearch FindPictureFolder(const std::vector<std::string>& candidates);

// The search for the running program (needs the application object): its executable's folder and the
// data folders the platform lists for it.
PictureFolderSearch SearchPictureFolder();

// What the player is told when no folder holds the pictures: the folders searched, one a line.
std::string MissingPicturesMessage(const PictureFolderSearch& search);

}  // namespace brackenhollow
