// Paints every texture of the texture table into the game's working directory. The textures
// that surfaces repeat (GL_REPEAT) are built only from periodic noise and whole-number patterns,
// so their edges meet without a seam.
#include "canvas.h"
#include "noise.h"
#include "skins.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr int S = 256;
constexpr float TAU = 6.2831853f;

float uf(int x) {
    return (float(x) + 0.5f) / S;
}
Colour grey(float v) {
    return {v, v, v};
}

Canvas marble(Colour base, Colour shade, Colour vein_col, uint32_t seed, float wu, float wv) {
    Canvas c(S, S);
    c.paint([&](int x, int y) {
        const float u = uf(x), v = uf(y);
        const float cloud = tile_fbm(u, v, 3, 5, seed);
        Colour col = mix(base, shade, clamp01(0.5f + cloud * 0.9f));
        // Veins: a wave crossing the texture a whole number of times, bent by noise.
        const float warp = 5.5f * tile_fbm(u, v, 2, 6, seed + 50);
        const float vein = std::pow(1 - std::fabs(std::sin(TAU * (wu * u + wv * v) + warp)), 18.f);
        const float fine_warp = 7 * tile_fbm(u, v, 4, 5, seed + 9);
        const float fine =
            std::pow(1 - std::fabs(std::sin(TAU * (3 * u - 2 * v) + fine_warp)), 40.f);
        col = mix(col, vein_col, clamp01(vein * 0.85f + fine * 0.45f));
        return col + grey(tile_noise(u, v, 64, seed + 3) * 0.02f);
    });
    return c;
}

// Ashlar wall: four courses of blocks, every other course shifted by half a block.
Canvas stone_wall() {
    Canvas c(S, S);
    const int course = 64, block = 128, mortar = 5;
    c.paint([&](int x, int y) {
        const float u = uf(x), v = uf(y);
        const int row = y / course;
        const int xs = (x + (row % 2) * block / 2) % S;
        const int col = xs / block;
        const int bx = xs % block, by = y % course;
        const float edge = float(std::min({bx, block - 1 - bx, by, course - 1 - by}));
        const float id = hash01(uint32_t(row), uint32_t(col), 77);
        const float rough = tile_fbm(u, v, 8, 5, 11);
        Colour stone = mix(rgb(120, 112, 100), rgb(150, 140, 122), id);
        stone = stone * (0.82f + 0.28f * rough) + grey(tile_noise(u, v, 64, 12) * 0.04f);
        // Chipped, darker edges, then the mortar.
        stone = stone * (0.78f + 0.22f * smoothstep(mortar, mortar + 7, edge + rough * 4));
        if (edge < mortar + rough * 2)
            return rgb(58, 54, 48) * (0.85f + 0.3f * tile_noise(u, v, 32, 13));
        // Light from above: the top edge of each block is lit, the bottom edge shaded.
        if (by < mortar + 4) stone = stone * 1.1f;
        if (course - 1 - by < mortar + 4) stone = stone * 0.85f;
        return stone;
    });
    return c;
}

Canvas cobblestones() {
    Canvas c(S, S);
    c.paint([&](int x, int y) {
        const float u = uf(x), v = uf(y);
        const float wu = u + 0.03f * tile_noise(u, v, 4, 21),
                    wv = v + 0.03f * tile_noise(u, v, 4, 22);
        const CellSample s = tile_cells(wu, wv, 6, 23);
        const float gap = s.d2 - s.d1;
        Colour stone = mix(rgb(105, 100, 95), rgb(150, 138, 120), s.id);
        if (s.id > 0.8f) stone = mix(stone, rgb(120, 100, 85), 0.5f);
        const float dome = 1.1f - 0.5f * s.d1; // rounded tops catch more light
        stone = stone * dome * (0.85f + 0.2f * tile_fbm(u, v, 16, 4, 24));
        const float edge = smoothstep(0.04f, 0.14f, gap);
        return mix(rgb(40, 36, 30) * (0.8f + 0.4f * tile_noise(u, v, 32, 25)), stone, edge);
    });
    return c;
}

Canvas water() {
    Canvas c(S, S);
    c.paint([&](int x, int y) {
        const float u = uf(x), v = uf(y);
        const float depth = tile_fbm(u, v, 2, 4, 31);
        Colour col = mix(rgb(16, 58, 96), rgb(30, 96, 130), clamp01(0.5f + depth));
        // Caustic ridges: where two warped noise fields cross zero.
        const float a = 1 - std::fabs(tile_fbm(u + 0.1f * depth, v, 4, 3, 32));
        const float b = 1 - std::fabs(tile_fbm(u, v - 0.1f * depth, 5, 3, 33));
        const float caustic = std::pow(a, 10.f) * 0.6f + std::pow(b, 12.f) * 0.5f;
        return col + rgb(110, 170, 200) * caustic;
    });
    return c;
}

Canvas lava() {
    Canvas c(S, S);
    c.paint([&](int x, int y) {
        const float u = uf(x), v = uf(y);
        const float wu = u + 0.06f * tile_fbm(u, v, 3, 3, 41),
                    wv = v + 0.06f * tile_fbm(u, v, 3, 3, 42);
        const CellSample s = tile_cells(wu, wv, 4, 43);
        // Cracks between crust plates, wide in places and pinched shut in others.
        const float width = 0.05f + 0.09f * clamp01(0.5f + tile_fbm(u, v, 4, 3, 46));
        const float crack = 1 - smoothstep(0.0f, width, s.d2 - s.d1);
        const float pulse = clamp01(0.5f + 0.8f * tile_fbm(u, v, 4, 4, 44));
        const float heat = clamp01(crack * (0.55f + 0.45f * pulse) + 0.25f * pulse * pulse);
        const float rock = tile_fbm(u, v, 16, 4, 45);
        Colour crust = mix(rgb(30, 14, 10), rgb(74, 34, 22), 0.5f + 0.5f * rock);
        // Plates glow faintly red towards their hot edges.
        crust = crust + rgb(90, 12, 0) * smoothstep(0.2f, 0.0f, s.d2 - s.d1 - width) * 0.5f;
        Colour glow = heat < 0.6f ? mix(rgb(150, 20, 0), rgb(255, 110, 0), heat / 0.6f)
                                  : mix(rgb(255, 110, 0), rgb(255, 225, 110), (heat - 0.6f) / 0.4f);
        return mix(crust, glow, smoothstep(0.3f, 0.75f, heat));
    });
    return c;
}

// Iron grating over a dark canal: square holes, bevelled bars, a little rust.
Canvas canal_grating() {
    Canvas c(S, S);
    const int pitch = 32, bar = 9;
    c.paint([&](int x, int y) {
        const float u = uf(x), v = uf(y);
        const int gx = (x + bar / 2) % pitch, gy = (y + bar / 2) % pitch;
        const bool on_bar = gx < bar || gy < bar;
        if (!on_bar) {
            // Looking down into the hole: darker towards its far corner.
            const float d = float(std::min(gx - bar, gy - bar)) / float(pitch - bar);
            return rgb(14, 16, 18) * (0.6f + 0.8f * d) +
                   rgb(10, 30, 35) * tile_noise(u, v, 16, 51) * 0.3f;
        }
        const float rust = smoothstep(0.1f, 0.6f, tile_fbm(u, v, 8, 5, 52));
        Colour metal = mix(rgb(105, 108, 112), rgb(120, 70, 40), rust * 0.7f);
        metal = metal * (0.85f + 0.2f * tile_noise(u, v, 64, 53));
        // Bevel: the bar's upper-left faces catch the light.
        const int along = gx < bar ? gx : gy;
        metal = metal * (along < 3 ? 1.25f : along > bar - 3 ? 0.7f : 1.f);
        return metal;
    });
    return c;
}

Canvas pastel_plaster() {
    Canvas c(S, S);
    c.paint([&](int x, int y) {
        const float u = uf(x), v = uf(y);
        const float tone = tile_fbm(u, v, 2, 3, 61);
        Colour col = mix(rgb(238, 212, 196), rgb(214, 200, 226), clamp01(0.5f + tone));
        // Trowel strokes and fine sand grain.
        const float strokes = tile_fbm(u * 1.f, v, 6, 4, 62);
        const float grain = tile_noise(u, v, 128, 63);
        return col * (0.95f + 0.06f * strokes) + grey(grain * 0.025f);
    });
    return c;
}

Canvas grass_mat() {
    Canvas c(S, S);
    c.paint([&](int x, int y) {
        const float u = uf(x), v = uf(y);
        return mix(rgb(30, 62, 22), rgb(44, 84, 28), clamp01(0.5f + tile_fbm(u, v, 4, 4, 71)));
    });
    // Blades: short strokes leaning every which way, wrapped at the edges.
    for (uint32_t i = 0; i < 9000; ++i) {
        const float x0 = hash01(i, 1, 72) * S, y0 = hash01(i, 2, 72) * S;
        const float len = 6 + 12 * hash01(i, 3, 72);
        const float ang = -1.57f + (hash01(i, 4, 72) - 0.5f) * 1.6f;
        const float shade = hash01(i, 5, 72);
        Colour blade = mix(rgb(52, 110, 34), rgb(130, 180, 70), shade * shade);
        const int steps = int(len * 2);
        for (int k = 0; k <= steps; ++k) {
            const float t = float(k) / float(steps);
            const float px = x0 + std::cos(ang) * len * t, py = y0 + std::sin(ang) * len * t;
            const Colour tip = mix(blade * 0.7f, blade, t);
            c.blend_wrapped(int(std::floor(px)), int(std::floor(py)), tip, 0.8f);
        }
    }
    return c;
}

Colour wood(float u, float v, uint32_t seed, bool along_x) {
    const float a = along_x ? v : u, b = along_x ? u : v;
    const float rings = std::sin(TAU * (14 * a + 2.5f * tile_fbm(u, v, 2, 4, seed)) +
                                 3 * tile_noise(a, b, 3, seed + 1));
    const float streak = tile_noise(along_x ? u * 0.25f : u, along_x ? v : v * 0.25f, 32, seed + 2);
    Colour col = mix(rgb(120, 78, 42), rgb(160, 110, 62), 0.5f + 0.5f * rings);
    return col * (0.9f + 0.12f * streak);
}

// The wooden grating of the door: crossed oak bars with iron studs over dark openings.
Canvas wooden_grating() {
    Canvas c(S, S);
    const int pitch = 64, bar = 24;
    c.paint([&](int x, int y) {
        const float u = uf(x), v = uf(y);
        const int gx = (x + bar / 2) % pitch, gy = (y + bar / 2) % pitch;
        const bool vertical = gx < bar, horizontal = gy < bar;
        if (horizontal) {
            Colour col = wood(u, v, 81, true);
            if (gy < 2) col = col * 1.2f;
            if (gy > bar - 3) col = col * 0.65f;
            if (vertical) {
                // An iron stud where the bars cross.
                const float stud = disc_coverage(float(gx), float(gy), bar / 2.f, bar / 2.f, 5);
                const float hi =
                    disc_coverage(float(gx), float(gy), bar / 2.f - 1.5f, bar / 2.f - 1.5f, 2);
                col = mix(col, rgb(60, 60, 64), stud);
                col = mix(col, rgb(150, 150, 155), hi * 0.8f);
            }
            return col;
        }
        if (vertical) {
            Colour col = wood(u, v, 82, false) * 0.92f;
            if (gx < 2) col = col * 1.2f;
            if (gx > bar - 3) col = col * 0.65f;
            // Shadow cast by the horizontal bar above.
            if (gy < bar + 5) col = col * 0.7f;
            return col;
        }
        return rgb(12, 9, 7) * (1 + 0.3f * tile_noise(u, v, 16, 83));
    });
    return c;
}

Canvas pizza() {
    Canvas c(S, S);
    const float r = S / 2.f;
    c.paint([&](int x, int y) {
        const float u = uf(x), v = uf(y);
        const float px = float(x) + 0.5f, py = float(y) + 0.5f;
        const float d = std::hypot(px - r, py - r) / r;
        const float n = tile_fbm(u, v, 8, 4, 91);
        Colour crust = mix(rgb(196, 140, 70), rgb(226, 180, 110), 0.5f + 0.5f * n);
        if (d > 0.97f) return crust * 0.8f;
        if (d > 0.84f) {
            // The rim: golden, browned on top.
            const float top = 1 - std::fabs(d - 0.905f) / 0.065f;
            return mix(crust * 0.85f, rgb(168, 100, 44), clamp01(top * 0.6f + n * 0.3f));
        }
        Colour col = mix(rgb(180, 40, 24), rgb(210, 70, 34), 0.5f + 0.5f * n); // tomato
        const float cheese = tile_fbm(u, v, 6, 5, 92);
        if (cheese > -0.08f)
            col = mix(col, mix(rgb(246, 222, 140), rgb(252, 238, 180), clamp01(cheese * 2)),
                      smoothstep(-0.08f, 0.02f, cheese));
        // Salami slices.
        for (uint32_t i = 0; i < 9; ++i) {
            const float a = TAU * float(i) / 9 + 0.3f, rr = i == 8 ? 0 : (i % 2 ? 0.52f : 0.3f) * r;
            const float sx = r + std::cos(a) * rr, sy = r + std::sin(a) * rr;
            const float cov = disc_coverage(px, py, sx, sy, 19);
            if (cov > 0) {
                const float fat = hash01(uint32_t(px / 3), uint32_t(py / 3), i) > 0.85f ? 1.f : 0.f;
                Colour sal = mix(rgb(150, 30, 30), rgb(225, 150, 140), fat * 0.8f);
                sal = sal * (0.8f + 0.25f * (1 - std::hypot(px - sx, py - sy) / 19));
                col = mix(col, sal, cov);
            }
        }
        // Basil leaves.
        for (uint32_t i = 0; i < 6; ++i) {
            const float a = TAU * float(i) / 6 + 1.0f;
            const float cov =
                disc_coverage(px, py, r + std::cos(a) * 0.72f * r, r + std::sin(a) * 0.72f * r, 7);
            col = mix(col, rgb(40, 110, 40), cov);
        }
        return col;
    });
    return c;
}

// A blade and hilt as bands along the texture's height: steel at the top, then guard, grip
// and pommel, so that however a sword model maps it the blade shows steel and the hilt its
// fittings.
Canvas sword(bool long_sword) {
    Canvas c(S, S);
    const Colour guard = long_sword ? rgb(212, 170, 60) : rgb(160, 112, 60);
    const Colour grip = long_sword ? rgb(40, 50, 110) : rgb(90, 56, 30);
    const float blade_end = long_sword ? 0.72f : 0.66f;
    c.paint([&](int x, int y) {
        const float u = uf(x), v = uf(y);
        if (v < blade_end) {
            // Bevelled steel: bright edges, a darker fuller down the middle.
            const float across = std::fabs(u - 0.5f) * 2;
            Colour steel = mix(rgb(150, 156, 166), rgb(225, 230, 238), across);
            if (across < 0.12f) steel = steel * 0.72f;
            const float brushed = tile_noise(u * 0.1f, v, 64, long_sword ? 101 : 102);
            return steel * (0.95f + 0.06f * brushed) * (1.05f - 0.15f * v);
        }
        const float g0 = blade_end, g1 = blade_end + 0.07f, p0 = 0.93f;
        if (v < g1) {
            const float t = (v - g0) / (g1 - g0);
            return guard * (1.2f - 0.5f * std::fabs(t - 0.3f)) +
                   grey(tile_noise(u, v, 32, 103) * 0.04f);
        }
        if (v < p0) {
            // Leather wound in diagonal turns.
            const float turn = std::sin(TAU * (u * 2 + (v - g1) * 40));
            return grip * (0.75f + 0.3f * (0.5f + 0.5f * turn));
        }
        const float dome = 1 - std::fabs(v - 0.965f) / 0.035f;
        return guard * (0.8f + 0.4f * clamp01(dome));
    });
    return c;
}

// A wall torch as bands: flame, pitch-soaked head, wooden shaft, iron bracket.
Canvas torch() {
    Canvas c(S, S);
    c.paint([&](int x, int y) {
        const float u = uf(x), v = uf(y);
        const float n = tile_fbm(u, v, 8, 4, 111);
        if (v < 0.3f) {
            const float t = v / 0.3f + 0.25f * n;
            const float core = 1 - std::fabs(u - 0.5f) * 2;
            Colour flame = mix(rgb(255, 245, 170), rgb(255, 140, 20), clamp01(t));
            flame = mix(flame, rgb(200, 50, 0), clamp01(t - 0.7f) * 2);
            return flame * (0.7f + 0.4f * core);
        }
        if (v < 0.45f) return mix(rgb(30, 20, 14), rgb(70, 40, 20), 0.5f + 0.5f * n);
        if (v < 0.85f) return wood(u, v * 0.5f, 112, false) * 0.85f;
        // Iron bracket with two rivets.
        Colour iron = rgb(60, 60, 64) * (0.85f + 0.3f * n);
        for (float rx : {0.25f, 0.75f}) {
            const float cov = disc_coverage(float(x), float(y), rx * S, 0.925f * S, 7);
            iron = mix(iron, rgb(130, 130, 136), cov);
        }
        return iron;
    });
    return c;
}

Canvas lever() {
    Canvas c(S, S);
    c.paint([&](int x, int y) {
        const float u = uf(x), v = uf(y);
        if (v < 0.25f) {
            // The red knob, lit from the upper left.
            const float light = 1.2f - 0.6f * std::hypot(u - 0.35f, v / 0.25f - 0.3f);
            return rgb(170, 24, 20) * clamp01(light) + rgb(60, 30, 30) * 0.2f;
        }
        const float across = std::fabs(u - 0.5f) * 2;
        Colour steel = mix(rgb(200, 204, 210), rgb(90, 92, 98), across * across);
        return steel * (0.95f + 0.08f * tile_noise(u * 0.1f, v, 64, 121));
    });
    return c;
}

Canvas lever_holder() {
    Canvas c(S, S);
    c.paint([&](int x, int y) {
        const float u = uf(x), v = uf(y);
        const float rust = smoothstep(0.0f, 0.7f, tile_fbm(u, v, 6, 5, 131));
        Colour iron = mix(rgb(72, 72, 76), rgb(110, 60, 32), rust * 0.6f);
        iron = iron * (0.9f + 0.15f * tile_noise(u, v, 64, 132));
        // Raised border and the slot the lever moves in.
        const float border = std::min({u, 1 - u, v, 1 - v});
        if (border < 0.05f) iron = iron * (border < 0.02f ? 1.3f : 0.75f);
        const float slot = box_coverage(float(x), float(y), 108, 40, 148, 216, 20);
        iron = mix(iron, rgb(12, 12, 14), slot);
        for (float rx : {0.14f, 0.86f})
            for (float ry : {0.14f, 0.86f}) {
                const float cov = disc_coverage(float(x), float(y), rx * S, ry * S, 10);
                const float hi = disc_coverage(float(x), float(y), rx * S - 3, ry * S - 3, 3);
                iron = mix(iron, rgb(95, 95, 100), cov);
                iron = mix(iron, rgb(170, 170, 176), hi);
            }
        return iron;
    });
    return c;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    bool ok = true;
    auto tga = [&](const char* name, const Canvas& c) {
        ok = c.save_tga24(dir + "/" + name) && ok;
    };
    auto bmp = [&](const char* name, const Canvas& c) {
        ok = c.save_bmp24(dir + "/" + name) && ok;
    };

    tga("marmor1.tga", marble(rgb(236, 233, 226), rgb(196, 194, 190), rgb(96, 98, 106), 1, 2, 1));
    tga("marmor2.tga", marble(rgb(40, 84, 66), rgb(22, 52, 42), rgb(214, 226, 208), 2, 1, 2));
    tga("wand7.tga", stone_wall());
    tga("steine.tga", cobblestones());
    tga("wasser.tga", water());
    tga("lava1.tga", lava());
    tga("kanalgitter.tga", canal_grating());
    tga("pastell.tga", pastel_plaster());
    tga("rasenmatte.tga", grass_mat());
    tga("holzgitter.tga", wooden_grating());
    bmp("pizza.bmp", pizza());
    tga("short_sword.tga", sword(false));
    tga("long_sword.tga", sword(true));
    tga("torch_an_wand.tga", torch());
    tga("hebel.tga", lever());
    tga("halterung_hebel.tga", lever_holder());
    bmp("teletub_kleiderbuegel.bmp", teletubby_skin());
    tga("fuerst_for_animat.tga", fuerst_skin());
    tga("princess.tga", princess_skin());
    tga("hoehlenorc.tga", orc_skin());
    return ok ? 0 : 1;
}
