#include "canvas.h"

#include <cmath>
#include <cstdio>

namespace {

uint8_t byte(float v) {
    return uint8_t(std::lround(clamp01(v) * 255.f));
}

bool write_all(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::perror(path.c_str());
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    if (!ok) std::fprintf(stderr, "%s: write failed\n", path.c_str());
    return ok;
}

void put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(v & 0xFF), b.push_back(v >> 8 & 0xFF);
}
void put32(std::vector<uint8_t>& b, uint32_t v) {
    put16(b, v & 0xFFFF), put16(b, v >> 16);
}

std::vector<uint8_t> tga_header(int w, int h, int depth) {
    std::vector<uint8_t> b = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    put16(b, uint32_t(w));
    put16(b, uint32_t(h));
    b.push_back(uint8_t(depth));
    b.push_back(depth == 32 ? 8 : 0); // alpha bits; origin bottom-left
    return b;
}

} // namespace

void Canvas::blend(int x, int y, Colour c, float t) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_ || t <= 0) return;
    Px& p = px_[index(x, y)];
    p.c = mix(p.c, c, clamp01(t));
}

void Canvas::blend_wrapped(int x, int y, Colour c, float t) {
    blend(((x % w_) + w_) % w_, ((y % h_) + h_) % h_, c, t);
}

void Canvas::add(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    Px& p = px_[index(x, y)];
    p.c = p.c + c;
}

bool Canvas::save_tga24(const std::string& path) const {
    std::vector<uint8_t> b = tga_header(w_, h_, 24);
    for (int y = h_ - 1; y >= 0; --y)
        for (int x = 0; x < w_; ++x) {
            const Colour c = get(x, y);
            b.insert(b.end(), {byte(c.b), byte(c.g), byte(c.r)});
        }
    return write_all(path, b);
}

bool Canvas::save_tga32(const std::string& path) const {
    std::vector<uint8_t> b = tga_header(w_, h_, 32);
    for (int y = h_ - 1; y >= 0; --y)
        for (int x = 0; x < w_; ++x) {
            const Colour c = get(x, y);
            b.insert(b.end(), {byte(c.b), byte(c.g), byte(c.r), byte(alpha(x, y))});
        }
    return write_all(path, b);
}

bool Canvas::save_bmp24(const std::string& path) const {
    const uint32_t row = (uint32_t(w_) * 3 + 3) & ~3u;
    const uint32_t data = row * uint32_t(h_);
    std::vector<uint8_t> b = {'B', 'M'};
    put32(b, 54 + data);
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);
    put32(b, uint32_t(w_));
    put32(b, uint32_t(h_));
    put16(b, 1);
    put16(b, 24);
    put32(b, 0);
    put32(b, data);
    put32(b, 2835), put32(b, 2835), put32(b, 0), put32(b, 0);
    for (int y = h_ - 1; y >= 0; --y) {
        for (int x = 0; x < w_; ++x) {
            const Colour c = get(x, y);
            b.insert(b.end(), {byte(c.b), byte(c.g), byte(c.r)});
        }
        for (uint32_t p = uint32_t(w_) * 3; p < row; ++p)
            b.push_back(0);
    }
    return write_all(path, b);
}

float disc_coverage(float px, float py, float cx, float cy, float radius) {
    const float d = std::hypot(px - cx, py - cy);
    return clamp01(radius - d + 0.5f);
}

float box_coverage(float px, float py, float x0, float y0, float x1, float y1, float corner) {
    // Signed distance to a rounded box, turned into a one-pixel soft edge.
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const float hx = (x1 - x0) / 2 - corner, hy = (y1 - y0) / 2 - corner;
    const float dx = std::fabs(px - cx) - hx, dy = std::fabs(py - cy) - hy;
    const float outside = std::hypot(std::max(dx, 0.f), std::max(dy, 0.f));
    const float inside = std::min(std::max(dx, dy), 0.f);
    return clamp01(0.5f - (outside + inside - corner));
}

float segment_distance(float px, float py, float ax, float ay, float bx, float by) {
    const float vx = bx - ax, vy = by - ay;
    const float len2 = vx * vx + vy * vy;
    const float t = len2 > 0 ? clamp01(((px - ax) * vx + (py - ay) * vy) / len2) : 0;
    return std::hypot(px - (ax + t * vx), py - (ay + t * vy));
}
