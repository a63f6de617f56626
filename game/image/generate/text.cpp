#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

struct FontFace::Impl {
    FT_Library lib = nullptr;
    FT_Face face = nullptr;
};

FontFace::FontFace(const std::string& file, int pixel_size) : impl_(std::make_unique<Impl>()) {
    if (FT_Init_FreeType(&impl_->lib) || FT_New_Face(impl_->lib, file.c_str(), 0, &impl_->face) ||
        FT_Set_Pixel_Sizes(impl_->face, 0, FT_UInt(pixel_size)))
        throw std::runtime_error("cannot load font " + file);
}

FontFace::~FontFace() {
    if (impl_->face) FT_Done_Face(impl_->face);
    if (impl_->lib) FT_Done_FreeType(impl_->lib);
}

GlyphImage FontFace::glyph(char32_t c, float x_scale) const {
    FT_Matrix m = {FT_Fixed(std::lround(x_scale * 65536.0)), 0, 0, 0x10000};
    FT_Set_Transform(impl_->face, &m, nullptr);
    if (FT_Load_Char(impl_->face, FT_ULong(c), FT_LOAD_RENDER | FT_LOAD_NO_HINTING))
        throw std::runtime_error("cannot render a glyph");
    const FT_GlyphSlot g = impl_->face->glyph;
    GlyphImage out;
    out.mask.width = int(g->bitmap.width);
    out.mask.height = int(g->bitmap.rows);
    out.mask.cov.resize(size_t(out.mask.width) * out.mask.height);
    for (int y = 0; y < out.mask.height; ++y)
        for (int x = 0; x < out.mask.width; ++x)
            out.mask.cov[size_t(y) * out.mask.width + x] =
                g->bitmap.buffer[y * g->bitmap.pitch + x] / 255.f;
    out.left = g->bitmap_left;
    out.top = g->bitmap_top;
    out.advance = float(g->advance.x) / 64.f;
    return out;
}

float FontFace::text_width(const std::string& text) const {
    float w = 0;
    for (unsigned char ch : text)
        w += glyph(ch).advance;
    return w;
}

Mask FontFace::text_mask(const std::string& text, int pad, int& baseline_row) const {
    const FT_Size_Metrics& sm = impl_->face->size->metrics;
    const int ascent = int(std::ceil(sm.ascender / 64.0)),
              descent = int(std::ceil(-sm.descender / 64.0));
    Mask m;
    m.width = int(std::ceil(text_width(text))) + 2 * pad + 4;
    m.height = ascent + descent + 2 * pad;
    m.cov.assign(size_t(m.width) * m.height, 0);
    baseline_row = pad + ascent;
    float pen = float(pad + 2);
    for (unsigned char ch : text) {
        const GlyphImage g = glyph(ch);
        const int ox = int(std::lround(pen)) + g.left, oy = baseline_row - g.top;
        for (int y = 0; y < g.mask.height; ++y)
            for (int x = 0; x < g.mask.width; ++x) {
                const int tx = ox + x, ty = oy + y;
                if (tx < 0 || ty < 0 || tx >= m.width || ty >= m.height) continue;
                float& d = m.cov[size_t(ty) * m.width + tx];
                d = std::min(1.f, d + g.mask.at(x, y));
            }
        pen += g.advance;
    }
    return m;
}

std::string dejavu(const char* file) {
    const char* dir = std::getenv("DH_DEJAVU_DIR");
    return std::string(dir ? dir : DH_DEJAVU_DIR) + "/" + file;
}

Mask dilate(const Mask& m, int r) {
    Mask out = m;
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x) {
            float best = 0;
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx) {
                    const float d = std::hypot(float(dx), float(dy));
                    if (d > r + 0.5f) continue;
                    best = std::max(best, m.at(x + dx, y + dy) * clamp01(r + 0.5f - d + 0.5f));
                }
            out.cov[size_t(y) * m.width + x] = best;
        }
    return out;
}

Mask blur(const Mask& m, int r) {
    Mask cur = m;
    for (int pass = 0; pass < 3; ++pass) {
        Mask tmp = cur;
        for (int y = 0; y < m.height; ++y)
            for (int x = 0; x < m.width; ++x) {
                float s = 0;
                for (int d = -r; d <= r; ++d)
                    s += cur.at(x + d, y);
                tmp.cov[size_t(y) * m.width + x] = s / float(2 * r + 1);
            }
        for (int y = 0; y < m.height; ++y)
            for (int x = 0; x < m.width; ++x) {
                float s = 0;
                for (int d = -r; d <= r; ++d)
                    s += tmp.at(x, y + d);
                cur.cov[size_t(y) * m.width + x] = s / float(2 * r + 1);
            }
    }
    return cur;
}
