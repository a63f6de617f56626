// The per-texel light against texels worked out by hand, the corner roles and the grid sizes.
#include "game/lightmap/lightmap_texels.h"

#include "game/world/scene.h"
#include "lightmap_fixtures.h"

#include <gtest/gtest.h>

#include "game/lightmap/shadow.h"

#include <random>

namespace {

TEST(CornerRoles, EveryCubeFaceHasAllFour) {
    // Each face of the room cube, scaled as a level surface would be.
    for (uint32_t face = 0; face < 6; ++face) {
        const Surface s = make_surface("wand", 0, 0, 0, face, 3, 2, 5);
        const CornerRoles r = corner_roles(s.own_texcoords);
        ASSERT_GE(r.origin, 0) << face;
        ASSERT_GE(r.u, 0) << face;
        ASSERT_GE(r.v, 0) << face;
        ASSERT_GE(r.far, 0) << face;
        EXPECT_EQ(r.origin + r.u + r.v + r.far, 0 + 1 + 2 + 3) << face;
    }
}

TEST(CornerRoles, LastCornerOfARoleWinsAndCoordinatesAreZeroOrOne) {
    const float tc[8] = {0, 0, 4, 0, 0, 0, 0, 2.5f};
    const CornerRoles r = corner_roles(tc);
    EXPECT_EQ(r.origin, 2);
    EXPECT_EQ(r.u, 1);
    EXPECT_EQ(r.v, 3);
    EXPECT_EQ(r.far, -1);

    Surface s = make_surface("boden1", 0, 0, 0, FACE_FLOOR, 10, 1, 10);
    set_lightmap_texcoords(s);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(s.own_lightmap_texcoords[i], s.own_texcoords[i] == 0 ? 0.0f : 1.0f) << i;
    // A copy writes into its own array.
    Surface copy = s;
    copy.own_lightmap_texcoords[0] = 7;
    set_lightmap_texcoords(copy);
    EXPECT_EQ(copy.lightmap_texcoords, copy.own_lightmap_texcoords);
    EXPECT_NE(copy.own_lightmap_texcoords[0], 7);
}

TEST(LightmapGrid, SizeFollowsTheEdgesAt64TexelsPerUnit) {
    struct Case {
        float sx, sz;
        int w, h;
    };
    // A floor of scale s spans 2 s units; its u edge runs along x, its v edge along z.
    const Case cases[] = {{0.5f, 0.5f, 64, 64}, {1.0f, 0.25f, 128, 32}, {0.001f, 0.5f, 1, 64}};
    const float no_light[3] = {0, 0, 0};
    for (const Case& c : cases) {
        Scene scene;
        const Surface s = make_surface("boden1", 0, 0, 0, FACE_FLOOR, c.sx, 1, c.sz);
        const TexelGrid g = compute_lightmap_texels(scene, s, nullptr, 0, no_light, 64);
        EXPECT_EQ(g.width, c.w) << c.sx;
        EXPECT_EQ(g.height, c.h) << c.sz;
        EXPECT_EQ(g.rgb.size(), size_t(c.w) * c.h * 3);
    }
}

class HandTexels : public testing::Test {
  protected:
    // A 1 x 1 floor at y = 0: origin corner A = (-0.5, 0, 0.5), u edge towards +x, v edge
    // towards -z; 64 x 64 texels.
    Surface floor_ = make_surface("boden1", 0, 0, 0, FACE_FLOOR, 0.5f, 1, 0.5f);
    LightRecord light_;
    float global_[3] = {0.2f, 0.1f, 0.05f};
    Scene scene_;

    void SetUp() override {
        light_.constant = 1.0f;
        light_.linear = 0.1f;
        light_.quadratic = 0.05f;
        light_.position = {-0.5f, 2, 0.5f}; // 2 units above A
        const float ambient[3] = {0.3f, 0.1f, 0.0f}, diffuse[3] = {0.5f, 0.2f, 0.4f};
        std::copy(ambient, ambient + 3, light_.ambient);
        std::copy(diffuse, diffuse + 3, light_.diffuse);
        scene_.surfaces.push_back(floor_);
    }
    const float* texel(const TexelGrid& g, int c, int r) { return &g.rgb[(r * g.width + c) * 3]; }
    // (ambient + diffuse) * intensity + global ambient, per channel
    void expect_texel(const TexelGrid& g, int c, int r, double intensity, const char* what) {
        const double sum[3] = {0.8, 0.3, 0.4};
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(texel(g, c, r)[k], sum[k] * intensity + global_[k], 2e-6)
                << what << " channel " << k;
    }
};

TEST_F(HandTexels, AttenuatedCosineAtTexelCorners) {
    const TexelGrid g = compute_lightmap_texels(scene_, floor_, &light_, 1, global_, 64);
    ASSERT_EQ(g.width, 64);
    ASSERT_EQ(g.height, 64);
    // A itself: d = 2, cosine 1, attenuation 1 + 0.2 + 0.2 = 1.4.
    expect_texel(g, 0, 0, 1 / 1.4, "texel (0, 0)");
    // Half-way along A-B, P = (0, 0, 0.5): d = sqrt(4.25) = 2.061553, cosine 2 / d = 0.970143,
    // attenuation 1 + 0.206155 + 0.2125 = 1.418655.
    expect_texel(g, 32, 0, 0.683846, "texel (32, 0)");
    // The middle of the floor, P = (0, 0, 0): d = sqrt(4.5) = 2.121320, cosine 0.942809,
    // attenuation 1 + 0.212132 + 0.225 = 1.437132.
    expect_texel(g, 32, 32, 0.656035, "texel (32, 32)");
}

TEST_F(HandTexels, ShadowOfAQuadBetweenLightAndTexel) {
    // A small plate at y = 1 right under a light above the middle of the floor.
    light_.position = {0, 2, 0};
    scene_.surfaces.push_back(make_surface("decke1", 0, 1, 0, FACE_CEILING, 0.1f, 1, 0.1f));
    const TexelGrid g = compute_lightmap_texels(scene_, floor_, &light_, 1, global_, 64);
    // The middle is in the plate's shadow: only the global ambient is left.
    expect_texel(g, 32, 32, 0.0, "shadowed middle");
    // A is lit: d = sqrt(4.5), as the middle was above.
    expect_texel(g, 0, 0, 0.656035, "lit corner");
    // The shadow is the plate (0.2 wide) projected from twice its height: 0.4 units, about 26
    // texels across.
    int dark = 0;
    for (int c = 0; c < 64; ++c)
        dark += texel(g, c, 32)[0] == global_[0] ? 1 : 0;
    EXPECT_GE(dark, 24);
    EXPECT_LE(dark, 28);
}

TEST_F(HandTexels, FacingClampAndAmbient) {
    // A light exactly in the floor's plane (90 degrees from the normal at A) counts nowhere.
    light_.position = {3, 0, 0.5f};
    TexelGrid g = compute_lightmap_texels(scene_, floor_, &light_, 1, global_, 64);
    for (size_t i = 0; i < g.rgb.size(); ++i)
        ASSERT_EQ(g.rgb[i], global_[i % 3]) << i;
    // Slightly above the plane it does.
    light_.position = {3, 0.01f, 0.5f};
    g = compute_lightmap_texels(scene_, floor_, &light_, 1, global_, 64);
    EXPECT_GT(texel(g, 63, 0)[0], global_[0]);

    // Bright light is cut at 1.0 per channel; the other channels keep their value.
    light_.position = {-0.5f, 2, 0.5f};
    light_.diffuse[0] = 5.0f;
    g = compute_lightmap_texels(scene_, floor_, &light_, 1, global_, 64);
    EXPECT_EQ(texel(g, 0, 0)[0], 1.0f);
    EXPECT_NEAR(texel(g, 0, 0)[1], 0.3 / 1.4 + 0.1, 2e-6);

    // Lights past the eighth are ignored: nine copies give what eight give.
    light_.diffuse[0] = 0.01f;
    LightRecord nine[9];
    std::fill(nine, nine + 9, light_);
    const TexelGrid eight = compute_lightmap_texels(scene_, floor_, nine, 8, global_, 64);
    g = compute_lightmap_texels(scene_, floor_, nine, 9, global_, 64);
    EXPECT_EQ(g.rgb, eight.rgb);
}

// The whole computation against the plain definition: every texel point of a floor under a
// jumble of surfaces, lit or not as the walk over every surface of the scene decides.
TEST(LightmapTexels, AgreeWithThePlainShadowWalk) {
    std::mt19937 rng(11);
    auto grid = [&](int lo, int hi) {
        return 0.5f * std::uniform_int_distribution<int>(lo * 2, hi * 2)(rng);
    };
    Scene scene;
    scene.surfaces.push_back(make_surface("boden1", 0, 0, 0, FACE_FLOOR, 4, 1, 3));
    for (int i = 0; i < 40; ++i)
        scene.surfaces.push_back(make_surface("wand", grid(-4, 4), grid(0, 3), grid(-3, 3),
                                              std::uniform_int_distribution<uint32_t>(0, 5)(rng),
                                              grid(1, 2), grid(1, 2), grid(1, 2)));
    const Surface& floor = scene.surfaces[0];
    LightRecord lights[2];
    lights[0].position = {0.5f, 3.5f, -0.5f};
    lights[1].position = {-3, 1.5f, 2};
    for (LightRecord& l : lights)
        l.diffuse[0] = l.diffuse[1] = l.diffuse[2] = 0.4f;
    const float global[3] = {0.1f, 0.1f, 0.1f};
    const TexelGrid g = compute_lightmap_texels(scene, floor, lights, 2, global, 8);
    ASSERT_EQ(g.width, 64);
    ASSERT_EQ(g.height, 48);
    const LightmapFrame f = lightmap_frame(floor);
    int shadowed = 0;
    for (int r = 0; r < g.height; ++r)
        for (int c = 0; c < g.width; ++c) {
            const Vec3 p = f.a + (f.b - f.a) * (float(c) / float(g.width)) +
                           (f.c - f.a) * (float(r) / float(g.height));
            float expected = global[0];
            for (const LightRecord& l : lights) {
                if (!light_reaches_point(scene, l.position, p, floor.id)) {
                    ++shadowed;
                    continue;
                }
                const float d = distance(l.position, p);
                expected += 0.4f * dot(normalize(l.position - p), floor.normal) / (1 + 0 * d);
            }
            ASSERT_NEAR(g.rgb[(r * g.width + c) * 3], std::min(expected, 1.0f), 1e-6)
                << "texel " << c << ", " << r;
        }
    EXPECT_GT(shadowed, g.width * g.height / 10);
}

TEST_F(HandTexels, ProgressBeforeEveryTenthRowFromTheTop) {
    std::vector<int> seen;
    compute_lightmap_texels(scene_, floor_, &light_, 1, global_, 64,
                            [&](int percent) { seen.push_back(percent); });
    // Rows 60, 50, ..., 0 of 64: truncate((64 - r) * 64 / 40.96).
    EXPECT_EQ(seen, (std::vector<int>{6, 21, 37, 53, 68, 84, 100}));
}

} // namespace
