// Paints "font_klar.tga", the game's bitmap font: every glyph of the glyph table rendered into
// its own cell, white and antialiased. The colour channels carry the coverage as well as the
// alpha channel, because the game adds text with a constant blend colour and never looks at
// the texture's alpha: a white background would light up the whole quad.
#include "canvas.h"
#include "text.h"

#include "game/shell/overlay/glyph_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

struct Cell {
    char code;
    int tex_x, tex_y, width;
};

std::vector<Cell> cells() {
    std::vector<Cell> out;
    for (size_t i = 2;
         i + GLYPH_RECORD_VALUES <= GLYPH_TABLE_SIZE && GLYPH_TABLE[i] != GLYPH_TABLE_END;
         i += GLYPH_RECORD_VALUES)
        out.push_back(
            {char(GLYPH_TABLE[i]), GLYPH_TABLE[i + 1], GLYPH_TABLE[i + 2], GLYPH_TABLE[i + 3]});
    return out;
}

int power_of_two_at_least(int v) {
    int p = 1;
    while (p < v)
        p *= 2;
    return p;
}

// The largest size up to `largest` at which every glyph's ascent plus the deepest descent fits
// the cell height with a pixel to spare at the top.
int fitting_size(const std::string& file, const std::vector<Cell>& all, int largest, int& descent) {
    for (int size = largest; size > 8; --size) {
        FontFace face(file, size);
        int top = 0;
        descent = 0;
        for (const Cell& c : all) {
            const GlyphImage g = face.glyph(char32_t(c.code));
            if (g.mask.width == 0) continue;
            top = std::max(top, g.top);
            descent = std::max(descent, g.mask.height - g.top);
        }
        if (top + descent <= GLYPH_CELL_HEIGHT - 1) return size;
    }
    return 8;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const std::vector<Cell> all = cells();
    int width = 0, height = 0;
    for (const Cell& c : all) {
        width = std::max(width, c.tex_x + c.width);
        height = std::max(height, int(c.tex_y));
    }
    Canvas canvas(power_of_two_at_least(width), power_of_two_at_least(height));
    canvas.paint([](int, int) { return Colour{}; });
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            canvas.set(x, y, Colour{}, 0);

    // The cells are narrow for their height (a "t" gets 12 pixels, an "m" 34): the condensed
    // bold face at 42 pixels fills most of them with the fewest glyphs needing to be squeezed.
    const std::string file = dejavu("DejaVuSansCondensed-Bold.ttf");
    int descent = 0;
    const int size = fitting_size(file, all, 42, descent);
    // The regular width of the same face, at the same size, for the wide cells (capitals): of
    // the two, each glyph takes the one whose natural width is nearer its cell's.
    FontFace condensed(file, size);
    FontFace wide(dejavu("DejaVuSans-Bold.ttf"), size);
    for (const Cell& c : all) {
        const int target = std::max(1, c.width - 2);
        const GlyphImage narrow_glyph = condensed.glyph(char32_t(c.code));
        const GlyphImage wide_glyph = wide.glyph(char32_t(c.code));
        const bool use_wide =
            std::abs(wide_glyph.mask.width - target) < std::abs(narrow_glyph.mask.width - target);
        const FontFace& face = use_wide ? wide : condensed;
        GlyphImage g = use_wide ? wide_glyph : narrow_glyph;
        if (g.mask.width == 0) continue; // the space
        // Each glyph is fitted to its cell's width, so the table's advances space the text
        // evenly: wide cells stretch their glyph (by a quarter at most, so capitals keep their
        // shape), narrow ones squeeze it. A pixel stays free on each side, so that linear filtering
        // at a quad's edge rarely picks up a neighbour and letters never touch.
        const int room = target;
        float scale = 1;
        for (int i = 0; i < 4 && std::abs(g.mask.width - room) > 0; ++i) {
            scale *= float(room) / float(g.mask.width);
            scale = std::clamp(scale, 0.3f, 1.25f);
            g = face.glyph(char32_t(c.code), scale);
            while (g.mask.width > room && scale > 0.3f) {
                scale *= 0.97f;
                g = face.glyph(char32_t(c.code), scale);
            }
        }
        // One baseline for every glyph, set so that the descenders end on the cell's last row.
        const int baseline = c.tex_y - descent;
        const int x0 = c.tex_x + (c.width - g.mask.width) / 2;
        const int y0 = baseline - g.top;
        for (int y = 0; y < g.mask.height; ++y)
            for (int x = 0; x < g.mask.width; ++x) {
                const float v = g.mask.at(x, y);
                const int px = x0 + x, py = y0 + y;
                if (px < c.tex_x || px >= c.tex_x + c.width || py < c.tex_y - GLYPH_CELL_HEIGHT ||
                    py >= c.tex_y)
                    continue;
                canvas.set(px, py, Colour{v, v, v}, v);
            }
    }
    const std::string out = std::string(argv[1]) + "/font_klar.tga";
    if (!canvas.save_tga32(out)) return 1;
    std::printf("font_klar.tga: %dx%d, DejaVu Sans Bold and Sans Condensed Bold at %d px\n",
                canvas.width(), canvas.height(), size);
    return 0;
}
