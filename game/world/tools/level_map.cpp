// Draws a top-down map of the level's surfaces as a binary PPM: floors shaded by height (higher
// floors drawn over lower ones), water blue, lava orange, walls as white lines, the door brown,
// and the two walks of the walk-through test as red and green paths.
#include "game/world/level.h"
#include "game/world/models.h"
#include "game/world/surface.h"
#include "game/world/tools/level_route.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr float X0 = -64, X1 = 42, Z0 = -30, Z1 = 44;
constexpr int SCALE = 10;
constexpr int W = static_cast<int>((X1 - X0) * SCALE), H = static_cast<int>((Z1 - Z0) * SCALE);

struct Rgb {
    unsigned char r, g, b;
};
std::vector<Rgb> pixels(static_cast<size_t>(W) * H, Rgb{20, 20, 24});

int px(float x) {
    return static_cast<int>(std::lround((x - X0) * SCALE));
}
// North (-z) is up.
int pz(float z) {
    return static_cast<int>(std::lround((z - Z0) * SCALE));
}

void put(int x, int y, Rgb c) {
    if (x >= 0 && x < W && y >= 0 && y < H) pixels[static_cast<size_t>(y) * W + x] = c;
}

void fill(float x0, float x1, float z0, float z1, Rgb c) {
    for (int y = pz(std::min(z0, z1)); y < pz(std::max(z0, z1)); ++y)
        for (int x = px(std::min(x0, x1)); x < px(std::max(x0, x1)); ++x)
            put(x, y, c);
}

void line(float xa, float za, float xb, float zb, Rgb c, int width) {
    const int n = std::max(1, static_cast<int>(std::hypot(xb - xa, zb - za) * SCALE * 2));
    for (int i = 0; i <= n; ++i) {
        const float t = static_cast<float>(i) / n;
        const int x = px(xa + (xb - xa) * t), y = pz(za + (zb - za) * t);
        for (int dy = -width / 2; dy <= width / 2; ++dy)
            for (int dx = -width / 2; dx <= width / 2; ++dx)
                put(x + dx, y + dy, c);
    }
}

bool has(const std::string& s, const char* w) {
    return s.find(w) != std::string::npos;
}

void bounds(const Surface& s, float& x0, float& x1, float& z0, float& z1) {
    x0 = z0 = 1e9f;
    x1 = z1 = -1e9f;
    for (const Vec3& c : s.corners) {
        x0 = std::min(x0, c.x);
        x1 = std::max(x1, c.x);
        z0 = std::min(z0, c.z);
        z1 = std::max(z1, c.z);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dh_level_map out.ppm\n");
        return 1;
    }
    std::vector<Surface> surfaces(LEVEL_SURFACE_COUNT);
    for (int i = 0; i < LEVEL_SURFACE_COUNT; ++i) {
        const SurfaceRow& r = LEVEL_SURFACES[i];
        surface_init(surfaces[i], r.name, raumwuerfel, r.x, r.y, r.z, 0, 0, 0, r.face, r.sx, r.sy,
                     r.sz, r.texture);
    }
    // Horizontal faces that are not ceilings, lowest first.
    std::vector<const Surface*> flats;
    for (const Surface& s : surfaces)
        if (s.face == FACE_FLOOR) flats.push_back(&s);
    std::stable_sort(flats.begin(), flats.end(), [](const Surface* a, const Surface* b) {
        return a->corners[0].y < b->corners[0].y;
    });
    for (const Surface* s : flats) {
        float x0, x1, z0, z1;
        bounds(*s, x0, x1, z0, z1);
        const float y = s->corners[0].y;
        Rgb c;
        if (has(s->name, "lava") && !has(s->name, "lavaboden"))
            c = {230, 100, 20};
        else if (has(s->name, "fluss") && !has(s->name, "flussboden"))
            c = {40, 90, 210};
        else {
            const int v = std::clamp(static_cast<int>(70 + y * 22), 20, 200);
            c = {static_cast<unsigned char>(v), static_cast<unsigned char>(v),
                 static_cast<unsigned char>(v * 0.8)};
        }
        // Inset by a pixel so that neighbouring floors stay distinguishable.
        fill(x0 + 0.1f, x1 - 0.1f, z0 + 0.1f, z1 - 0.1f, c);
    }
    for (const Surface& s : surfaces) {
        if (s.face == FACE_FLOOR || s.face == FACE_CEILING) continue;
        float x0, x1, z0, z1;
        bounds(s, x0, x1, z0, z1);
        Rgb c{235, 235, 235};
        int width = 1;
        if (has(s.name, "holztuerzu"))
            c = {160, 90, 30}, width = 5;
        else if (has(s.name, "fluss"))
            c = {90, 160, 255}, width = 3; // the waterfall
        else if (has(s.name, "kanalwand"))
            c = {120, 200, 120};
        else if (has(s.name, "stukko"))
            c = {150, 130, 100};
        line(x0, z0, x1, z1, c, width);
        // A tick on the front side shows which way the wall faces.
        const float mx = (x0 + x1) / 2, mz = (z0 + z1) / 2;
        line(mx, mz, mx + s.normal.x * 0.6f, mz + s.normal.z * 0.6f, c, 1);
    }
    auto path = [](const RoutePoint* points, int n, Rgb c) {
        for (int i = 0; i + 1 < n; ++i)
            line(points[i].x, points[i].z, points[i + 1].x, points[i + 1].z, c, 1);
        for (int i = 0; i < n; ++i)
            fill(points[i].x - 0.3f, points[i].x + 0.3f, points[i].z - 0.3f, points[i].z + 0.3f, c);
    };
    path(RIVER_WALK, static_cast<int>(std::size(RIVER_WALK)), {255, 60, 60});
    path(WEST_WALK, static_cast<int>(std::size(WEST_WALK)), {60, 255, 90});

    FILE* f = std::fopen(argv[1], "wb");
    if (!f) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(f, "P6\n%d %d\n255\n", W, H);
    std::fwrite(pixels.data(), sizeof(Rgb), pixels.size(), f);
    std::fclose(f);
    return 0;
}
