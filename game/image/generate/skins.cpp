#include "skins.h"

#include "noise.h"

#include <cmath>

namespace {

constexpr int S = 256;
constexpr float TAU = 6.2831853f;

float uf(int x) {
    return (float(x) + 0.5f) / S;
}

// Soft ellipse coverage in texture units.
float ellipse(float u, float v, float cu, float cv, float ru, float rv) {
    const float d = std::hypot((u - cu) / ru, (v - cv) / rv);
    return clamp01((1 - d) * std::min(ru, rv) * S + 0.5f);
}

Colour face(Colour skin, Colour col, float u, float v, float cv, Colour eye, bool smile = true) {
    const float f = ellipse(u, v, 0.5f, cv, 0.2f, 0.1f);
    if (f <= 0) return col;
    Colour c = mix(col, skin, f);
    for (float eu : {0.43f, 0.57f})
        c = mix(c, eye, ellipse(u, v, eu, cv - 0.02f, 0.018f, 0.018f));
    // A smile (the lower part of a ring below the eyes) or a scowl (the upper part of one).
    if (smile) {
        const float mouth = std::fabs(std::hypot(u - 0.5f, (v - cv + 0.025f) * 1.3f) - 0.065f);
        if (v > cv + 0.015f) c = mix(c, skin * 0.5f, clamp01(1.5f - mouth * S));
    } else {
        const float mouth = std::fabs(std::hypot(u - 0.5f, (v - cv - 0.1f) * 1.3f) - 0.075f);
        if (v < cv + 0.05f && v > cv + 0.02f) c = mix(c, skin * 0.4f, clamp01(1.5f - mouth * S));
    }
    return c;
}

} // namespace

Canvas teletubby_skin() {
    Canvas c(S, S);
    c.paint([](int x, int y) {
        const float u = uf(x), v = uf(y);
        // Plush fur: streaks that run down the body.
        const float fur =
            tile_noise(u * 0.25f, v, 48, 201) * 0.5f + tile_noise(u, v, 32, 202) * 0.5f;
        Colour col = mix(rgb(104, 58, 156), rgb(150, 96, 198), 0.5f + 0.6f * fur);
        col = face(rgb(238, 200, 166), col, u, v, 0.13f, rgb(40, 30, 40));
        // The screen on the tummy, with a glossy stripe.
        const float screen =
            box_coverage(float(x), float(y), 0.33f * S, 0.36f * S, 0.67f * S, 0.56f * S, 10);
        if (screen > 0) {
            Colour glass = mix(rgb(170, 176, 186), rgb(215, 222, 232), clamp01((u - v + 0.2f) * 3));
            const float rim =
                box_coverage(float(x), float(y), 0.31f * S, 0.34f * S, 0.69f * S, 0.58f * S, 12);
            col = mix(col, rgb(120, 124, 132), rim);
            col = mix(col, glass, screen);
        }
        // Darker, thicker fur on the legs.
        if (v > 0.65f) col = col * 0.88f;
        return col;
    });
    return c;
}

Canvas fuerst_skin() {
    Canvas c(S, S);
    c.paint([](int x, int y) {
        const float u = uf(x), v = uf(y);
        const float n = tile_fbm(u, v, 8, 4, 211);
        // Black plate armour: horizontal plates, lit along their upper rims, gold trim.
        const float plate = std::fmod(v * 10, 1.f);
        Colour col = rgb(34, 32, 40) * (0.85f + 0.25f * n);
        if (plate < 0.08f)
            col = rgb(150, 120, 50);
        else if (plate < 0.2f)
            col = col * 1.45f;
        else if (plate > 0.9f)
            col = col * 0.6f;
        // A blood-red cloak down both sides, in folds.
        const float side = std::min(u, 1 - u);
        if (side < 0.2f && v > 0.22f) {
            const float fold = 0.75f + 0.25f * std::sin(TAU * u * 10 + 2 * n);
            col = mix(col, rgb(110, 12, 22) * fold, smoothstep(0.2f, 0.17f, side));
        }
        // The helmet: a dark visor with burning eyes.
        if (v < 0.22f) {
            Colour helm = rgb(26, 24, 30) * (0.9f + 0.3f * (1 - std::fabs(u - 0.5f) * 2));
            const float slit =
                box_coverage(float(x), float(y), 0.3f * S, 0.09f * S, 0.7f * S, 0.12f * S, 2);
            helm = mix(helm, rgb(8, 6, 6), slit);
            for (float eu : {0.42f, 0.58f}) {
                helm = helm + rgb(255, 60, 20) * ellipse(u, v, eu, 0.105f, 0.05f, 0.03f) * 0.6f;
                helm = mix(helm, rgb(255, 190, 80), ellipse(u, v, eu, 0.105f, 0.02f, 0.01f));
            }
            // A crown of spikes along the top edge.
            const float spike = std::fabs(std::fmod(u * 8, 1.f) - 0.5f) * 2;
            if (v < 0.05f * (1 - spike) + 0.01f) helm = rgb(170, 140, 60);
            col = helm;
        }
        return col;
    });
    return c;
}

Canvas princess_skin() {
    Canvas c(S, S);
    c.paint([](int x, int y) {
        const float u = uf(x), v = uf(y);
        const float n = tile_fbm(u, v, 8, 3, 221);
        // A pink silk gown with a diamond pattern of gold thread; the bodice a shade deeper.
        Colour col = mix(rgb(232, 138, 176), rgb(246, 176, 204), 0.5f + 0.5f * n);
        if (v > 0.25f && v < 0.5f) col = col * 0.9f;
        const float du = std::fabs(std::fmod(u * 8 + v * 8, 1.f) - 0.5f);
        const float dv = std::fabs(std::fmod(u * 8 - v * 8 + 8, 1.f) - 0.5f);
        if (v > 0.5f && (du > 0.46f || dv > 0.46f)) col = mix(col, rgb(236, 196, 90), 0.8f);
        if (v > 0.5f) col = col * (0.85f + 0.2f * (0.5f + 0.5f * std::sin(TAU * u * 6))); // folds
        // The head: golden hair around the face, a small crown with a red stone.
        if (v < 0.27f) {
            const float hair = tile_noise(u * 0.3f, v, 32, 222);
            col = mix(rgb(214, 168, 70), rgb(248, 214, 120), 0.5f + 0.5f * hair);
            col = face(rgb(246, 212, 186), col, u, v, 0.15f, rgb(40, 80, 150));
            if (v < 0.05f) {
                Colour gold = rgb(240, 200, 70) * (0.9f + 0.2f * std::sin(TAU * u * 12));
                col = mix(gold, rgb(200, 20, 40), ellipse(u, v, 0.5f, 0.025f, 0.025f, 0.02f));
            }
        }
        return col;
    });
    return c;
}

Canvas orc_skin() {
    Canvas c(S, S);
    c.paint([](int x, int y) {
        const float u = uf(x), v = uf(y);
        const float mottle = tile_fbm(u, v, 6, 5, 231);
        const Colour skin = mix(rgb(78, 112, 52), rgb(112, 142, 66), 0.5f + 0.6f * mottle);
        Colour col = skin;
        // Leather jerkin with two crossed straps and iron buckles.
        if (v > 0.25f && v < 0.62f) {
            col = mix(rgb(92, 62, 36), rgb(120, 84, 50), 0.5f + 0.5f * tile_noise(u, v, 24, 232));
            for (float dir : {1.f, -1.f}) {
                const float d = std::fabs((u - 0.5f) - dir * (v - 0.43f));
                if (d < 0.05f) col = rgb(60, 40, 24) * (d < 0.04f ? 1.f : 0.7f);
            }
            col = mix(col, rgb(140, 140, 146), ellipse(u, v, 0.5f, 0.43f, 0.035f, 0.035f));
        }
        // Fur breeches.
        if (v >= 0.62f)
            col = mix(rgb(70, 52, 36), rgb(110, 84, 58),
                      0.5f + 0.5f * tile_noise(u * 0.3f, v, 40, 233));
        // The head: heavy brow, yellow eyes, tusks.
        if (v < 0.25f) {
            col = face(skin * 1.05f, skin * 0.9f, u, v, 0.13f, rgb(230, 200, 40), false);
            for (float tu : {0.44f, 0.56f}) {
                const float tusk = box_coverage(float(x), float(y), (tu - 0.012f) * S, 0.155f * S,
                                                (tu + 0.012f) * S, 0.2f * S, 3);
                col = mix(col, rgb(238, 232, 210), tusk);
            }
            if (v > 0.08f && v < 0.095f && std::fabs(u - 0.5f) < 0.12f) col = col * 0.55f;
        }
        return col;
    });
    return c;
}
