// The bitmap font: glyph records read from the built-in glyph table, the font
// picture "font_klar.tga", and text drawing on a virtual 1024 x 768 screen.
#pragma once

#include <GL/gl.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

struct Glyph {
    int16_t tex_x = 0; // left edge in the font picture, pixels
    int16_t tex_y = 0; // bottom edge of the cell, pixels from the picture's top edge
    int16_t width = 0;
    int16_t x_offset = 0; // moves only the quad's left edge
    int16_t advance = 0;
    bool present = false; // a record for this character exists
};

// Virtual screen that all text positions and glyph sizes are laid out on.
inline constexpr float TEXT_VIRTUAL_WIDTH = 1024.0f;
inline constexpr float TEXT_VIRTUAL_HEIGHT = 768.0f;
inline constexpr float TEXT_LINE_SPACING = 54.0f;
inline constexpr float TEXT_TAB_WIDTH = 70.0f;

// One character's quad in virtual points, with its texture coordinates.
struct GlyphQuad {
    float left, right, baseline, top;
    float s_left, s_right, t_baseline, t_top;
};

class Font {
  public:
    // An empty font: no glyphs, no picture; draws nothing.
    Font() = default;
    // Reads "font_klar.tga" into `texture` and fills the glyph table. Needs a GL context.
    explicit Font(GLuint texture);

    // Fills the glyph records from a list laid out like the built-in glyph table.
    // Reads at most `count` values; malformed records are skipped.
    void load_glyph_table(const int16_t* values, std::size_t count);

    void draw_text(std::string_view text, float x, float y, float alpha, int window_width,
                   int window_height) const;

    // Walks the text as draw_text lays it out, handing each drawn glyph's quad to `emit`.
    // Line feeds and tabs move the pen; characters without a glyph record are skipped.
    template <class Emit>
    void layout_text(std::string_view text, float x, float y, Emit&& emit) const;

    // The glyph record of `c`, or null when the font has none for it.
    const Glyph* glyph(char c) const {
        auto code = static_cast<unsigned char>(c);
        if (code >= 128 || !glyphs[code].present) return nullptr;
        return &glyphs[code];
    }

    int16_t values_per_glyph = 5;
    Glyph glyphs[128] = {};
    float texture_width = 0.0f;
    float texture_height = 0.0f;
    GLuint texture = 0;
    int16_t glyph_height = 47;
};

// The one font of the game, built at start-up on TEX_FONT.
extern Font hud_font;

// The pen after a tab: the next multiple of the tab width; a pen already on one moves a full tab.
inline float tab_stop(float pen_x) {
    return pen_x + TEXT_TAB_WIDTH - std::fmod(pen_x, TEXT_TAB_WIDTH);
}

template <class Emit>
void Font::layout_text(std::string_view text, float x, float y, Emit&& emit) const {
    float px = x * TEXT_VIRTUAL_WIDTH;
    float py = y * TEXT_VIRTUAL_HEIGHT;
    const float line_start = px;
    const float tw = texture_width;
    const float th = texture_height;
    const float cell = static_cast<float>(glyph_height);
    for (char c : text) {
        if (c == '\n') {
            py += TEXT_LINE_SPACING;
            px = line_start;
            continue;
        }
        if (c == '\t') {
            px = tab_stop(px);
            continue;
        }
        const Glyph* g = glyph(c);
        if (!g) continue;
        GlyphQuad q;
        q.left = px + g->x_offset;
        q.right = px + g->width;
        q.baseline = py;
        q.top = py - cell;
        if (tw > 0.0f && th > 0.0f) {
            q.s_left = g->tex_x / tw;
            q.s_right = (g->tex_x + g->width) / tw;
            q.t_baseline = (th - g->tex_y) / th;
            q.t_top = (th - g->tex_y + cell) / th;
        } else {
            q.s_left = q.s_right = q.t_baseline = q.t_top = 0.0f;
        }
        emit(q);
        px += g->advance;
    }
}
