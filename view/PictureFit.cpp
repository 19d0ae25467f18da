#include "view/PictureFit.h"

#include <algorithm>
#include <cmath>

namespace brackenhollow {

PictureFit FitPicture(PixelSize space, const std::vector<PixelSize>& painted) {
  if (painted.empty() || space.width <= 0 || space.height <= 0) return {};
  const PixelSize base = painted.front();
  if (base.width <= 0 || base.height <= 0) return {};
  const double factor = std::min(static_cast<double>(space.width) / base.width,
                                 static_cast<double>(space.height) / base.height);
  const PixelSize fitted{std::clamp(static_cast<int>(std::lround(base.width * factor)), 1, space.width),
                         std::clamp(static_cast<int>(std::lround(base.height * factor)), 1, space.height)};
  for (std::size_t index = 0; index < painted.size(); ++index) {
    const PixelSize size = painted[index];
    if (size.width >= fitted.width && size.height >= fitted.height) {
      return {static_cast<int>(index), fitted, !(size == fitted)};
    }
  }
  const PixelSize largest = painted.back();
  const int times = std::max(1, std::min(space.width / largest.width, space.height / largest.height));
  return {static_cast<int>(painted.size() - 1), {largest.width * times, largest.height * times}, false};
}

}  // namespace brackenhollow
