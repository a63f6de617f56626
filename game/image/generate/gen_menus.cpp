// Paints the menu pictures: the start menu's background with the title, the end screen, and the
// three button pictures. The game stretches the backgrounds over the whole window and adds the
// buttons and all text onto them (additive blending), so the backgrounds stay dark where text
// and buttons go, and the buttons are black wherever they should add nothing.
#include "canvas.h"
#include "noise.h"
#include "text.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr int M = 1024; // background side
constexpr int B = 512;  // button side
// The default window is 4:3: a square picture is squeezed to 3/4 of its height, so shapes are
// painted that much taller to look right on screen.
constexpr float ASPECT = 4.f / 3.f;

// Scales a mask by (sx, sy) with bilinear sampling.
Mask stretch(const Mask& m, float sx, float sy) {
    Mask out;
    out.width = int(std::ceil(m.width * sx));
    out.height = int(std::ceil(m.height * sy));
    out.cov.assign(size_t(out.width) * out.height, 0);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            const float fx = (x + 0.5f) / sx - 0.5f, fy = (y + 0.5f) / sy - 0.5f;
            const int ix = int(std::floor(fx)), iy = int(std::floor(fy));
            const float tx = fx - ix, ty = fy - iy;
            const float a = m.at(ix, iy) + (m.at(ix + 1, iy) - m.at(ix, iy)) * tx;
            const float b = m.at(ix, iy + 1) + (m.at(ix + 1, iy + 1) - m.at(ix, iy + 1)) * tx;
            out.cov[size_t(y) * out.width + x] = a + (b - a) * ty;
        }
    return out;
}

// Engraved-gold lettering: a soft dark shadow, a dark rim, and a vertical gold gradient,
// centred on (cx, baseline).
void gold_text(Canvas& c, const FontFace& face, const std::string& text, float cx, float baseline,
               float sy, Colour top, Colour bottom, int glow = 0, Colour glow_colour = {}) {
    int base_row = 0;
    const int pad = std::max(8, glow * 2);
    const Mask raw = face.text_mask(text, pad, base_row);
    const Mask m = stretch(raw, 1, sy);
    const Mask rim = dilate(m, 3);
    const Mask shadow = blur(dilate(m, 4), 4);
    const int x0 = int(std::lround(cx - m.width / 2.f));
    const int y0 = int(std::lround(baseline - base_row * sy));
    if (glow > 0) {
        const Mask halo = blur(dilate(m, glow / 2), glow);
        for (int y = 0; y < halo.height; ++y)
            for (int x = 0; x < halo.width; ++x)
                c.add(x0 + x, y0 + y, glow_colour * halo.at(x, y));
    }
    paint_mask(
        c, shadow, x0 + 5, y0 + 7, [](int, int) { return Colour{}; }, 0.8f);
    paint_mask(c, rim, x0, y0, [](int, int) { return rgb(40, 24, 8); });
    // Ink rows of the text, to spread the gradient over the letters rather than the mask.
    int first = m.height, last = 0;
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x)
            if (m.at(x, y) > 0.5f) first = std::min(first, y), last = std::max(last, y);
    const float span = float(std::max(1, last - first));
    paint_mask(c, m, x0, y0, [&](int, int y) {
        const float t = clamp01((y - first) / span);
        // A bright band just above the middle, like light on polished metal.
        const float shine = std::exp(-std::pow((t - 0.35f) / 0.12f, 2.f)) * 0.35f;
        return mix(top, bottom, t) + Colour{shine, shine, shine * 0.8f};
    });
}

// Large dark ashlar blocks, as the dungeon wall behind the menus.
Colour dungeon_wall(int x, int y) {
    const float u = (x + 0.5f) / M, v = (y + 0.5f) / M;
    const int course = 96;
    const int row = y / course;
    const int block = 256;
    const int xs = x + (row % 2) * block / 2 + 40;
    const int bx = xs % block, by = y % course;
    const float edge = float(std::min({bx, block - 1 - bx, by, course - 1 - by}));
    const float rough = tile_fbm(u, v, 8, 5, 301);
    const float id = hash01(uint32_t(row), uint32_t(xs / block), 302);
    Colour stone = mix(rgb(86, 80, 74), rgb(108, 98, 86), id) * (0.8f + 0.3f * rough);
    stone = stone * (0.75f + 0.25f * smoothstep(3, 12, edge + rough * 5));
    if (edge < 5 + rough * 2) stone = rgb(28, 26, 24);
    return stone;
}

// A torch on its iron bracket with the warm light it throws on the wall (added).
void wall_torch(Canvas& c, float cx, float cy) {
    const float s = ASPECT;
    // Light on the wall.
    for (int y = 0; y < M; ++y)
        for (int x = 0; x < M; ++x) {
            const float d = std::hypot(x - cx, (y - cy) / s) / M;
            const float light = std::exp(-d * d / 0.02f);
            if (light > 0.002f)
                c.set(x, y, c.get(x, y) * (1 + 2.2f * light) + rgb(60, 30, 8) * light * 0.6f);
        }
    for (int y = int(cy - 140); y < int(cy + 200); ++y)
        for (int x = int(cx - 60); x < int(cx + 60); ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            // Shaft, bracket, pitch head, flame.
            const float shaft = box_coverage(px, py, cx - 9, cy + 20 * s, cx + 9, cy + 120 * s, 4);
            c.blend(x, y, rgb(92, 58, 30) * (0.8f + 0.3f * ((px - cx + 9) / 18)), shaft);
            const float bracket =
                box_coverage(px, py, cx - 22, cy + 70 * s, cx + 22, cy + 82 * s, 3);
            c.blend(x, y, rgb(54, 54, 58), bracket);
            const float head = box_coverage(px, py, cx - 14, cy + 4 * s, cx + 14, cy + 26 * s, 6);
            c.blend(x, y, rgb(40, 24, 14), head);
            // The flame: a teardrop whose upper part flickers into tongues.
            const float fy = (py - (cy - 28 * s)) / (s * 40), fx = (px - cx) / 22;
            const float lick =
                std::max(0.f, -fy) * 0.5f *
                tile_noise((px - cx) / 64 + 0.5f, (py - cy) / 96 + 0.5f, 6, uint32_t(cx));
            const float flame =
                clamp01(1.2f - std::hypot((fx + lick) * (1 + std::max(0.f, -fy) * 0.8f), fy));
            if (flame > 0) {
                const Colour hot =
                    flame < 0.5f ? mix(rgb(210, 60, 0), rgb(255, 150, 30), flame * 2)
                                 : mix(rgb(255, 150, 30), rgb(255, 236, 150), (flame - 0.5f) * 2);
                c.blend(x, y, hot, smoothstep(0, 0.2f, flame));
            }
            const float halo = std::hypot(fx, fy * 0.8f);
            c.add(x, y, rgb(90, 40, 5) * (std::exp(-halo * halo * 0.8f) * 0.5f));
        }
}

void vignette(Canvas& c, float strength) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const float dx = (x + 0.5f) / c.width() - 0.5f, dy = (y + 0.5f) / c.height() - 0.5f;
            c.set(x, y, c.get(x, y) * (1 - strength * clamp01((dx * dx + dy * dy) * 2.4f)));
        }
}

Canvas start_menu(const FontFace& title_face, const FontFace& sub_face) {
    Canvas c(M, M);
    c.paint([](int x, int y) { return dungeon_wall(x, y) * 0.42f; });
    // Darker where the story and controls texts appear, so that they read well.
    for (int y = 0; y < M; ++y)
        for (int x = 0; x < M; ++x) {
            const float v = (y + 0.5f) / M;
            c.set(x, y, c.get(x, y) * (1 - 0.35f * smoothstep(0.27f, 0.36f, v)));
        }
    vignette(c, 0.55f);
    wall_torch(c, 0.06f * M, 0.17f * M);
    wall_torch(c, 0.94f * M, 0.17f * M);
    gold_text(c, title_face, "DURNHOLD", M / 2.f, 0.205f * M, ASPECT, rgb(255, 226, 130),
              rgb(170, 96, 24), 18, rgb(70, 34, 6));
    gold_text(c, sub_face, "The Dungeon of the Fuerst der Finsternis", M / 2.f, 0.262f * M, ASPECT,
              rgb(214, 200, 180), rgb(150, 132, 110));
    return c;
}

Canvas end_screen(const FontFace& title_face) {
    Canvas c(M, M);
    // Night sky over the rescued land: deep blue into a warm dawn at the horizon, stars above.
    c.paint([](int x, int y) {
        const float u = (x + 0.5f) / M, v = (y + 0.5f) / M;
        Colour sky = mix(rgb(6, 8, 26), rgb(30, 24, 60), smoothstep(0.1f, 0.7f, v));
        sky = mix(sky, rgb(120, 60, 40), smoothstep(0.6f, 0.86f, v) * 0.8f);
        const float star = hash01(uint32_t(x / 2), uint32_t(y / 2), 401);
        if (star > 0.9985f && v < 0.7f) sky = sky + Colour{0.7f, 0.7f, 0.8f} * (1 - v);
        return sky + Colour{0.02f, 0.02f, 0.03f} * tile_fbm(u, v, 4, 4, 402);
    });
    // The moon, upper left.
    for (int y = 0; y < M; ++y)
        for (int x = 0; x < M; ++x) {
            const float mx = 0.14f * M, my = 0.15f * M;
            const float d = std::hypot(x - mx, (y - my) / ASPECT);
            c.set(x, y, c.get(x, y) + rgb(40, 40, 50) * std::exp(-d * d / 9000.f));
            c.blend(x, y, rgb(236, 232, 210),
                    disc_coverage(float(x), (y - my) / ASPECT + my, mx, my, 38));
        }
    // The castle on its hill, black against the dawn, with lit windows.
    for (int y = 0; y < M; ++y)
        for (int x = 0; x < M; ++x) {
            const float u = (x + 0.5f) / M, v = (y + 0.5f) / M;
            const float hill = 0.86f - 0.06f * std::exp(-std::pow((u - 0.5f) / 0.25f, 2.f)) +
                               0.01f * tile_noise(u, 0, 8, 403);
            bool solid = v > hill;
            const float keep_l = 0.40f, keep_r = 0.60f;
            if (u > keep_l && u < keep_r && v > 0.66f) solid = true;
            for (float tx : {0.33f, 0.67f})
                if (std::fabs(u - tx) < 0.035f && v > 0.62f) solid = true;
            // Battlements and the towers' pointed roofs.
            if (u > keep_l && u < keep_r && v > 0.64f && std::fmod(u * 60, 1.f) < 0.5f)
                solid = true;
            for (float tx : {0.33f, 0.67f})
                if (v > 0.54f && v < 0.62f && std::fabs(u - tx) < 0.045f * (v - 0.54f) / 0.08f)
                    solid = true;
            if (solid) {
                Colour dark = rgb(10, 8, 14);
                // Windows on a grid; a window is lit only when its whole cell lies in a wall.
                const float cu = (std::floor(u * 40) + 0.5f) / 40;
                const bool window = (std::fabs(std::fmod(u * 40, 1.f) - 0.5f) < 0.15f &&
                                     std::fmod(v * 30, 1.f) < 0.4f && v < 0.8f &&
                                     hash01(uint32_t(u * 40), uint32_t(v * 30), 404) > 0.55f &&
                                     ((cu > keep_l + 0.015f && cu < keep_r - 0.015f && v > 0.68f) ||
                                      (std::fabs(cu - 0.33f) < 0.02f && v > 0.64f) ||
                                      (std::fabs(cu - 0.67f) < 0.02f && v > 0.64f)));
                c.set(x, y, window ? rgb(255, 196, 90) : dark);
            }
        }
    gold_text(c, title_face, "VICTORY", M / 2.f, 0.2f * M, ASPECT, rgb(255, 236, 150),
              rgb(190, 110, 30), 22, rgb(80, 44, 10));
    return c;
}

// A bronze plate with a gold frame and the button's word. The plate sits where the game makes
// the button clickable: centred across, and from 23 % to 63 % of the picture's height (the
// game places the picture's top half a button width above the button's centre).
Canvas button(const FontFace& face, const std::string& word) {
    Canvas c(B, B);
    c.paint([](int, int) { return Colour{}; });
    const float x0 = 0.1f * B, x1 = 0.9f * B, y0 = 0.25f * B, y1 = 0.61f * B;
    const float frame = 10;
    for (int y = 0; y < B; ++y)
        for (int x = 0; x < B; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float u = px / B, v = py / B;
            // A faint warm halo around the plate.
            const float outside = 1 - box_coverage(px, py, x0, y0, x1, y1, 22);
            const float dx = std::max({x0 - px, px - x1, 0.f}),
                        dy = std::max({y0 - py, py - y1, 0.f});
            const float halo = std::exp(-std::hypot(dx, dy) / 10.f) * outside;
            Colour col = rgb(70, 40, 10) * halo * 0.7f;
            const float outer = box_coverage(px, py, x0, y0, x1, y1, 22);
            const float inner =
                box_coverage(px, py, x0 + frame, y0 + frame, x1 - frame, y1 - frame, 14);
            // The frame: gold, lit along the top.
            const float lit = clamp01(1.2f - (py - y0) / (y1 - y0));
            const Colour gold = mix(rgb(120, 80, 24), rgb(230, 180, 80), lit) *
                                (0.9f + 0.2f * tile_noise(u, v, 32, 501));
            col = mix(col, gold, outer);
            const Colour plate = mix(rgb(58, 36, 20), rgb(40, 24, 14), (py - y0) / (y1 - y0)) *
                                 (0.85f + 0.3f * tile_fbm(u, v, 8, 4, 502));
            col = mix(col, plate, inner);
            c.set(x, y, col);
        }
    // Rivets in the frame's corners.
    for (float rx : {x0 + 16, x1 - 16})
        for (float ry : {y0 + 16, y1 - 16})
            for (int y = int(ry) - 8; y <= int(ry) + 8; ++y)
                for (int x = int(rx) - 8; x <= int(rx) + 8; ++x) {
                    c.blend(x, y, rgb(200, 160, 80), disc_coverage(x + 0.5f, y + 0.5f, rx, ry, 5));
                    c.blend(x, y, rgb(255, 236, 180),
                            disc_coverage(x + 0.5f, y + 0.5f, rx - 1.5f, ry - 1.5f, 1.8f));
                }
    // The screen squeezes the picture to about 7/8 of its height relative to its width.
    gold_text(c, face, word, B / 2.f, 0.5f * B, 8.f / 7.f, rgb(255, 232, 150), rgb(196, 120, 36));
    return c;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const FontFace title(dejavu("DejaVuSerif-Bold.ttf"), 108);
    const FontFace subtitle(dejavu("DejaVuSerif.ttf"), 30);
    const FontFace word(dejavu("DejaVuSerif-Bold.ttf"), 76);
    bool ok = start_menu(title, subtitle).save_tga24(dir + "/anfang_menu.tga");
    ok = end_screen(title).save_tga24(dir + "/ende_menu.tga") && ok;
    ok = button(word, "Start").save_bmp24(dir + "/Start_field.bmp") && ok;
    ok = button(word, "Story").save_bmp24(dir + "/Story_field.bmp") && ok;
    ok = button(word, "Back").save_bmp24(dir + "/Back_field.bmp") && ok;
    return ok ? 0 : 1;
}
