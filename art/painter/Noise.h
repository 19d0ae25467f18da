// Smooth deterministic noise for textures, skies and growth: the same numbers on every build and machine,
// so a picture is painted alike every time.
#pragma once

#include <cstdint>

namespace brackenhollow::art {

// Mixes numbers into a well-spread 32-bit value; the building block of every seed.
std::uint32_t MixSeed(std::uint32_t first, std::uint32_t second);

// A number in [0, 1) for the lattice point (x, y) of a seed.
double LatticeValue(int x, int y, std::uint32_t seed);

// Value noise in [0, 1) that varies smoothly between whole-number lattice points. With period above 0 the
// lattice wraps every period units, so a tile of that size repeats without a seam.
double ValueNoise(double x, double y, std::uint32_t seed, int period = 0);

// Octaves of value noise summed, each twice as fine and half as strong: clouds, grain, mottling. In [0, 1).
// With period above 0 every octave wraps, so the result tiles seamlessly.
double FractalNoise(double x, double y, std::uint32_t seed, int octaves, int period = 0);

}  // namespace brackenhollow::art
