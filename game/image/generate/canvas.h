// A floating-point RGBA picture to paint on, and the file formats the game reads it from.
// Rows are kept top first while painting; the writers store them bottom first, as the game's
// texture coordinates expect (first file row = t 0 = bottom of the picture).
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

struct Colour {
    float r = 0, g = 0, b = 0;
};

inline Colour mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Colour operator*(Colour c, float k) {
    return {c.r * k, c.g * k, c.b * k};
}
inline Colour operator+(Colour a, Colour b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Colour rgb(int r, int g, int b) {
    return {r / 255.f, g / 255.f, b / 255.f};
}

inline float clamp01(float v) {
    return std::clamp(v, 0.f, 1.f);
}
inline float smoothstep(float e0, float e1, float x) {
    const float t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

class Canvas {
  public:
    Canvas(int width, int height) : w_(width), h_(height), px_(size_t(width) * height) {}
    int width() const { return w_; }
    int height() const { return h_; }

    Colour get(int x, int y) const { return px_[index(x, y)].c; }
    float alpha(int x, int y) const { return px_[index(x, y)].a; }
    void set(int x, int y, Colour c, float a = 1) { px_[index(x, y)] = {c, a}; }
    // Paints c over the pixel with coverage t (0 to 1); outside the picture nothing happens.
    void blend(int x, int y, Colour c, float t);
    // Coordinates wrap around, for textures that repeat.
    void blend_wrapped(int x, int y, Colour c, float t);
    void add(int x, int y, Colour c);

    // Calls f(x, y) -> Colour for every pixel.
    template <class F> void paint(F f) {
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x)
                px_[size_t(y) * w_ + x].c = f(x, y);
    }

    bool save_tga24(const std::string& path) const;
    bool save_tga32(const std::string& path) const; // alpha from the coverage channel
    bool save_bmp24(const std::string& path) const;

  private:
    struct Px {
        Colour c;
        float a = 1;
    };
    size_t index(int x, int y) const { return size_t(y) * w_ + x; }
    int w_, h_;
    std::vector<Px> px_;
};

// Soft-edged shapes for painting: coverage of a pixel centre by the shape, 0 to 1.
float disc_coverage(float px, float py, float cx, float cy, float radius);
float box_coverage(float px, float py, float x0, float y0, float x1, float y1, float corner = 0);
// Distance from a point to the segment a-b.
float segment_distance(float px, float py, float ax, float ay, float bx, float by);
