// The picture's size and painted source for a space: sharp at every size, never enlarged by smoothing.

#include <gtest/gtest.h>

#include "view/PictureFit.h"

namespace brackenhollow {
namespace {

const std::vector<PixelSize> kAllSizes = {{596, 408}, {1192, 816}, {1788, 1224}};

TEST(FitPicture, FillsTheSpaceAtItsProportionsFromTheSmallestPaintedSizeAtLeastAsLarge) {
  PictureFit fit = FitPicture({596, 408}, kAllSizes);
  EXPECT_EQ(fit.source, 0);
  EXPECT_EQ(fit.shown, (PixelSize{596, 408}));
  EXPECT_FALSE(fit.smooth);
  // Wider than the picture: the height decides, and 730 x 500 is drawn down from the 2x painting.
  fit = FitPicture({1000, 500}, kAllSizes);
  EXPECT_EQ(fit.source, 1);
  EXPECT_EQ(fit.shown, (PixelSize{730, 500}));
  EXPECT_TRUE(fit.smooth);
  fit = FitPicture({1300, 2000}, kAllSizes);
  EXPECT_EQ(fit.source, 2);
  EXPECT_EQ(fit.shown.width, 1300);
  // Smaller than the smallest painting: brought down from it.
  fit = FitPicture({300, 300}, kAllSizes);
  EXPECT_EQ(fit.source, 0);
  EXPECT_EQ(fit.shown, (PixelSize{300, 205}));
  EXPECT_TRUE(fit.smooth);
}

TEST(FitPicture, BeyondTheLargestPaintingEnlargesByAWholeNumberOnly) {
  PictureFit fit = FitPicture({3000, 3000}, kAllSizes);
  EXPECT_EQ(fit.source, 2);
  EXPECT_EQ(fit.shown, (PixelSize{1788, 1224}));
  EXPECT_FALSE(fit.smooth);
  fit = FitPicture({3600, 2500}, kAllSizes);
  EXPECT_EQ(fit.shown, (PixelSize{3576, 2448}));
  // Only NAME.gif painted: 1900 x 1300 holds it three times.
  fit = FitPicture({1900, 1300}, {{596, 408}});
  EXPECT_EQ(fit.source, 0);
  EXPECT_EQ(fit.shown, (PixelSize{1788, 1224}));
  EXPECT_FALSE(fit.smooth);
}

TEST(FitPicture, NothingToDrawForNoPaintingOrAnEmptySpace) {
  EXPECT_EQ(FitPicture({100, 100}, {}).source, -1);
  EXPECT_EQ(FitPicture({0, 100}, kAllSizes).source, -1);
}

}  // namespace
}  // namespace brackenhollow
