// Frustum extraction, the sphere and quad tests, and the display case's pane order, without a
// GL context.
#include "game/render/frustum.h"
#include "game/render/transparency.h"
#include "game/world/models.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// gluPerspective(90 degrees, aspect 1, near 1, far 100), column-major; camera at the origin
// looking down -z.
void perspective(float out[16]) {
    const float n = 1, f = 100;
    for (int i = 0; i < 16; ++i)
        out[i] = 0;
    out[0] = 1;
    out[5] = 1;
    out[10] = (f + n) / (n - f);
    out[11] = -1;
    out[14] = 2 * f * n / (n - f);
}

const float IDENTITY[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

class Frustum : public ::testing::Test {
  protected:
    void SetUp() override {
        float p[16];
        perspective(p);
        frustum_from_matrices(p, IDENTITY, frustum_planes);
    }
};

TEST_F(Frustum, PlanesAreUnitAndFaceInwards) {
    // right, left, bottom, top, far, near
    const float expected[6][4] = {{-0.70710677f, 0, -0.70710677f, 0},
                                  {0.70710677f, 0, -0.70710677f, 0},
                                  {0, 0.70710677f, -0.70710677f, 0},
                                  {0, -0.70710677f, -0.70710677f, 0},
                                  {0, 0, 1, 100},
                                  {0, 0, -1, -1}};
    for (int p = 0; p < 6; ++p)
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(frustum_planes[p][c], expected[p][c],
                        1e-5f * (1 + std::fabs(expected[p][c])))
                << "plane " << p << "." << c;
}

TEST_F(Frustum, ExtractionFollowsTheModelView) {
    // The camera turned to look down +x: a point ahead on +x is inside, one on -z is not.
    float p[16], m[16] = {0, 0, -1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1}; // rotate 90 about y
    perspective(p);
    frustum_from_matrices(p, m, frustum_planes);
    EXPECT_TRUE(sphere_visible(10, 0, 0, 0.1f));
    EXPECT_FALSE(sphere_visible(0, 0, -10, 0.1f));
}

struct SphereCase {
    const char* what;
    float x, y, z, radius;
    bool visible;
};

class SphereTest : public Frustum, public ::testing::WithParamInterface<SphereCase> {};

TEST_P(SphereTest, Visibility) {
    const SphereCase& c = GetParam();
    EXPECT_EQ(sphere_visible(c.x, c.y, c.z, c.radius), c.visible) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SphereTest,
    ::testing::Values(SphereCase{"ahead", 0, 0, -10, 1, true},
                      SphereCase{"behind the camera", 0, 0, 10, 1, false},
                      SphereCase{"beyond the far plane", 0, 0, -120, 1, false},
                      SphereCase{"straddling the far plane", 0, 0, -100.5f, 1, true},
                      // centre outside the right plane by less than the radius
                      SphereCase{"straddling the right plane", 11, 0, -10, 1, true},
                      SphereCase{"wholly right of the view", 12, 0, -10, 1, false},
                      SphereCase{"just through the near plane", 0, 0, -0.01f, 1, true},
                      SphereCase{"just short of the near plane", 0, 0, 0.01f, 1, false}));

Surface wall(float x, float y, float z, uint32_t face, float sx, float sy, float sz) {
    Surface s;
    surface_init(s, "wand", raumwuerfel, x, y, z, 0, 0, 0, face, sx, sy, sz, 0);
    return s;
}

TEST_F(Frustum, QuadTests) {
    // All four corners behind the near plane.
    EXPECT_FALSE(quad_visible(wall(0, 0, 5, FACE_WALL_POS_Z, 1, 1, 1)));
    // A long wall whose ends lie left and right of the view but which crosses it: drawn even
    // though no corner is inside.
    EXPECT_TRUE(quad_visible(wall(0, 0, -10, FACE_WALL_NEG_Z, 50, 0.5f, 1)));
    // Wholly left of the view.
    EXPECT_FALSE(quad_visible(wall(-30, 0, -10, FACE_WALL_NEG_X, 1, 1, 1)));
    // A floor under the camera reaching ahead.
    EXPECT_TRUE(quad_visible(wall(0, -2, 0, FACE_FLOOR, 10, 1, 10)));
}

// Planes set by hand to the box |x|, |y|, |z| <= 10, so that touching is exact.
void box_planes() {
    const float planes[6][4] = {{-1, 0, 0, 10}, {1, 0, 0, 10}, {0, 1, 0, 10},
                                {0, -1, 0, 10}, {0, 0, 1, 10}, {0, 0, -1, 10}};
    for (int p = 0; p < 6; ++p)
        for (int c = 0; c < 4; ++c)
            frustum_planes[p][c] = planes[p][c];
}

TEST(ExactPlanes, TouchingFromOutsideIsCulled) {
    box_planes();
    EXPECT_FALSE(sphere_visible(12, 0, 0, 2)); // distance exactly -radius
    EXPECT_TRUE(sphere_visible(11.5f, 0, 0, 2));
    // A quad lying in the surface of the right plane (x = 10).
    EXPECT_FALSE(quad_visible(wall(10, 0, 0, FACE_WALL_POS_X, 1, 2, 2)));
    // A quad across a corner of the box with all four corners outside it: still drawn.
    EXPECT_TRUE(quad_visible(wall(0, 0, 0, FACE_FLOOR, 30, 1, 30)));
}

struct PaneCase {
    const char* what;
    float yaw;            // the case's turn
    float hero_x, hero_z; // relative to the case
    int row;
    int first_pane;
};

class PaneOrder : public ::testing::TestWithParam<PaneCase> {};

TEST_P(PaneOrder, RowForWhereTheHeroStands) {
    const PaneCase& c = GetParam();
    const int row = pane_row(pane_view_angle(5, 4, c.yaw, 5 + c.hero_x, 4 + c.hero_z));
    EXPECT_EQ(row, c.row) << c.what;
    EXPECT_EQ(pane_order[row][0], c.first_pane) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PaneOrder,
    ::testing::Values(PaneCase{"in front", 0, 0, 3, 0, 3},
                      PaneCase{"exactly at 45 degrees", 0, 2, 2, 0, 3},
                      PaneCase{"just past 45 degrees", 0, 2.05f, 2, 1, 4},
                      PaneCase{"at +x", 0, 3, 0, 1, 4}, PaneCase{"behind", 0, 0, -3, 2, 1},
                      PaneCase{"at -x", 0, -3, 0, 3, 2},
                      PaneCase{"at -x, just short of 315", 0, -2, 2.05f, 0, 3},
                      PaneCase{"case turned to face +x, hero at +x", 90, 3, 0, 0, 3},
                      PaneCase{"case turned to face +x, hero at +z", 90, 0, 3, 3, 2}));

TEST(PaneOrderTable, EachRowDrawsEveryPaneOnceFarthestFirst) {
    // Pane k sits on the side facing direction k (1 +z, 2 +x, 3 -z, 4 -x); a hero in row r's
    // direction has the pane on that side nearest, so it comes last and its opposite first.
    const int nearest[4] = {1, 2, 3, 4};
    const int farthest[4] = {3, 4, 1, 2};
    for (int r = 0; r < 4; ++r) {
        int seen = 0;
        for (int k = 0; k < 4; ++k)
            seen |= 1 << pane_order[r][k];
        EXPECT_EQ(seen, 0b11110) << "row " << r;
        EXPECT_EQ(pane_order[r][3], nearest[r]);
        EXPECT_EQ(pane_order[r][0], farthest[r]);
    }
}

} // namespace
