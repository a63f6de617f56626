#include "noise.h"

#include <cmath>

namespace {

uint32_t hash(uint32_t a, uint32_t b, uint32_t c) {
    uint32_t h =
        a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

int wrap(int i, int n) {
    return ((i % n) + n) % n;
}

float fade(float t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

float gradient(int ix, int iy, int period, uint32_t seed, float dx, float dy) {
    const float angle =
        float(hash(uint32_t(wrap(ix, period)), uint32_t(wrap(iy, period)), seed) & 0xFFFF) /
        65536.f * 6.2831853f;
    return std::cos(angle) * dx + std::sin(angle) * dy;
}

} // namespace

float hash01(uint32_t a, uint32_t b, uint32_t c) {
    return float(hash(a, b, c) & 0xFFFFFF) / 16777216.f;
}

float tile_noise(float x, float y, int period, uint32_t seed) {
    const float fx = x * float(period), fy = y * float(period);
    const int ix = int(std::floor(fx)), iy = int(std::floor(fy));
    const float dx = fx - float(ix), dy = fy - float(iy);
    const float n00 = gradient(ix, iy, period, seed, dx, dy);
    const float n10 = gradient(ix + 1, iy, period, seed, dx - 1, dy);
    const float n01 = gradient(ix, iy + 1, period, seed, dx, dy - 1);
    const float n11 = gradient(ix + 1, iy + 1, period, seed, dx - 1, dy - 1);
    const float u = fade(dx), v = fade(dy);
    const float a = n00 + (n10 - n00) * u, b = n01 + (n11 - n01) * u;
    return (a + (b - a) * v) * 1.41f;
}

float tile_fbm(float x, float y, int period, int octaves, uint32_t seed) {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * tile_noise(x, y, period << o, seed + uint32_t(o) * 101u);
        norm += amp;
        amp *= 0.5f;
    }
    return sum / norm;
}

CellSample tile_cells(float x, float y, int cells, uint32_t seed) {
    const float fx = x * float(cells), fy = y * float(cells);
    const int ix = int(std::floor(fx)), iy = int(std::floor(fy));
    float d1 = 1e9f, d2 = 1e9f, id = 0;
    for (int oy = -1; oy <= 1; ++oy)
        for (int ox = -1; ox <= 1; ++ox) {
            const int cx = ix + ox, cy = iy + oy;
            const uint32_t wx = uint32_t(wrap(cx, cells)), wy = uint32_t(wrap(cy, cells));
            const float px = float(cx) + 0.15f + 0.7f * hash01(wx, wy, seed);
            const float py = float(cy) + 0.15f + 0.7f * hash01(wx, wy, seed + 7);
            const float d = std::hypot(fx - px, fy - py);
            if (d < d1) {
                d2 = d1;
                d1 = d;
                id = hash01(wx, wy, seed + 13);
            } else if (d < d2) {
                d2 = d;
            }
        }
    return {d1, d2, id};
}
