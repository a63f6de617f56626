// Building blocks for the generated models: quads, triangles, boxes and turned (lathe) shapes,
// each written into a mesh with flat or smooth normals and texture coordinates inside a skin
// rectangle. Winding always follows the normals, so every face is front-facing from outside.
#pragma once

#include "game/world/skin_layout.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct P3 {
    float x = 0, y = 0, z = 0;
};
inline P3 operator+(P3 a, P3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline P3 operator-(P3 a, P3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline P3 operator*(P3 a, float s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline float dot3(P3 a, P3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline P3 cross3(P3 a, P3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline P3 unit(P3 a) {
    const float l = std::sqrt(dot3(a, a));
    return l > 0 ? a * (1.0f / l) : P3{0, 1, 0};
}

struct Vtx {
    P3 p, n;
    float u = 0, v = 0;
};

struct MaterialDef {
    float ambient[4], diffuse[4], specular[4], emission[4];
    std::string map; // the image the model was painted for (not read by the game)
};

struct MeshDef {
    std::string name;
    std::vector<Vtx> vertices;
    std::vector<uint32_t> indices;
    MaterialDef material;
};

struct ModelDef {
    std::string name;   // the model's own name
    std::string symbol; // the C++ name it is known by
    std::vector<MeshDef> meshes;
};

// A point of a lathe profile: radius and height.
struct RY {
    float r, y;
};

class MeshBuilder {
  public:
    explicit MeshBuilder(MeshDef& mesh) : m_(mesh) {}

    // A triangle with per-vertex normals; wound so that its face agrees with the normals.
    void tri(Vtx a, Vtx b, Vtx c) {
        const P3 g = cross3(b.p - a.p, c.p - a.p);
        if (dot3(g, a.n + b.n + c.n) < 0) std::swap(b, c);
        const uint32_t base = static_cast<uint32_t>(m_.vertices.size());
        m_.vertices.insert(m_.vertices.end(), {a, b, c});
        m_.indices.insert(m_.indices.end(), {base, base + 1, base + 2});
    }

    // A quad of four vertices and two triangles (a, b, c) and (a, c, d).
    void quad(Vtx a, Vtx b, Vtx c, Vtx d) {
        P3 g = cross3(b.p - a.p, c.p - a.p);
        if (dot3(g, g) < 1e-12f) g = cross3(c.p - a.p, d.p - a.p);
        if (dot3(g, a.n + b.n + c.n + d.n) < 0) {
            std::swap(b, d);
        }
        const uint32_t base = static_cast<uint32_t>(m_.vertices.size());
        m_.vertices.insert(m_.vertices.end(), {a, b, c, d});
        m_.indices.insert(m_.indices.end(), {base, base + 1, base + 2, base, base + 2, base + 3});
    }

    // A flat quad facing `outward` (corners in any rotational order), mapped onto rect with
    // a at (u0, v0), b at (u1, v0), c at (u1, v1), d at (u0, v1).
    void flat_quad(P3 a, P3 b, P3 c, P3 d, P3 outward, SkinRect r) {
        P3 n = unit(cross3(b - a, c - a));
        if (dot3(n, outward) < 0) n = n * -1.0f;
        quad({a, n, r.u0, r.v0}, {b, n, r.u1, r.v0}, {c, n, r.u1, r.v1}, {d, n, r.u0, r.v1});
    }

    void flat_tri(P3 a, P3 b, P3 c, P3 outward, SkinRect r) {
        P3 n = unit(cross3(b - a, c - a));
        if (dot3(n, outward) < 0) n = n * -1.0f;
        tri({a, n, r.u0, r.v0}, {b, n, r.u1, r.v0}, {c, n, (r.u0 + r.u1) / 2, r.v1});
    }

    // A hexahedron from its eight corners: bottom ring then top ring, each in the order
    // (-x,-z), (+x,-z), (+x,+z), (-x,+z). `faces` picks which of front (+z), right (+x), back
    // (-z), left (-x), top, bottom are emitted (bits 0 to 5; all six by default), and rects
    // gives each of them its own skin rectangle in that order.
    void box(const P3 c[8], const SkinRect rects[6], unsigned faces = 0x3f) {
        P3 centre = {};
        for (int i = 0; i < 8; ++i)
            centre = centre + c[i] * 0.125f;
        // side k joins bottom corners (i, j) with the top ones above them
        const int side[4][2] = {{3, 2}, {2, 1}, {1, 0}, {0, 3}}; // front, right, back, left
        for (int k = 0; k < 4; ++k) {
            if (!(faces & (1u << k))) continue;
            const P3 a = c[side[k][0]], b = c[side[k][1]], tb = c[4 + side[k][1]],
                     ta = c[4 + side[k][0]];
            flat_quad(a, b, tb, ta, (a + b + ta + tb) * 0.25f - centre, rects[k]);
        }
        if (faces & 16) flat_quad(c[7], c[6], c[5], c[4], (c[4] + c[6]) * 0.5f - centre, rects[4]);
        if (faces & 32) flat_quad(c[0], c[1], c[2], c[3], (c[0] + c[2]) * 0.5f - centre, rects[5]);
    }

    // The same with one rectangle laid out as the skin table describes (sides, then top and
    // bottom), or with a separate rectangle for the front face.
    void box(const P3 c[8], SkinRect r, unsigned faces = 0x3f, const SkinRect* front = nullptr) {
        const float w = (r.u1 - r.u0) / 4, h = (r.v1 - r.v0) / 2;
        auto cell = [&](int col, int row, int span) {
            return SkinRect{r.u0 + w * col, r.v0 + h * row, r.u0 + w * (col + span),
                            r.v0 + h * (row + 1)};
        };
        const SkinRect rects[6] = {front ? *front : cell(0, 0, 1),
                                   cell(1, 0, 1),
                                   cell(2, 0, 1),
                                   cell(3, 0, 1),
                                   cell(0, 1, 2),
                                   cell(2, 1, 2)};
        box(c, rects, faces);
    }

    // An axis-aligned box.
    void box(P3 lo, P3 hi, SkinRect r, unsigned faces = 0x3f, const SkinRect* front = nullptr) {
        const P3 c[8] = {{lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, lo.y, hi.z},
                         {lo.x, lo.y, hi.z}, {lo.x, hi.y, lo.z}, {hi.x, hi.y, lo.z},
                         {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}};
        box(c, r, faces, front);
    }

    // A box tapering along y: half sizes (hx, hz) at the bottom and at the top, centred on
    // (cx, cz) at the bottom and (tx, tz) at the top.
    void tapered_box(float y0, float y1, float bhx, float bhz, float thx, float thz, P3 bottom_c,
                     P3 top_c, SkinRect r, unsigned faces = 0x3f, const SkinRect* front = nullptr) {
        const P3 c[8] = {
            {bottom_c.x - bhx, y0, bottom_c.z - bhz}, {bottom_c.x + bhx, y0, bottom_c.z - bhz},
            {bottom_c.x + bhx, y0, bottom_c.z + bhz}, {bottom_c.x - bhx, y0, bottom_c.z + bhz},
            {top_c.x - thx, y1, top_c.z - thz},       {top_c.x + thx, y1, top_c.z - thz},
            {top_c.x + thx, y1, top_c.z + thz},       {top_c.x - thx, y1, top_c.z + thz}};
        box(c, r, faces, front);
    }

    // A limb between two points in the x-y plane (a shoulder and an elbow, say): width wa at a
    // and wb at b across the limb, depth da and db along z. Overhang extends it past both ends.
    void limb(P3 a, P3 b, float wa, float wb, float da, float db, SkinRect r, float overhang = 0,
              unsigned faces = 0x3f) {
        const P3 d = unit(b - a);
        a = a - d * overhang;
        b = b + d * overhang;
        // Bottom ring at the lower end so "top" and "bottom" keep their meaning.
        if (a.y > b.y) {
            std::swap(a, b);
            std::swap(wa, wb);
            std::swap(da, db);
        }
        const P3 dir = unit(b - a);
        P3 side = unit(cross3(dir, P3{0, 0, 1})); // across the limb in the x-y plane
        if (side.x < 0) side = side * -1.0f;
        const P3 depth = {0, 0, 1};
        auto ring = [&](P3 p, float w, float dd, P3* out) {
            out[0] = p - side * (w / 2) - depth * (dd / 2);
            out[1] = p + side * (w / 2) - depth * (dd / 2);
            out[2] = p + side * (w / 2) + depth * (dd / 2);
            out[3] = p - side * (w / 2) + depth * (dd / 2);
        };
        P3 c[8];
        ring(a, wa, da, c);
        ring(b, wb, db, c + 4);
        box(c, r, faces);
    }

    // A turned shape: the profile (bottom to top) swept around the y axis through `centre` in
    // `segments` steps over the angles [a0, a1] (radians, 0 = front +z, growing towards +x).
    // Every band is made of separate quads with smooth normals; a band that closes to a point
    // (radius 0) becomes triangles. `inward` turns the normals (and faces) to the inside.
    void lathe(const std::vector<RY>& profile, int segments, P3 centre, SkinRect r,
               float a0 = -3.14159265f, float a1 = 3.14159265f, bool inward = false) {
        const int rows = static_cast<int>(profile.size());
        auto normal_at = [&](int k, float angle) {
            const RY lo = profile[k > 0 ? k - 1 : k];
            const RY hi = profile[k + 1 < rows ? k + 1 : k];
            float nr = hi.y - lo.y, ny = -(hi.r - lo.r);
            const float l = std::sqrt(nr * nr + ny * ny);
            nr /= l;
            ny /= l;
            P3 n = {nr * std::sin(angle), ny, nr * std::cos(angle)};
            return inward ? n * -1.0f : n;
        };
        auto vertex = [&](int k, int i) {
            const float t = static_cast<float>(i) / segments;
            const float angle = a0 + (a1 - a0) * t;
            const RY p = profile[k];
            Vtx v;
            v.p = {centre.x + p.r * std::sin(angle), centre.y + p.y,
                   centre.z + p.r * std::cos(angle)};
            v.n = normal_at(k, angle);
            v.u = r.u0 + (r.u1 - r.u0) * t;
            v.v = r.v0 + (r.v1 - r.v0) * k / (rows - 1);
            return v;
        };
        for (int k = 0; k + 1 < rows; ++k) {
            for (int i = 0; i < segments; ++i) {
                const Vtx a = vertex(k, i), b = vertex(k, i + 1), c = vertex(k + 1, i + 1),
                          d = vertex(k + 1, i);
                if (profile[k].r == 0)
                    tri(a, c, d);
                else if (profile[k + 1].r == 0)
                    tri(a, b, c);
                else
                    quad(a, b, c, d);
            }
        }
    }

    // The same shape with shared vertices: (segments + 1) x rows vertices, two triangles per
    // cell. Used where a smooth part must be cheap in vertices.
    void lathe_shared(const std::vector<RY>& profile, int segments, P3 centre, SkinRect r) {
        const int rows = static_cast<int>(profile.size());
        const uint32_t base = static_cast<uint32_t>(m_.vertices.size());
        for (int k = 0; k < rows; ++k) {
            const RY lo = profile[k > 0 ? k - 1 : k], hi = profile[k + 1 < rows ? k + 1 : k];
            float nr = hi.y - lo.y, ny = -(hi.r - lo.r);
            const float l = std::sqrt(nr * nr + ny * ny);
            for (int i = 0; i <= segments; ++i) {
                const float t = static_cast<float>(i) / segments;
                const float angle = -3.14159265f + 2 * 3.14159265f * t;
                Vtx v;
                v.p = {centre.x + profile[k].r * std::sin(angle), centre.y + profile[k].y,
                       centre.z + profile[k].r * std::cos(angle)};
                v.n = {nr / l * std::sin(angle), ny / l, nr / l * std::cos(angle)};
                v.u = r.u0 + (r.u1 - r.u0) * t;
                v.v = r.v0 + (r.v1 - r.v0) * k / (rows - 1);
                m_.vertices.push_back(v);
            }
        }
        const uint32_t stride = static_cast<uint32_t>(segments + 1);
        for (int k = 0; k + 1 < rows; ++k)
            for (int i = 0; i < segments; ++i) {
                const uint32_t a = base + k * stride + i, b = a + 1, c = a + stride + 1,
                               d = a + stride;
                // (a, b, c) seen from outside: b lies towards +angle, which runs clockwise
                // when seen from above, so the outward winding is a, c, b.
                append_oriented(a, b, c);
                append_oriented(a, c, d);
            }
    }

    // A flat disc of separate triangles at height y (relative to centre), facing up or down.
    void cap(float radius, float y, int segments, P3 centre, bool up, SkinRect r) {
        const P3 n = {0, up ? 1.0f : -1.0f, 0};
        const float cu = (r.u0 + r.u1) / 2, cv = (r.v0 + r.v1) / 2;
        const float hu = (r.u1 - r.u0) / 2, hv = (r.v1 - r.v0) / 2;
        auto at = [&](int i) {
            const float angle = -3.14159265f + 2 * 3.14159265f * i / segments;
            Vtx v;
            v.p = {centre.x + radius * std::sin(angle), centre.y + y,
                   centre.z + radius * std::cos(angle)};
            v.n = n;
            v.u = cu + hu * std::sin(angle);
            v.v = cv + hv * std::cos(angle);
            return v;
        };
        const Vtx middle = {{centre.x, centre.y + y, centre.z}, n, cu, cv};
        for (int i = 0; i < segments; ++i)
            tri(middle, at(i), at(i + 1));
    }

    // A triangle over vertices already in the mesh, wound to agree with their normals.
    void append_oriented(uint32_t a, uint32_t b, uint32_t c) {
        const Vtx &va = m_.vertices[a], &vb = m_.vertices[b], &vc = m_.vertices[c];
        const P3 g = cross3(vb.p - va.p, vc.p - va.p);
        if (dot3(g, va.n + vb.n + vc.n) < 0) std::swap(b, c);
        m_.indices.insert(m_.indices.end(), {a, b, c});
    }

  private:
    MeshDef& m_;
};
