// The segment-against-polygon helpers and the shadow test over a scene.
#include "game/lightmap/shadow.h"

#include "game/world/scene.h"
#include "lightmap_fixtures.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// A 2 x 2 quad in the plane y = 1, corners at x, z = +-1; its face normal points up.
const Vec3 QUAD[4] = {{1, 1, 1}, {-1, 1, 1}, {-1, 1, -1}, {1, 1, -1}};

TEST(ShadowHelpers, FaceNormalAndPlane) {
    const Vec3 n = face_normal(QUAD);
    EXPECT_FLOAT_EQ(n.x, 0);
    EXPECT_FLOAT_EQ(n.y, 1);
    EXPECT_FLOAT_EQ(n.z, 0);
    Vec3 out_n;
    float d = 0;
    segment_crosses_plane(QUAD, {0, 2, 0}, {0, 0, 0}, out_n, d);
    EXPECT_FLOAT_EQ(d, -1); // -dot((0, 1, 0), (1, 1, 1))
}

TEST(ShadowHelpers, SegmentAgainstQuadTable) {
    struct Case {
        const char* what;
        Vec3 a, b;
        bool crosses, hits;
    };
    const Case cases[] = {
        {"straight through the middle", {0, 2, 0}, {0, 0, 0}, true, true},
        {"slanted through the inside", {-3, 3, 0}, {1, 0, 0}, true, true},
        {"crosses the plane outside the quad", {3, 2, 0}, {3, 0, 0}, true, false},
        {"both ends above", {0, 3, 0}, {0, 2, 0}, false, false},
        {"lower end exactly on the plane", {0, 2, 0}, {0, 1, 0}, false, false},
        {"upper end exactly on the plane", {0, 1, 0}, {0, 0, 0}, false, false},
        {"through an edge: point_in_polygon counts it inside", {1, 2, 0}, {1, 0, 0}, true, true},
        // Exactly at a corner two of the four angles are undefined and count 0: a quarter turn.
        {"through a corner", {1, 2, 1}, {1, 0, 1}, true, false},
        {"just beyond an edge", {1.2f, 2, 0}, {1.2f, 0, 0}, true, false},
        // The angle sum's tolerance takes in a thin seam outside the outline.
        {"a thousandth beyond an edge", {1.001f, 2, 0}, {1.001f, 0, 0}, true, true},
    };
    for (const Case& c : cases) {
        Vec3 n;
        float d = 0;
        EXPECT_EQ(segment_crosses_plane(QUAD, c.a, c.b, n, d), c.crosses) << c.what;
        EXPECT_EQ(segment_hits_polygon(QUAD, c.a, c.b, 4), c.hits) << c.what;
    }
}

TEST(ShadowHelpers, LinePlanePoint) {
    const Vec3 n = {0, 1, 0};
    const Vec3 p = line_plane_point(n, -1, {-3, 3, 0}, {1, 0, 0});
    EXPECT_NEAR(p.x, -1.0f / 3.0f, 1e-6);
    EXPECT_NEAR(p.y, 1, 1e-6);
    // Parallel to the plane: the start point.
    const Vec3 q = line_plane_point(n, -1, {5, 3, 2}, {-5, 3, 2});
    EXPECT_EQ(q.x, 5);
    EXPECT_EQ(q.y, 3);
    EXPECT_EQ(q.z, 2);
}

TEST(LightReachesPoint, BlockersAndExceptions) {
    Scene s;
    s.surfaces.push_back(make_surface("boden1", 0, 0, 0, FACE_FLOOR, 2, 1, 2));
    s.surfaces.push_back(make_surface("decke1", 0, 1, 0, FACE_CEILING, 0.5f, 1, 0.5f));
    const uint32_t floor_id = s.surfaces[0].id;
    const Vec3 light = {0, 2, 0};
    EXPECT_FALSE(light_reaches_point(s, light, {0, 0, 0}, floor_id));
    EXPECT_TRUE(light_reaches_point(s, light, {1.5f, 0, 1.5f}, floor_id));
    // The surface being lit is skipped by its id...
    EXPECT_TRUE(light_reaches_point(s, light, {0, 0, 0}, s.surfaces[1].id));
    // ...and light markers never cast shadows.
    s.surfaces[1].name = "lichtdecke";
    EXPECT_TRUE(light_reaches_point(s, light, {0, 0, 0}, floor_id));
}

// The patch lists keep the seam that point_in_polygon's tolerance adds around a quad: a texel
// whose segment passes just outside a plate's edge is still shadowed by it.
TEST(LightReachesPoint, PatchCandidatesKeepTheToleranceSeam) {
    Scene s;
    s.surfaces.push_back(make_surface("boden1", 0, 0, 0, FACE_FLOOR, 3, 1, 3));
    s.surfaces.push_back(make_surface("decke1", 0, 1, 0, FACE_CEILING, 1, 1, 1));
    const std::vector<ShadowCaster> casters = shadow_casters(s, s.surfaces[0].id);
    const Vec3 light = {1.001f, 2, 0};
    const Vec3 p = {1.001f, 0, 0};
    ASSERT_FALSE(light_reaches_point(s, light, p, s.surfaces[0].id));
    const Vec3 patch[4] = {{1, 0, -0.1f}, {1.1f, 0, -0.1f}, {1, 0, 0.1f}, {1.1f, 0, 0.1f}};
    std::vector<const ShadowCaster*> candidates;
    const bool all_dark = casters_for_patch(casters, light, patch, candidates);
    const ShadowCaster* last = nullptr;
    EXPECT_FALSE(!all_dark && light_reaches_point(candidates, light, p, last));
}

// The patch lists must never change an answer: over a jumble of surfaces aligned on a half-unit
// grid (so that many segments graze edges and corners), every texel point of a patch gets the
// same answer from its candidates as from the plain walk over the scene.
TEST(LightReachesPoint, PatchCandidatesAgreeWithPlainWalk) {
    std::mt19937 rng(7);
    auto grid = [&](int lo, int hi) {
        return 0.5f * std::uniform_int_distribution<int>(lo * 2, hi * 2)(rng);
    };
    Scene s;
    s.surfaces.push_back(make_surface("boden1", 0, 0, 0, FACE_FLOOR, 3, 1, 3));
    for (int i = 0; i < 60; ++i) {
        const uint32_t face = std::uniform_int_distribution<uint32_t>(0, 5)(rng);
        s.surfaces.push_back(make_surface("wand", grid(-3, 3), grid(0, 3), grid(-3, 3), face,
                                          grid(1, 2), grid(1, 2), grid(1, 2)));
    }
    // A few crossed quads (corners out of order) among them, where only the angle sum decides.
    for (int i = 1; i <= 3; ++i)
        std::swap(s.surfaces[size_t(i) * 7].corners[1], s.surfaces[size_t(i) * 7].corners[2]);
    const std::vector<ShadowCaster> casters = shadow_casters(s, s.surfaces[0].id);
    std::vector<const ShadowCaster*> candidates;
    int blocked = 0, total = 0, whole_patches = 0;
    for (const Vec3 light : {Vec3{0, 3.5f, 0}, Vec3{2.5f, 1.0f, -2.5f}, Vec3{-1, 0.5f, 1}}) {
        for (float x0 = -3; x0 < 3; x0 += 1.5f)
            for (float z0 = -3; z0 < 3; z0 += 1.5f) {
                const Vec3 patch[4] = {
                    {x0, 0, z0}, {x0 + 1.5f, 0, z0}, {x0, 0, z0 + 1.5f}, {x0 + 1.5f, 0, z0 + 1.5f}};
                const bool all_dark = casters_for_patch(casters, light, patch, candidates);
                whole_patches += all_dark ? 1 : 0;
                const ShadowCaster* last = nullptr;
                for (int i = 0; i <= 12; ++i)
                    for (int k = 0; k <= 12; ++k) {
                        const Vec3 p = {x0 + 0.125f * i, 0, z0 + 0.125f * k};
                        const bool plain = light_reaches_point(s, light, p, s.surfaces[0].id);
                        const bool fast =
                            !all_dark && light_reaches_point(candidates, light, p, last);
                        ASSERT_EQ(fast, plain)
                            << p.x << " " << p.z << " light " << light.x << " " << light.y;
                        blocked += plain ? 0 : 1;
                        ++total;
                    }
            }
    }
    // The scene must actually shade some points and leave others lit.
    EXPECT_GT(blocked, total / 20);
    EXPECT_LT(blocked, total - total / 20);
    // and some patches must lie wholly in one surface's shadow, the shortcut being checked too.
    EXPECT_GT(whole_patches, 0);
}

} // namespace
