// The four figures, eleven body parts each, built around their pivots (body_pivots.h): 0 hips,
// 1 torso, 2 head, 3/4 and 5/6 the arms (shoulder, elbow), 7/8 and 9/10 the legs (hip, knee).
// Each part is a mesh in model space; every part of a figure shares one material so the body
// looks the same whichever path draws it.
#include "game/world/body_pivots.h"
#include "game/world/generate/models.h"

#include <functional>

namespace {

constexpr float PI = 3.14159265f;

MaterialDef body_material(const char* map) {
    return {
        {0.9f, 0.9f, 0.9f, 1}, {0.9f, 0.9f, 0.9f, 1}, {0.15f, 0.15f, 0.15f, 1}, {0, 0, 0, 1}, map};
}

P3 pivot(const PivotXY (&pivots)[11], int k) {
    return {pivots[k].x, pivots[k].y, 0};
}

// Builds the eleven parts; `part` is called once per part with a builder for its mesh.
ModelDef figure(const char* name, const char* map,
                const std::function<void(int, MeshBuilder&)>& part) {
    static const char* const PART_NAMES[11] = {
        "hips",      "torso",   "head",   "upper_arm_l", "forearm_l", "upper_arm_r",
        "forearm_r", "thigh_l", "shin_l", "thigh_r",     "shin_r"};
    ModelDef model{name, name, {}};
    for (int k = 0; k < 11; ++k) {
        MeshDef mesh{PART_NAMES[k], {}, {}, body_material(map)};
        MeshBuilder b(mesh);
        part(k, b);
        model.meshes.push_back(mesh);
    }
    return model;
}

P3 mirror(P3 p, float side) {
    return {p.x * side, p.y, p.z};
}

// A box given by two corners, mirrored to one side of the body (side = -1 left, +1 right).
void side_box(MeshBuilder& b, float side, P3 lo, P3 hi, SkinRect r, unsigned faces = 0x3f) {
    P3 a = mirror(lo, side), c = mirror(hi, side);
    if (a.x > c.x) std::swap(a.x, c.x);
    b.box(a, c, r, faces);
}

std::vector<RY> sphere_profile(float radius, float from_deg, float to_deg, int bands, bool poles) {
    std::vector<RY> profile;
    for (int k = 0; k <= bands; ++k) {
        const float phi = (from_deg + (to_deg - from_deg) * k / bands) * PI / 180;
        float r = radius * std::cos(phi);
        if (poles && (k == 0 || k == bands)) r = 0;
        profile.push_back({r, radius * std::sin(phi)});
    }
    return profile;
}

} // namespace

ModelDef make_teletubby() {
    using namespace skin_teletubby;
    const auto& pv = TELETUBBY_PIVOTS;
    return figure("teletub1", "teletub_kleiderbuegel", [&](int k, MeshBuilder& b) {
        const float side = (k == 3 || k == 4 || k == 7 || k == 8) ? -1.0f : 1.0f;
        switch (k) {
        case 0:
            b.box({-0.17f, 0.40f, -0.14f}, {0.17f, 0.53f, 0.14f}, TRUNK);
            break;
        case 1:
            b.box({-0.12f, 1.06f, -0.11f}, {0.12f, 1.15f, 0.11f}, TRUNK);
            break;
        case 2: {
            // A round, pear-shaped body; open at both ends where hips and head close it.
            b.lathe({{0.10f, 0.42f},
                     {0.16f, 0.45f},
                     {0.21f, 0.50f},
                     {0.25f, 0.60f},
                     {0.262f, 0.73f},
                     {0.245f, 0.86f},
                     {0.205f, 0.96f},
                     {0.16f, 1.04f},
                     {0.115f, 1.10f},
                     {0.07f, 1.14f}},
                    16, {0, 0, 0}, BODY);
            b.lathe(sphere_profile(0.19f, -65, 80, 7, false), 16, {0, 1.30f, 0}, HEAD);
            // Antenna: a stalk from the crown carrying a triangular loop like a coat hanger.
            b.box({-0.03f, 1.47f, -0.03f}, {0.03f, 1.62f, 0.03f}, ANTENNA, 0x1f);
            const P3 l = {-0.1f, 1.62f, 0}, r = {0.1f, 1.62f, 0}, top = {0, 1.80f, 0};
            b.limb(l, r, 0.025f, 0.025f, 0.025f, 0.025f, ANTENNA, 0.012f, 0x0f);
            b.limb(l, top, 0.025f, 0.025f, 0.025f, 0.025f, ANTENNA, 0.012f, 0x0f);
            b.limb(r, top, 0.025f, 0.025f, 0.025f, 0.025f, ANTENNA, 0.012f, 0x0f);
            // The screen on the tummy, standing just proud of the body.
            b.flat_quad({-0.09f, 0.62f, 0.262f}, {0.09f, 0.62f, 0.262f}, {0.09f, 0.80f, 0.262f},
                        {-0.09f, 0.80f, 0.262f}, {0, 0, 1}, SCREEN);
            // Ears: two small fins on the sides of the head.
            for (float s : {-1.0f, 1.0f})
                b.flat_quad({s * 0.168f, 1.36f, -0.05f}, {s * 0.168f, 1.36f, 0.05f},
                            {s * 0.168f, 1.50f, 0.05f}, {s * 0.168f, 1.50f, -0.05f}, {s, 0, 0},
                            ANTENNA);
            break;
        }
        case 3:
        case 5:
            b.limb(pivot(pv, k), pivot(pv, k + 1), 0.11f, 0.10f, 0.11f, 0.10f, LIMB, 0.03f);
            break;
        case 4:
        case 6: {
            const P3 hand = mirror({0.29f, 0.60f, 0}, side);
            b.limb(pivot(pv, k), hand, 0.10f, 0.09f, 0.10f, 0.09f, LIMB, 0.02f);
            side_box(b, side, {0.245f, 0.50f, -0.055f}, {0.345f, 0.61f, 0.06f}, HAND);
            break;
        }
        case 7:
        case 9:
            b.limb(pivot(pv, k), pivot(pv, k + 1), 0.14f, 0.13f, 0.14f, 0.13f, LIMB, 0.02f);
            break;
        case 8:
        case 10:
            b.limb(pivot(pv, k), mirror({0.103f, 0.06f, 0}, side), 0.13f, 0.12f, 0.13f, 0.12f, LIMB,
                   0.02f);
            side_box(b, side, {0.03f, 0, -0.09f}, {0.18f, 0.08f, 0.14f}, HAND);
            break;
        default:
            break;
        }
    });
}

ModelDef make_caveorc() {
    using namespace skin_caveorc;
    const auto& pv = CAVEORC_PIVOTS;
    return figure("caveorc", "hoehlenorc", [&](int k, MeshBuilder& b) {
        const float side = (k == 3 || k == 4 || k == 7 || k == 8) ? -1.0f : 1.0f;
        switch (k) {
        case 0:
            b.box({-0.55f, 1.10f, -0.35f}, {0.55f, 1.50f, 0.35f}, BREECHES); // hips
            b.box({-0.58f, 1.42f, -0.38f}, {0.58f, 1.55f, 0.38f}, LEATHER);  // belt
            b.box({-0.28f, 0.72f, 0.30f}, {0.28f, 1.15f, 0.38f}, LEATHER);   // loincloth
            b.box({-0.28f, 0.80f, -0.38f}, {0.28f, 1.15f, -0.30f}, LEATHER);
            break;
        case 1:
            // A hulking, hunched torso: belly, a huge chest, leather shoulder pads.
            {
                const SkinRect belly = {JERKIN.u0, JERKIN.v0, JERKIN.u1, 0.45f};
                const SkinRect chest = {JERKIN.u0, 0.47f, JERKIN.u1, JERKIN.v1};
                b.tapered_box(1.50f, 2.20f, 0.60f, 0.40f, 0.70f, 0.43f, {0, 0, 0.02f},
                              {0, 0, 0.05f}, LEATHER, 0x3f, &belly);
                b.tapered_box(2.15f, 2.95f, 0.78f, 0.43f, 0.88f, 0.40f, {0, 0, 0.05f}, {0, 0, 0},
                              LEATHER, 0x3f, &chest);
            }
            b.box({-0.95f, 2.72f, -0.32f}, {-0.50f, 3.02f, 0.32f}, LEATHER);
            b.box({0.50f, 2.72f, -0.32f}, {0.95f, 3.02f, 0.32f}, LEATHER);
            break;
        case 2:
            // A small head thrust forward, an underbite and two tusks.
            {
                const SkinRect brow = {FACE.u0, 0.17f, FACE.u1, FACE.v1};
                const SkinRect mouth = {0.36f, FACE.v0, 0.64f, 0.16f};
                b.box({-0.28f, 2.95f, -0.12f}, {0.28f, 3.45f, 0.40f}, HIDE, 0x3f, &brow);
                b.box({-0.31f, 2.84f, 0.02f}, {0.31f, 3.06f, 0.50f}, HIDE, 0x3f, &mouth);
            }
            for (float s : {-1.0f, 1.0f})
                b.tapered_box(3.0f, 3.26f, 0.04f, 0.03f, 0.012f, 0.012f, {s * 0.2f, 0, 0.45f},
                              {s * 0.23f, 0, 0.46f}, TUSK);
            break;
        case 3:
        case 5:
            b.limb(pivot(pv, k), pivot(pv, k + 1), 0.38f, 0.32f, 0.38f, 0.32f, HIDE, 0.08f);
            break;
        case 4:
        case 6:
            b.limb(pivot(pv, k), mirror({1.04f, 1.08f, 0}, side), 0.32f, 0.28f, 0.32f, 0.28f, HIDE,
                   0.05f);
            side_box(b, side, {0.86f, 0.78f, -0.17f}, {1.22f, 1.10f, 0.19f}, HIDE); // fist
            break;
        case 7:
        case 9:
            b.limb(pivot(pv, k), pivot(pv, k + 1), 0.44f, 0.38f, 0.44f, 0.38f, BREECHES, 0.06f);
            break;
        case 8:
        case 10:
            b.limb(pivot(pv, k), mirror({0.435f, 0.04f, 0}, side), 0.36f, 0.32f, 0.36f, 0.32f,
                   BREECHES, 0.04f);
            // The foot: its back and sole are hidden by the shin and the floor.
            side_box(b, side, {0.23f, 0, -0.15f}, {0.64f, 0.16f, 0.42f}, HIDE, 0x1b);
            break;
        default:
            break;
        }
    });
}

ModelDef make_princess() {
    using namespace skin_princess;
    const auto& pv = PRINCESS_PIVOTS;
    return figure("princess", "princess", [&](int k, MeshBuilder& b) {
        const float side = (k == 3 || k == 4 || k == 7 || k == 8) ? -1.0f : 1.0f;
        switch (k) {
        case 0:
            // The gown's skirt, flaring to the floor, with a sash at the waist.
            b.lathe({{0.42f, 0.02f}, {0.34f, 0.35f}, {0.24f, 0.65f}, {0.15f, 0.90f}}, 12, {0, 0, 0},
                    GOWN);
            b.cap(0.42f, 0.02f, 12, {0, 0, 0}, false, GOWN);
            b.box({-0.16f, 0.86f, -0.12f}, {0.16f, 0.93f, 0.12f}, BODICE);
            break;
        case 1:
            b.lathe({{0.13f, 0.88f},
                     {0.14f, 1.00f},
                     {0.15f, 1.12f},
                     {0.155f, 1.22f},
                     {0.15f, 1.32f},
                     {0.10f, 1.40f}},
                    12, {0, 0, 0}, BODICE);
            b.cap(0.10f, 1.40f, 12, {0, 0, 0}, true, BODICE);
            b.cap(0.13f, 0.88f, 12, {0, 0, 0}, false, BODICE);
            b.box({-0.04f, 1.36f, -0.04f}, {0.04f, 1.50f, 0.04f}, SKIN);  // neck
            b.box({-0.27f, 1.26f, -0.09f}, {-0.13f, 1.42f, 0.09f}, GOWN); // puffed sleeves
            b.box({0.13f, 1.26f, -0.09f}, {0.27f, 1.42f, 0.09f}, GOWN);
            break;
        case 2: {
            b.lathe(sphere_profile(0.11f, -90, 90, 8, true), 12, {0, 1.58f, 0.01f}, HEAD);
            // A golden crown seated on the head: outer and inner band, spikes facing both ways.
            const P3 c = {0, 1.58f, 0};
            b.lathe({{0.082f, 0.065f}, {0.082f, 0.12f}}, 8, c, CROWN);
            b.lathe({{0.078f, 0.065f}, {0.078f, 0.12f}}, 8, c, CROWN, -PI, PI, true);
            for (int i = 0; i < 8; ++i) {
                const float a0 = -PI + 2 * PI * i / 8, a1 = -PI + 2 * PI * (i + 1) / 8;
                const float am = (a0 + a1) / 2;
                const P3 p0 = {0.082f * std::sin(a0), 1.70f, 0.082f * std::cos(a0)};
                const P3 p1 = {0.082f * std::sin(a1), 1.70f, 0.082f * std::cos(a1)};
                const P3 tip = {0.08f * std::sin(am), 1.76f, 0.08f * std::cos(am)};
                const P3 out = {std::sin(am), 0, std::cos(am)};
                b.flat_tri(p0, p1, tip, out, CROWN);
                b.flat_tri(p0, p1, tip, out * -1.0f, CROWN);
            }
            // Long hair falling down the back to the shoulders.
            b.lathe({{0.15f, 1.25f}, {0.13f, 1.42f}, {0.125f, 1.55f}, {0.09f, 1.68f}}, 12,
                    {0, 0, 0}, HAIR, PI / 2, 3 * PI / 2);
            break;
        }
        case 3:
        case 5:
            b.limb(pivot(pv, k), pivot(pv, k + 1), 0.075f, 0.065f, 0.075f, 0.065f, GOWN, 0.02f);
            break;
        case 4:
        case 6:
            b.limb(pivot(pv, k), mirror({0.27f, 0.93f, 0}, side), 0.06f, 0.055f, 0.06f, 0.055f,
                   GOWN, 0.015f);
            side_box(b, side, {0.25f, 0.85f, -0.025f}, {0.30f, 0.93f, 0.03f}, SKIN); // hand
            break;
        case 7:
        case 9:
            b.limb(pivot(pv, k), pivot(pv, k + 1), 0.09f, 0.08f, 0.09f, 0.08f, GOWN, 0.02f);
            break;
        case 8:
        case 10:
            b.limb(pivot(pv, k), mirror({0.12f, 0.05f, 0}, side), 0.08f, 0.07f, 0.08f, 0.07f, GOWN,
                   0.02f);
            side_box(b, side, {0.08f, 0, -0.05f}, {0.16f, 0.06f, 0.10f}, BODICE); // slipper
            break;
        default:
            break;
        }
    });
}

ModelDef make_fuerst() {
    using namespace skin_fuerst;
    const auto& pv = FUERST_PIVOTS;
    return figure("fuerst_der_finsternis", "fuerst_for_animat", [&](int k, MeshBuilder& b) {
        const float side = (k == 3 || k == 4 || k == 7 || k == 8) ? -1.0f : 1.0f;
        switch (k) {
        case 0:
            b.box({-0.26f, 1.10f, -0.16f}, {0.26f, 1.38f, 0.16f}, ARMOUR);
            break;
        case 1: {
            b.tapered_box(1.32f, 2.20f, 0.24f, 0.17f, 0.36f, 0.19f, {0, 0, 0}, {0, 0, 0}, ARMOUR);
            // A cape from the shoulders almost to the floor, seen from both sides.
            const P3 a = {-0.38f, 2.18f, -0.21f}, b2 = {0.38f, 2.18f, -0.21f},
                     c = {0.55f, 0.35f, -0.34f}, d = {-0.55f, 0.35f, -0.34f};
            b.flat_quad(d, c, b2, a, {0, 0.1f, -1}, CAPE);
            b.flat_quad(d, c, b2, a, {0, -0.1f, 1}, CAPE);
            break;
        }
        case 2: {
            b.box({-0.07f, 2.10f, -0.07f}, {0.07f, 2.24f, 0.07f}, ARMOUR); // neck
            const P3 c = {0, 0, 0.01f};
            b.lathe(
                {{0.08f, 2.18f}, {0.15f, 2.30f}, {0.17f, 2.42f}, {0.16f, 2.54f}, {0.11f, 2.62f}}, 8,
                c, HELMET);
            b.lathe({{0.11f, 2.62f}, {0, 2.80f}}, 8, c, SPIKE); // the helmet's spike
            // Two horns sweeping up and out from the helmet.
            for (float s : {-1.0f, 1.0f}) {
                const float h = 0.035f;
                const P3 base = {s * 0.15f, 2.50f, 0};
                const P3 tip = {s * 0.34f, 2.76f, 0.03f};
                const P3 q[4] = {base + P3{0, -h, -h}, base + P3{0, -h, h}, base + P3{0, h, h},
                                 base + P3{0, h, -h}};
                for (int i = 0; i < 4; ++i) {
                    const P3 mid = (q[i] + q[(i + 1) % 4]) * 0.5f;
                    b.flat_tri(q[i], q[(i + 1) % 4], tip, mid - base, SPIKE);
                }
            }
            break;
        }
        case 3:
        case 5:
            b.limb(pivot(pv, k), pivot(pv, k + 1), 0.15f, 0.13f, 0.15f, 0.13f, ARMOUR, 0.04f);
            break;
        case 4:
        case 6:
            b.limb(pivot(pv, k), mirror({0.43f, 1.22f, 0}, side), 0.13f, 0.12f, 0.13f, 0.12f,
                   ARMOUR, 0.03f);
            side_box(b, side, {0.38f, 1.02f, -0.05f}, {0.50f, 1.24f, 0.08f}, ARMOUR);
            break;
        case 7:
        case 9:
            b.limb(pivot(pv, k), pivot(pv, k + 1), 0.17f, 0.15f, 0.18f, 0.16f, ARMOUR, 0.03f);
            break;
        case 8:
        case 10:
            b.limb(pivot(pv, k), mirror({0.175f, 0.12f, 0}, side), 0.15f, 0.13f, 0.16f, 0.14f,
                   ARMOUR, 0.03f);
            side_box(b, side, {0.10f, 0, -0.10f}, {0.25f, 0.14f, 0.20f}, ARMOUR); // boot
            break;
        default:
            break;
        }
    });
}
