#include "art/painter/Noise.h"

#include <cmath>

namespace brackenhollow::art {

std::uint32_t MixSeed(std::uint32_t first, std::uint32_t second) {
  std::uint32_t value = first * 0x9e3779b1u ^ (second + 0x7f4a7c15u + (first << 6) + (first >> 2));
  value ^= value >> 16;
  value *= 0x85ebca6bu;
  value ^= value >> 13;
  value *= 0xc2b2ae35u;
  value ^= value >> 16;
  return value;
}

double LatticeValue(int x, int y, std::uint32_t seed) {
  const std::uint32_t mixed = MixSeed(MixSeed(seed, static_cast<std::uint32_t>(x)), static_cast<std::uint32_t>(y));
  return (mixed >> 8) / 16777216.0;
}

double ValueNoise(double x, double y, std::uint32_t seed, int period) {
  const double floorX = std::floor(x);
  const double floorY = std::floor(y);
  int left = static_cast<int>(floorX);
  int top = static_cast<int>(floorY);
  const double fractionX = x - floorX;
  const double fractionY = y - floorY;
  int right = left + 1;
  int bottom = top + 1;
  if (period > 0) {
    const auto wrap = [period](int value) { return ((value % period) + period) % period; };
    left = wrap(left);
    right = wrap(right);
    top = wrap(top);
    bottom = wrap(bottom);
  }
  // Smoothstep weights hide the lattice's grid.
  const double weightX = fractionX * fractionX * (3 - 2 * fractionX);
  const double weightY = fractionY * fractionY * (3 - 2 * fractionY);
  const double upper = LatticeValue(left, top, seed) + (LatticeValue(right, top, seed) - LatticeValue(left, top, seed)) * weightX;
  const double lower =
      LatticeValue(left, bottom, seed) + (LatticeValue(right, bottom, seed) - LatticeValue(left, bottom, seed)) * weightX;
  return upper + (lower - upper) * weightY;
}

double FractalNoise(double x, double y, std::uint32_t seed, int octaves, int period) {
  double total = 0;
  double strength = 0.5;
  double weights = 0;
  for (int octave = 0; octave < octaves; ++octave) {
    total += ValueNoise(x, y, MixSeed(seed, static_cast<std::uint32_t>(octave)), period) * strength;
    weights += strength;
    x *= 2;
    y *= 2;
    if (period > 0) period *= 2;
    strength *= 0.5;
  }
  return total / weights;
}

}  // namespace brackenhollow::art
