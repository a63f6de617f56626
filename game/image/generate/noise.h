// Noise that repeats: every function here has a whole number of periods across a texture,
// so tiled textures show no seams.
#pragma once

#include <cstdint>

// Gradient noise in about -1 to 1 on a lattice of `period` cells per unit (x, y in 0 to 1 cover
// the texture once).
float tile_noise(float x, float y, int period, uint32_t seed);

// Sum of octaves of tile_noise, the period doubling and the amplitude halving (roughly -1 to 1).
float tile_fbm(float x, float y, int period, int octaves, uint32_t seed);

// Cellular noise: distances to the nearest and second nearest of `cells` x `cells` jittered
// points (in units of one cell), and a value 0 to 1 that identifies the nearest point.
struct CellSample {
    float d1, d2, id;
};
CellSample tile_cells(float x, float y, int cells, uint32_t seed);

// A deterministic hash to 0 to 1.
float hash01(uint32_t a, uint32_t b = 0, uint32_t c = 0);
