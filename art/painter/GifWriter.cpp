#include "art/painter/GifWriter.h"

#include <gif_lib.h>

#include <algorithm>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace brackenhollow::art {

namespace {

// Closes the file and records giflib's reason for a failed step; returns false so callers can return it.
bool Fail(GifFileType* gif, const char* step, int code, std::string& error) {
  error = std::string(step) + ": " + (GifErrorString(code) ? GifErrorString(code) : "unknown giflib error");
  if (gif != nullptr) {
    int closeError = 0;
    EGifCloseFile(gif, &closeError);
  }
  return false;
}

}  // namespace

bool WriteGif(const std::string& path, const QImage& picture, std::string& error, int transparentIndex) {
  const QList<QRgb> palette = picture.colorTable();
  if (picture.format() != QImage::Format_Indexed8 || picture.isNull() || palette.isEmpty() || palette.size() > 256) {
    error = "not a picture of at most 256 colours";
    return false;
  }
  const int width = picture.width();
  const int height = picture.height();
  int code = 0;
  // Opened here rather than by giflib, which would make the file readable by its owner only.
  const int handle = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (handle < 0) {
    error = "cannot create the file";
    return false;
  }
  GifFileType* gif = EGifOpenFileHandle(handle, &code);
  if (gif == nullptr) {
    close(handle);
    return Fail(nullptr, "open", code, error);
  }

  // A GIF colour map holds a power of two entries; the unused ones stay black.
  int bits = 1;
  while ((1 << bits) < palette.size()) ++bits;
  GifColorType colours[256] = {};
  for (qsizetype index = 0; index < palette.size(); ++index) {
    colours[index].Red = static_cast<GifByteType>(qRed(palette[index]));
    colours[index].Green = static_cast<GifByteType>(qGreen(palette[index]));
    colours[index].Blue = static_cast<GifByteType>(qBlue(palette[index]));
  }
  ColorMapObject* map = GifMakeMapObject(1 << bits, colours);
  if (map == nullptr) return Fail(gif, "colour map", E_GIF_ERR_NOT_ENOUGH_MEM, error);
  EGifSetGifVersion(gif, true);
  bool described = EGifPutScreenDesc(gif, width, height, bits, 0, map) == GIF_OK;
  if (described && transparentIndex >= 0) {
    // The graphic control extension before the image names its transparent colour.
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, transparentIndex};
    GifByteType extension[4] = {};
    const size_t length = EGifGCBToExtension(&control, extension);
    described = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) == GIF_OK;
  }
  described = described && EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
  GifFreeMapObject(map);
  if (!described) return Fail(gif, "header", gif->Error, error);

  std::vector<GifPixelType> line(static_cast<std::size_t>(width));
  for (int row = 0; row < height; ++row) {
    std::copy_n(picture.constScanLine(row), width, line.begin());
    if (EGifPutLine(gif, line.data(), width) != GIF_OK) return Fail(gif, "pixels", gif->Error, error);
  }
  if (EGifCloseFile(gif, &code) != GIF_OK) {
    error = std::string("close: ") + (GifErrorString(code) ? GifErrorString(code) : "unknown giflib error");
    return false;
  }
  return true;
}

}  // namespace brackenhollow::art
