// Sphere collision against quads, floors, ceilings, walls, monsters and props, through the real
// game tick on a fake clock.
#include "game/play/collision.h"
#include "game/play/movement.h"
#include "game/shell/tick.h"
#include "game/shell/timing.h"
#include "game/shell/toggles.h"
#include "game/world/scene.h"
#include "platform/clock.h"

#include <gtest/gtest.h>

namespace {

const Vec3 UP{0, 1, 0};
const Vec3 DOWN{0, -1, 0};

// A horizontal quad at height y over [x0, x1] x [z0, z1], facing up or down.
Surface flat(const std::string& name, float y, float x0, float x1, float z0, float z1, Vec3 n) {
    Surface s;
    s.name = name;
    s.normal = n;
    s.corners[0] = {x0, y, z0};
    s.corners[1] = {x1, y, z0};
    s.corners[2] = {x1, y, z1};
    s.corners[3] = {x0, y, z1};
    return s;
}

// A wall in the plane z = z facing +z (towards the hero's start).
Surface wall_at_z(const std::string& name, float z) {
    Surface s;
    s.name = name;
    s.normal = {0, 0, 1};
    s.corners[0] = {-10, 0, z};
    s.corners[1] = {10, 0, z};
    s.corners[2] = {10, 5, z};
    s.corners[3] = {-10, 5, z};
    return s;
}

int64_t fake_now = 0;
const PerfClockSource fake{[] { return int64_t{1000000}; }, [] { return fake_now; }};

class Collision : public testing::Test {
protected:
    void SetUp() override {
        set_perf_clock_source(&fake);
        fake_now = 0;
        start_timers();
        frames_per_second = 100;
        move_keys = move_keys_latched = 0;
        scene = Scene{};
        hero_init(hero, 0, 0, 7, 0, 0, 0, 1.8f);
        set_speeds(hero, 10.0f, 5.0f);
    }
    void TearDown() override {
        set_perf_clock_source(nullptr);
        scene = Scene{};
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) {
            fake_now += 10000; // 100 ticks per second, as frames_per_second says
            run_game_tick();
        }
    }
};

TEST_F(Collision, QuadPushesOnlyWhereTheSphereCutsItsFace) {
    const Surface floor = flat("boden", 0, -1, 1, -1, 1, UP);
    struct Case {
        Vec3 centre;
        float expected_y;
    } cases[] = {
        {{0, 0.5f, 0}, 0.5f},   // cuts the face: out to the front by r - d
        {{0, -0.5f, 0}, 1.5f},  // behind but within r: out to the front by r + |d|
        {{0, 1.0f, 0}, 0.0f},   // just touching: not cutting
        {{1.5f, 0.5f, 0}, 0.0f}, // over the edge: only the face counts
    };
    for (const Case& c : cases) {
        const Vec3 push = sphere_quad_push(c.centre, floor.normal, floor.corners, 1.0f);
        EXPECT_NEAR(push.y, c.expected_y, 1e-5) << c.centre.x << "," << c.centre.y;
        EXPECT_EQ(push.x, 0);
        EXPECT_EQ(push.z, 0);
    }
}

TEST_F(Collision, StandingStillOnAFloorKeepsTheHeight) {
    scene.surfaces.push_back(flat("boden1", 0, -10, 10, -10, 10, UP));
    for (int i = 0; i < 200; ++i) {
        ticks(1);
        ASSERT_EQ(hero.state[ST_AIR], 0);
        ASSERT_NEAR(hero.position.y, 0, 1e-4);
    }
}

TEST_F(Collision, WithoutAFloorTheHeroFallsAtUpToSixPerSecond) {
    ticks(100);
    EXPECT_EQ(hero.state[ST_AIR], 2);
    EXPECT_LT(hero.position.y, -3.5f); // about 6 * (1 - pi/8) + the start of the fall
    const float y = hero.position.y;
    ticks(10);
    EXPECT_NEAR(y - hero.position.y, 0.6f, 1e-4);
}

TEST_F(Collision, LandingOnLavaOrRiverMarksTheGroundUntilTheNextLanding) {
    scene.surfaces.push_back(flat("boden1", 0, -10, 10, 0, 10, UP));
    scene.surfaces.push_back(flat("lavaboden1", 0, -10, 10, -10, 0, UP));
    scene.surfaces.push_back(flat("flussboden2", 0, -10, 10, -20, -10, UP));
    ticks(5);
    EXPECT_EQ(hero.state[ST_ON_LAVA], 0);
    move_keys = MOVE_FORWARD;
    while (hero.position.z > -5) ticks(1);
    EXPECT_EQ(hero.state[ST_ON_LAVA], 1);
    EXPECT_EQ(hero.state[ST_ON_RIVER], 0);
    while (hero.position.z > -15) ticks(1);
    EXPECT_EQ(hero.state[ST_ON_LAVA], 0);
    EXPECT_EQ(hero.state[ST_ON_RIVER], 1);
}

TEST_F(Collision, ACeilingEndsTheRiseAtOnce) {
    scene.surfaces.push_back(flat("boden1", 0, -10, 10, -10, 10, UP));
    scene.surfaces.push_back(flat("decke1", 2.2f, -10, 10, -10, 10, DOWN));
    ticks(3);
    hero.state[ST_AIR] = 1; // the jump key
    float highest = 0;
    for (int i = 0; i < 60; ++i) {
        ticks(1);
        highest = std::max(highest, hero.position.y);
    }
    // The front sphere (0.5 at head height 1.4) meets the ceiling at 2.2: the hero stops
    // rising well short of the free jump's 1.5 units.
    EXPECT_LT(highest, 0.4f);
    EXPECT_GT(highest, 0.25f);
    EXPECT_EQ(hero.state[ST_AIR], 0); // back on the floor
}

TEST_F(Collision, WallsStopTheHero) {
    scene.surfaces.push_back(flat("boden1", 0, -10, 10, -10, 10, UP));
    scene.surfaces.push_back(wall_at_z("wand1", 0));
    move_keys = MOVE_FORWARD;
    ticks(300); // 15 units of walking towards a wall 7 away
    // The front sphere (0.8 ahead, radius 0.5) keeps the hero 1.3 from the wall.
    EXPECT_NEAR(hero.position.z, 1.3f, 0.06f);
}

TEST_F(Collision, LivingMonstersPushTheHeroOutDeadOnesDoNot) {
    Monster m;
    m.position = {0, 0, 6};
    m.body_sphere = {{0, 1.0f, 0}, 0.7f};
    scene.figures.push_back(m);
    collide_hero_with_monsters(hero);
    EXPECT_NEAR(hero.position.z, 6 + 1.4f, 1e-5);
    scene.figures[0].state[ST_DEATH] = 1;
    hero.position.z = 6.5f;
    collide_hero_with_monsters(hero);
    EXPECT_EQ(hero.position.z, 6.5f);
    // Coinciding centres give no direction and no push.
    scene.figures[0].state[ST_DEATH] = 0;
    hero.position = {0, 0, 6};
    collide_hero_with_monsters(hero);
    EXPECT_EQ(hero.position.z, 6.0f);
}

TEST_F(Collision, PropsPushOutOfTheirUseSphere) {
    Prop p;
    p.mode = 1;
    p.home = {0, 1.0f, 5};
    p.use_radius = 1.0f;
    scene.props.push_back(p);
    hero_interactions(hero);
    EXPECT_EQ(hero.position.z, 7); // 2 apart, radii 1 + 0.7: no contact
    hero.position.z = 6;
    hero_interactions(hero);
    EXPECT_NEAR(hero.position.z, 6.7f, 1e-5);
}

TEST_F(Collision, StartingTheHerosSwingSetsItsThreeStages) {
    hero.weapon_base_offset = {0.6f, -0.5f, -1.0f};
    figure_set_state(hero, ST_ATTACK, 1);
    EXPECT_EQ(hero.state[ST_ATTACK], 1);
    EXPECT_EQ(hero.swing_x.from, 0.6f);
    EXPECT_EQ(hero.swing_x.to, 2.5f);
    EXPECT_EQ(hero.swing_turn.from, -60.0f);
    EXPECT_EQ(hero.swing_turn.speed, 400.0f);
    EXPECT_EQ(hero.swing_y.to, -0.5f);
}

} // namespace
