// The level's fixtures and small things: torch, display case, lever and holder, pizza, the two
// glowing spheres, the swords and the test cube.
#include "game/world/generate/models.h"

namespace {

constexpr float PI = 3.14159265f;

MaterialDef material(float r, float g, float b, float spec, const char* map, float er = 0,
                     float eg = 0, float eb = 0) {
    return {{r, g, b, 1}, {r, g, b, 1}, {spec, spec, spec, 1}, {er, eg, eb, 1}, map};
}

} // namespace

ModelDef make_torch() {
    using namespace skin_torch;
    ModelDef model{"torch_an_wand_uv", "torch_an_wand_uv", {}};
    MeshDef mesh{"torch", {}, {}, material(1, 1, 1, 0.3f, "torch_an_wand")};
    MeshBuilder b(mesh);
    // The torch hangs on a wall at z = 0 and stands out along +z (the level turns it away from
    // its wall).
    b.box({-0.08f, -0.16f, -0.02f}, {0.08f, 0.16f, 0.02f}, IRON); // wall plate
    b.box({-0.02f, -0.07f, 0.02f}, {0.02f, -0.03f, 0.21f}, IRON); // bracket arm
    const P3 axis = {0, 0, 0.25f};
    b.lathe_shared({{0.028f, -0.11f}, {0.045f, -0.07f}, {0.062f, -0.02f}, {0.07f, 0.01f}}, 12, axis,
                   IRON); // cup holding the torch
    b.lathe({{0.022f, -0.36f}, {0.027f, -0.2f}, {0.032f, -0.02f}, {0.036f, 0.12f}}, 12, axis,
            WOOD); // handle
    b.cap(0.022f, -0.36f, 12, axis, false, WOOD);
    b.lathe({{0.046f, 0.12f}, {0.052f, 0.22f}}, 12, axis, PITCH); // pitch-soaked head
    // Flame: a ring of tongues over the head, lower band split into triangles.
    const SkinRect low = {FLAME.u0, FLAME.v0, FLAME.u1, FLAME.v0 + (FLAME.v1 - FLAME.v0) * 0.4f};
    for (int i = 0; i < 12; ++i) {
        const float a0 = -PI + 2 * PI * i / 12, a1 = -PI + 2 * PI * (i + 1) / 12;
        const float am = (a0 + a1) / 2;
        auto ring = [&](float r, float y, float a) {
            return P3{axis.x + r * std::sin(a), y, axis.z + r * std::cos(a)};
        };
        const P3 out = {std::sin(am), 0.3f, std::cos(am)};
        const P3 p0 = ring(0.052f, 0.22f, a0), p1 = ring(0.052f, 0.22f, a1),
                 q1 = ring(0.062f, 0.3f, a1), q0 = ring(0.062f, 0.3f, a0);
        b.flat_tri(p0, p1, q1, out, low);
        b.flat_tri(p0, q1, q0, out, low);
        const float sway = (i % 2 ? 0.25f : -0.25f);
        const P3 tip = ring(0.018f, 0.44f + 0.05f * ((i * 7) % 3), am + sway);
        b.flat_tri(q0, q1, tip, out, FLAME);
    }
    // Eight taller tongues licking up between the others.
    for (int i = 0; i < 8; ++i) {
        const float a = -PI + 2 * PI * (i + 0.5f) / 8;
        const P3 dir = {std::sin(a), 0, std::cos(a)};
        const P3 side = {std::cos(a), 0, -std::sin(a)};
        const P3 base = axis + dir * 0.058f + P3{0, 0.27f, 0};
        const P3 tip = axis + dir * 0.02f + P3{0, 0.5f + 0.04f * (i % 3), 0};
        const P3 mid = axis + dir * 0.062f + P3{0, 0.36f, 0};
        const P3 out = dir + P3{0, 0.2f, 0};
        b.flat_tri(base, mid + side * 0.03f, tip, out, FLAME);
        b.flat_tri(base, tip, mid - side * 0.03f, out, FLAME);
    }
    model.meshes.push_back(mesh);
    return model;
}

ModelDef make_vitrine() {
    ModelDef model{"vitrine", "vitrine", {}};
    const SkinRect all = {0, 0, 1, 1};
    MeshDef frame{"frame", {}, {}, material(0.45f, 0.29f, 0.16f, 0.4f, "")};
    MeshBuilder b(frame);
    const float half = 0.6f, post = 0.05f, glass_lo = 0.8f, glass_hi = 1.8f;
    b.box({-half, 0, -half}, {half, glass_lo, half}, all);               // plinth
    b.box({-half, glass_hi, -half}, {half, glass_hi + 0.1f, half}, all); // lid
    for (int sx = -1; sx <= 1; sx += 2)
        for (int sz = -1; sz <= 1; sz += 2) {
            const float x = sx * (half - post), z = sz * (half - post);
            b.box({x - post, glass_lo, z - post}, {x + post, glass_hi, z + post}, all);
        }
    b.box({-0.22f, glass_lo, -0.22f}, {0.22f, glass_lo + 0.08f, 0.22f}, all); // velvet cushion
    model.meshes.push_back(frame);

    // Panes at +z, +x, -z, -x, each between the posts and facing outwards.
    const float e = half - 0.02f, w = half - 2 * post;
    const P3 pane_corners[4][4] = {
        {{-w, glass_lo, e}, {w, glass_lo, e}, {w, glass_hi, e}, {-w, glass_hi, e}},
        {{e, glass_lo, w}, {e, glass_lo, -w}, {e, glass_hi, -w}, {e, glass_hi, w}},
        {{w, glass_lo, -e}, {-w, glass_lo, -e}, {-w, glass_hi, -e}, {w, glass_hi, -e}},
        {{-e, glass_lo, -w}, {-e, glass_lo, w}, {-e, glass_hi, w}, {-e, glass_hi, -w}},
    };
    const P3 outward[4] = {{0, 0, 1}, {1, 0, 0}, {0, 0, -1}, {-1, 0, 0}};
    const char* names[4] = {"pane_pos_z", "pane_pos_x", "pane_neg_z", "pane_neg_x"};
    for (int k = 0; k < 4; ++k) {
        MeshDef pane{names[k], {}, {}, material(0.55f, 0.75f, 0.85f, 1.0f, "")};
        MeshBuilder pb(pane);
        const P3* c = pane_corners[k];
        pb.flat_quad(c[0], c[1], c[2], c[3], outward[k], all);
        model.meshes.push_back(pane);
    }
    return model;
}

ModelDef make_lever_holder() {
    ModelDef model{"halterung_hebel", "halterung_hebel", {}};
    MeshDef mesh{"holder", {}, {}, material(1, 1, 1, 0.5f, "halterung_hebel")};
    MeshBuilder b(mesh);
    const SkinRect all = {0, 0, 1, 1};
    b.box({-0.15f, 0, -0.25f}, {0.15f, 0.05f, 0.25f}, all); // floor plate
    // The housing is open on top (the lever's slot) and below (on the plate).
    b.box({-0.08f, 0.05f, -0.16f}, {0.08f, 0.3f, 0.16f}, all, 0x0f);
    b.box({-0.12f, 0.2f, -0.025f}, {0.12f, 0.25f, 0.025f}, all); // pivot pin
    model.meshes.push_back(mesh);
    return model;
}

ModelDef make_lever() {
    ModelDef model{"hebel", "hebel", {}};
    MeshDef mesh{"lever", {}, {}, material(1, 1, 1, 0.3f, "hebel")};
    MeshBuilder b(mesh);
    // Steel sides with the knob's red at their upper ends, the knob on top.
    using namespace skin_lever;
    const SkinRect side = {STEEL.u0, STEEL.v0, STEEL.u1, 0.12f};
    const SkinRect rects[6] = {side, side, side, side, KNOB, STEEL};
    const P3 c[8] = {{-0.035f, 0.05f, -0.035f}, {0.035f, 0.05f, -0.035f}, {0.035f, 0.05f, 0.035f},
                     {-0.035f, 0.05f, 0.035f},  {-0.05f, 1.0f, -0.05f},   {0.05f, 1.0f, -0.05f},
                     {0.05f, 1.0f, 0.05f},      {-0.05f, 1.0f, 0.05f}};
    b.box(c, rects);
    model.meshes.push_back(mesh);
    return model;
}

ModelDef make_pizza() {
    ModelDef model{"pizza_uv", "pizza_uv", {}};
    MeshDef mesh{"pizza", {}, {}, material(1, 1, 1, 0.2f, "pizza")};
    const int segments = 11;
    const float radius = 0.35f, top = 0.05f;
    // The picture shows the pizza from above: planar mapping, crust at the rim.
    auto uv_at = [&](float x, float z, Vtx& v) {
        v.u = 0.5f + 0.5f * x / radius;
        v.v = 0.5f + 0.5f * z / radius;
    };
    auto ring = [&](float r, float y, P3 n, bool radial) {
        std::vector<Vtx> out;
        for (int i = 0; i <= segments; ++i) {
            const float a = -PI + 2 * PI * i / segments;
            Vtx v;
            v.p = {r * std::sin(a), y, r * std::cos(a)};
            v.n = radial ? P3{std::sin(a), 0, std::cos(a)} : n;
            uv_at(v.p.x, v.p.z, v);
            if (radial) uv_at(0.9f * v.p.x, 0.9f * v.p.z, v); // the browned rim
            out.push_back(v);
        }
        return out;
    };
    auto append = [&](const std::vector<Vtx>& vs) {
        const uint32_t base = static_cast<uint32_t>(mesh.vertices.size());
        mesh.vertices.insert(mesh.vertices.end(), vs.begin(), vs.end());
        return base;
    };
    MeshBuilder b(mesh);
    // Top: a fan from a centre ring (one centre vertex per segment) to the rim.
    {
        const uint32_t c = append(ring(0, top, {0, 1, 0}, false));
        const uint32_t e = append(ring(radius, top, {0, 1, 0}, false));
        for (int i = 0; i < segments; ++i)
            b.append_oriented(c + i, e + i, e + i + 1);
    }
    // Rim: one band of shared vertices.
    {
        const uint32_t lo = append(ring(radius, 0, {}, true));
        const uint32_t hi = append(ring(radius, top, {}, true));
        for (int i = 0; i < segments; ++i) {
            b.append_oriented(lo + i, lo + i + 1, hi + i + 1);
            b.append_oriented(lo + i, hi + i + 1, hi + i);
        }
    }
    // Bottom: the same fan facing down.
    {
        const uint32_t c = append(ring(0, 0, {0, -1, 0}, false));
        const uint32_t e = append(ring(radius, 0, {0, -1, 0}, false));
        for (int i = 0; i < segments; ++i)
            b.append_oriented(c + i, e + i, e + i + 1);
    }
    model.meshes.push_back(mesh);
    return model;
}

namespace {

// A faceted sphere: 12 segments, 8 bands, the two polar bands as triangles.
MeshDef glowing_sphere(const MaterialDef& mat) {
    MeshDef mesh{"sphere", {}, {}, mat};
    MeshBuilder b(mesh);
    std::vector<RY> profile;
    const float radius = 0.15f;
    for (int k = 0; k <= 8; ++k) {
        const float phi = -PI / 2 + PI * k / 8;
        profile.push_back(
            {k == 0 || k == 8 ? 0.0f : radius * std::cos(phi), radius * std::sin(phi)});
    }
    b.lathe(profile, 12, {0, radius, 0}, {0, 0, 1, 1});
    return mesh;
}

} // namespace

ModelDef make_sphere_white() {
    ModelDef model{"object01", "object01", {}};
    model.meshes.push_back(glowing_sphere(material(0.878f, 0.878f, 0.878f, 1.0f, "", 1, 1, 1)));
    return model;
}

ModelDef make_sphere_purple() {
    ModelDef model{"object01", "object01_purple", {}};
    model.meshes.push_back(
        glowing_sphere(material(0.878f, 0.178f, 0.878f, 1.0f, "", 0.8f, 0.1f, 0.8f)));
    return model;
}

namespace {

// A sword standing on its pommel at the origin, blade up +y (the hand holds it at y = 0).
MeshDef sword(float blade_length, float blade_width, float guard_half, SkinRect guard,
              const char* map) {
    using namespace skin_sword;
    MeshDef mesh{"sword", {}, {}, material(1, 1, 1, 0.9f, map)};
    MeshBuilder b(mesh);
    b.box({-0.022f, -0.17f, -0.022f}, {0.022f, 0.03f, 0.022f}, GRIP);
    b.box({-guard_half, 0.03f, -0.035f}, {guard_half, 0.075f, 0.035f}, guard);
    // A diamond cross-section: edges at +-x, ridges at +-z.
    const float y0 = 0.075f, y1 = 0.075f + blade_length * 0.86f, tip = 0.075f + blade_length;
    const float hw = blade_width / 2, ridge = 0.012f;
    const P3 lo[4] = {{hw, y0, 0}, {0, y0, ridge}, {-hw, y0, 0}, {0, y0, -ridge}};
    const P3 hi[4] = {{hw * 0.85f, y1, 0}, {0, y1, ridge}, {-hw * 0.85f, y1, 0}, {0, y1, -ridge}};
    const P3 point = {0, tip, 0};
    for (int k = 0; k < 4; ++k) {
        const int j = (k + 1) % 4;
        const P3 out = (lo[k] + lo[j]) * 0.5f;
        const SkinRect half = {BLADE.u0 + (BLADE.u1 - BLADE.u0) * (k % 2) * 0.5f, BLADE.v0,
                               BLADE.u0 + (BLADE.u1 - BLADE.u0) * ((k % 2) * 0.5f + 0.5f),
                               BLADE.v0 + (BLADE.v1 - BLADE.v0) * 0.86f};
        b.flat_quad(lo[k], lo[j], hi[j], hi[k], {out.x, 0, out.z}, half);
        const SkinRect tip_rect = {half.u0, half.v1, half.u1, BLADE.v1};
        b.flat_tri(hi[k], hi[j], point, {out.x, 0.1f, out.z}, tip_rect);
    }
    return mesh;
}

} // namespace

ModelDef make_short_sword() {
    ModelDef model{"short_sword_uv", "short_sword_uv", {}};
    model.meshes.push_back(sword(0.72f, 0.075f, 0.12f, skin_sword::SHORT_GUARD, "short_sword"));
    return model;
}

ModelDef make_long_sword() {
    ModelDef model{"long_sword", "long_sword", {}};
    model.meshes.push_back(sword(1.12f, 0.09f, 0.18f, skin_sword::LONG_GUARD, "long_sword"));
    return model;
}

ModelDef make_test_cube() {
    ModelDef model{"cube_uv_no_gaps", "cube_uv_no_gaps", {}};
    MeshDef mesh{"cube", {}, {}, material(1, 1, 1, 0.5f, "")};
    MeshBuilder b(mesh);
    // The six faces tile the whole texture, three across and two down, without gaps.
    const P3 c[8] = {{-0.5f, -0.5f, -0.5f}, {0.5f, -0.5f, -0.5f}, {0.5f, -0.5f, 0.5f},
                     {-0.5f, -0.5f, 0.5f},  {-0.5f, 0.5f, -0.5f}, {0.5f, 0.5f, -0.5f},
                     {0.5f, 0.5f, 0.5f},    {-0.5f, 0.5f, 0.5f}};
    auto cell = [](int col, int row) {
        return SkinRect{col / 3.0f, row / 2.0f, (col + 1) / 3.0f, (row + 1) / 2.0f};
    };
    b.flat_quad(c[3], c[2], c[6], c[7], {0, 0, 1}, cell(0, 0));
    b.flat_quad(c[2], c[1], c[5], c[6], {1, 0, 0}, cell(1, 0));
    b.flat_quad(c[1], c[0], c[4], c[5], {0, 0, -1}, cell(2, 0));
    b.flat_quad(c[0], c[3], c[7], c[4], {-1, 0, 0}, cell(0, 1));
    b.flat_quad(c[7], c[6], c[5], c[4], {0, 1, 0}, cell(1, 1));
    b.flat_quad(c[0], c[1], c[2], c[3], {0, -1, 0}, cell(2, 1));
    model.meshes.push_back(mesh);
    return model;
}
