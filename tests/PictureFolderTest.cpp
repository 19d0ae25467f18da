// Where the game finds its pictures: the build folder's copy beside the executable, the installed
// folder next to the executable's, the data folders, and what the player is told when none holds them.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/PictureFolder.h"
#include "tests/TestSupport.h"

namespace brackenhollow {
namespace {

class PictureFolderTest : public ::testing::Test {
 protected:
  // Makes the folder (below the scratch folder) and puts the named files into it.
  std::string Folder(const std::string& relative, const std::vector<std::string>& files = {}) {
    const std::filesystem::path path = scratch.Path() / relative;
    std::filesystem::create_directories(path);
    for (const std::string& file : files) std::ofstream(path / file) << "GIF89a";
    return path.string() + "/";
  }

  testing::ScratchFolder scratch;
};

TEST_F(PictureFolderTest, CandidatesRunFromTheProgramFolderToTheDataFoldersEachEndingInASeparator) {
  const std::string prefix = scratch.Path().string();
  const std::vector<std::string> candidates =
      PictureFolderCandidates(prefix + "/bin", {prefix + "/home/data/brackenhollow", prefix + "/usr/brackenhollow/"});
  EXPECT_EQ(candidates, (std::vector<std::string>{prefix + "/bin/", prefix + "/share/brackenhollow/pictures/",
                                                  prefix + "/home/data/brackenhollow/pictures/",
                                                  prefix + "/usr/brackenhollow/pictures/"}));
}

TEST_F(PictureFolderTest, ThePicturesBesideTheProgramWinOverAnInstalledCopy) {
  const std::string bin = Folder("bin", {"title.gif"});
  Folder("share/brackenhollow/pictures", {"title.gif"});
  const PictureFolderSearch search = FindPictureFolder(PictureFolderCandidates(bin, {}));
  EXPECT_TRUE(search.found);
  EXPECT_EQ(search.folder, bin);
  EXPECT_EQ(search.searched, std::vector<std::string>{bin});
}

TEST_F(PictureFolderTest, TheInstalledGameFindsThePicturesNextToItsOwnFolderOrInADataFolder) {
  const std::string bin = Folder("usr/bin", {"brackenhollow"});
  const std::string installed = Folder("usr/share/brackenhollow/pictures", {"title.gif", "bedroom1.gif"});
  EXPECT_EQ(FindPictureFolder(PictureFolderCandidates(bin, {})).folder, installed);

  const std::string lone = Folder("lone", {"brackenhollow"});
  const PictureFolderSearch search =
      FindPictureFolder(PictureFolderCandidates(lone, {Folder("empty-data"), scratch.File("usr/share/brackenhollow")}));
  EXPECT_TRUE(search.found);
  EXPECT_EQ(search.folder, installed);
  EXPECT_EQ(search.searched.size(), 4u);
}

TEST_F(PictureFolderTest, AFolderWithoutTheTitlePictureDoesNotCountAndTheMessageNamesEveryFolderSearched) {
  const std::string bin = Folder("bin", {"bedroom1.gif", "brackenhollow-16.png"});
  Folder("share/brackenhollow/pictures/title.gif");  // a folder by the title's name is no picture
  const std::vector<std::string> candidates = PictureFolderCandidates(bin, {scratch.File("data")});
  const PictureFolderSearch search = FindPictureFolder(candidates);
  EXPECT_FALSE(search.found);
  EXPECT_EQ(search.folder, bin) << "picture paths are still formed from the program's folder";
  EXPECT_EQ(search.searched, candidates);
  const std::string message = MissingPicturesMessage(search);
  for (const std::string& folder : candidates) EXPECT_NE(message.find("\n" + folder), std::string::npos) << folder;
}

}  // namespace
}  // namespace brackenhollow
