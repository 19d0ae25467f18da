// Maps full-colour pictures onto a palette already chosen, with error diffusion, quickly enough for the
// large sizes of every picture.
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

#include <cstdint>
#include <vector>

namespace brackenhollow::art {

// Finds the palette colour nearest to a colour (squared distance in RGB), exactly. Colours already asked for
// are remembered; for a new one the colour cube is cut into cells, and a cell met for the first time keeps only
// the palette colours that can be nearest somewhere inside it.
class NearestColour {
 public:
  explicit NearestColour(const QList<QRgb>& palette);
  // The index of the nearest palette colour to red, green, blue (each 0 to 255); ties go to the lower index.
  int Find(int red, int green, int blue);

 private:
  // A palette colour that may be nearest somewhere in a cell, compact so a cell's list is read in one go.
  struct Candidate {
    std::int16_t red;
    std::int16_t green;
    std::int16_t blue;
    std::int16_t index;
  };
  // Where a cell's candidates lie in m_candidates; start is -1 until the cell is first met.
  struct Cell {
    std::int32_t start = -1;
    std::int32_t count = 0;
  };

  void FillCell(int cell);
  int Search(int red, int green, int blue);

  std::vector<std::int32_t> m_channels;  // red, green, blue of each palette colour
  std::vector<Cell> m_cells;
  std::vector<Candidate> m_candidates;  // every met cell's list, one after another
  std::vector<std::uint32_t> m_remembered;  // per slot a colour and its answer: 0xRRGGBB << 8 | index
};

// Maps a picture onto the palette (at most 256 colours) with serpentine Floyd-Steinberg dithering, so gradients
// keep their average colour instead of falling into bands. Returns an Indexed8 picture with the palette as its
// colour table, or a null image for a null picture or a palette of none or more than 256 colours.
QImage MapOntoPalette(const QImage& picture, const QList<QRgb>& palette);

// The same with a nearest-colour search already made for this palette, so the sizes of one picture share what
// it has found.
QImage MapOntoPalette(const QImage& picture, const QList<QRgb>& palette, NearestColour& nearest);

}  // namespace brackenhollow::art
