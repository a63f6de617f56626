// Text for the generated pictures, rasterised with FreeType from the DejaVu fonts.
#pragma once

#include "canvas.h"

#include <memory>
#include <string>

// A coverage grid (0 to 1), the shape of some text, with its own origin.
struct Mask {
    int width = 0, height = 0;
    std::vector<float> cov;
    float at(int x, int y) const {
        return x < 0 || y < 0 || x >= width || y >= height ? 0.f : cov[size_t(y) * width + x];
    }
};

// One rendered glyph: coverage, its size and where it sits against the pen (left bearing,
// rows above the baseline) and how far the pen moves.
struct GlyphImage {
    Mask mask;
    int left = 0, top = 0;
    float advance = 0;
};

class FontFace {
  public:
    FontFace(const std::string& file, int pixel_size);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // x_scale squeezes the glyph horizontally (1 = as designed).
    GlyphImage glyph(char32_t c, float x_scale = 1) const;
    float text_width(const std::string& text) const;
    // The text's coverage, padded by `pad` pixels on every side; baseline_row tells where the
    // baseline lies in the mask.
    Mask text_mask(const std::string& text, int pad, int& baseline_row) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The fonts in the system's DejaVu folder.
std::string dejavu(const char* file);

// Grows a mask by r pixels (a round brush), for outlines and glows.
Mask dilate(const Mask& m, int r);
// Box-blurs a mask three times (close to a Gaussian of about r pixels).
Mask blur(const Mask& m, int r);

// Paints the mask onto the canvas with its top-left at (x, y): colour(mx, my) per mask pixel,
// times opacity.
template <class F>
void paint_mask(Canvas& c, const Mask& m, int x, int y, F colour, float opacity = 1) {
    for (int my = 0; my < m.height; ++my)
        for (int mx = 0; mx < m.width; ++mx) {
            const float t = m.cov[size_t(my) * m.width + mx] * opacity;
            if (t > 0) c.blend(x + mx, y + my, colour(mx, my), t);
        }
}
