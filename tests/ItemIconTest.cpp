// The icons of the things the player carries: every thing that can end up in the inventory has one, at
// every size, see-through round the thing, so the strip under the picture never shows a blank or a box.

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "actions/PuzzleRow.h"
#include "art/painter/GifWriter.h"
#include "art/painter/ItemIcons.h"
#include "art/painter/SceneBook.h"
#include "tests/TestSupport.h"
#include "world/WorldBuild.h"

#include <sqlite3.h>

namespace brackenhollow {
namespace {

namespace fs = std::filesystem;

void EnsureApplication() {
  if (QCoreApplication::instance() == nullptr) testing::Application();
}

fs::path PictureFolder() {
  return fs::read_symlink("/proc/self/exe").parent_path();
}

// Everything the player can come to carry: what "Get the" may take in the starting world, what puzzles
// leave lying for the taking, and what they hand over.
std::set<std::string> Carriable() {
  std::set<std::string> names;
  sqlite3* db = nullptr;
  if (sqlite3_open(":memory:", &db) == SQLITE_OK) {
    for (const std::string& statement : WorldStatements()) sqlite3_exec(db, statement.c_str(), nullptr, nullptr, nullptr);
    sqlite3_stmt* query = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT Objects FROM Objects WHERE Gettable = 1", -1, &query, nullptr) == SQLITE_OK)
      while (sqlite3_step(query) == SQLITE_ROW) names.insert(reinterpret_cast<const char*>(sqlite3_column_text(query, 0)));
    sqlite3_finalize(query);
  }
  sqlite3_close(db);
  for (const PuzzleRow& row : PuzzleRows()) {
    for (const Effect& effect : row.effects) {
      if (effect.kind == EffectKind::AddItem) names.insert(effect.name);
      if (effect.kind == EffectKind::PlaceObject && effect.gettable == 1) names.insert(effect.name);
    }
  }
  return names;
}

#ifdef BRACKENHOLLOW_SCENES_FOLDER
TEST(ItemIcons, EveryThingThePlayerCanCarryHasAnIconAndNoOtherDoes) {
  art::SceneBook book;
  std::vector<art::Picture> pictures;
  std::string error;
  ASSERT_TRUE(book.AddFolder(BRACKENHOLLOW_SCENES_FOLDER, error) && book.Pictures(pictures, error)) << error;
  std::set<std::string> items;
  for (const art::Picture& picture : pictures)
    if (!picture.item.empty()) items.insert(picture.item);
  EXPECT_EQ(items, Carriable());
}
#endif

TEST(ItemIcons, EachIconIsASquareGifAtEverySizeSeeThroughRoundTheThing) {
  EnsureApplication();
  for (const std::string& thing : Carriable()) {
    SCOPED_TRACE(thing);
    for (const int resolution : {1, 2, 3}) {
      const std::string file = "item " + thing + (resolution == 1 ? "" : "@" + std::to_string(resolution) + "x") + ".gif";
      const QImage icon(QString::fromStdString((PictureFolder() / file).string()));
      ASSERT_FALSE(icon.isNull()) << file << " is missing beside the game";
      const int size = art::kItemIconSize * resolution;
      EXPECT_EQ(icon.size(), QSize(size, size));
      ASSERT_TRUE(icon.hasAlphaChannel()) << file << " has no see-through background";
      int clear = 0;
      int opaque = 0;
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
          const int alpha = qAlpha(icon.pixel(x, y));
          EXPECT_TRUE(alpha == 0 || alpha == 255) << "half see-through at " << x << "," << y;
          (alpha == 0 ? clear : opaque) += 1;
        }
      }
      // The thing fills its square, whole: neither a speck nor cut off at the edges.
      EXPECT_GT(opaque, size * size / 16);
      EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
      EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0);
      EXPECT_GT(clear, 0);
    }
  }
}

TEST(ItemIcons, AnItemIsReadAsTheIconOfItsThingAndBelongsToNoRoom) {
  art::SceneBook book;
  std::string error;
  std::vector<art::Picture> pictures;
  ASSERT_TRUE(book.AddText("item \"rope tied to teapot\"\n  teapot\n  rope-coil\n", "items.txt", error) &&
              book.Pictures(pictures, error))
      << error;
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].fileName, "item rope tied to teapot.gif");
  EXPECT_EQ(pictures[0].item, "rope tied to teapot");
  EXPECT_TRUE(pictures[0].rooms.empty());
  art::SceneBook wrong;
  EXPECT_FALSE(wrong.AddText("item \"coin\" rooms=3\n  coin\n", "items.txt", error));
  EXPECT_NE(error.find("items.txt:1: an item's icon belongs to no room"), std::string::npos) << error;
}

TEST(ItemIcons, AnItemThatPaintsNothingIsAMistakeNotABlankIcon) {
  EnsureApplication();
  art::SceneBook book;
  std::string error;
  std::vector<art::Picture> pictures;
  ASSERT_TRUE(book.AddText("item \"coin\"\n  coin x=-500 y=-500\n", "items.txt", error) && book.Pictures(pictures, error));
  EXPECT_THROW(art::PaintItemIcons(pictures[0]), art::SceneError);
}

TEST(ItemIcons, TheGifWriterNamesTheTransparentColour) {
  testing::ScratchFolder folder;
  QImage picture(4, 2, QImage::Format_Indexed8);
  picture.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0)});
  picture.fill(1);
  picture.setPixel(0, 0, 0);
  std::string error;
  ASSERT_TRUE(art::WriteGif(folder.File("clear.gif"), picture, error, 0)) << error;
  int code = 0;
  GifFileType* gif = DGifOpenFileName(folder.File("clear.gif").c_str(), &code);
  ASSERT_NE(gif, nullptr);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK);
  GraphicsControlBlock control{};
  ASSERT_EQ(DGifSavedExtensionToGCB(gif, 0, &control), GIF_OK);
  EXPECT_EQ(control.TransparentColor, 0);
  DGifCloseFile(gif, &code);
  // Without one, the writer adds no control block, as for the room pictures.
  ASSERT_TRUE(art::WriteGif(folder.File("plain.gif"), picture, error)) << error;
  gif = DGifOpenFileName(folder.File("plain.gif").c_str(), &code);
  ASSERT_NE(gif, nullptr);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK);
  EXPECT_EQ(gif->SavedImages[0].ExtensionBlockCount, 0);
  DGifCloseFile(gif, &code);
}

}  // namespace
}  // namespace brackenhollow
