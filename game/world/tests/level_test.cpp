// The level: what build_level puts into the scene and what reset_level takes out, the rows other
// parts rely on, and two walks through the real game tick on a fake clock that visit every
// region, checking that the hero arrives, never sinks through a floor and never crosses a wall.
#include "game/image/textures.h"
#include "game/play/collision.h"
#include "game/play/monsters.h"
#include "game/play/movement.h"
#include "game/play/weapons.h"
#include "game/shell/tick.h"
#include "game/shell/timing.h"
#include "game/shell/toggles.h"
#include "game/world/level.h"
#include "game/world/scene.h"
#include "game/world/tools/level_route.h"
#include "platform/clock.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace {

int64_t fake_now = 0;
const PerfClockSource fake{[] { return int64_t{1000000}; }, [] { return fake_now; }};
constexpr int FPS = 60;

bool has(const std::string& s, const char* w) {
    return s.find(w) != std::string::npos;
}

const Surface* surface_named(const std::string& name) {
    for (const Surface& s : scene.surfaces)
        if (s.name == name) return &s;
    return nullptr;
}

const Monster* figure_named(const std::string& name) {
    for (const Monster& m : scene.figures)
        if (m.name == name) return &m;
    return nullptr;
}

class Level : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        // The scene operations compile display lists: they need a context (run under Xvfb).
        static bool window = false;
        if (window) return;
        window = true;
        int argc = 1;
        char name[] = "level_test";
        char* argv[] = {name, nullptr};
        glutInit(&argc, argv);
        glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(64, 64);
        glutCreateWindow("level");
    }
    void SetUp() override {
        set_perf_clock_source(&fake);
        fake_now = 0;
        start_timers();
        frames_per_second = FPS;
        move_keys = move_keys_latched = 0;
        reset_level();
        build_level_with(false);
    }
    void TearDown() override {
        move_keys = move_keys_latched = 0;
        reset_level();
        set_perf_clock_source(nullptr);
    }
};

TEST_F(Level, BuildsEveryObjectInOrder) {
    ASSERT_EQ(scene.props.size(), 9u);
    ASSERT_EQ(scene.figures.size(), 7u);
    ASSERT_EQ(scene.surfaces.size(), 200u);
    ASSERT_EQ(scene.items.size(), 13u);
    for (int i = 0; i < LEVEL_SURFACE_COUNT; ++i)
        EXPECT_EQ(scene.surfaces[i].name, LEVEL_SURFACES[i].name);
    const char* figures[] = {"teletub1", "fuerstdf", "princess", "caveorc1"};
    const size_t at[] = {0, 3, 4, 5};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(scene.figures[at[i]].name, figures[i]);
    EXPECT_EQ(scene.props.front().name, "halterung1");
    EXPECT_EQ(scene.props.back().name, "vitrine1");
    EXPECT_EQ(scene.items.front().name, "licht1");
    EXPECT_EQ(scene.items.back().name, "Pizza10");
    // Built in the order props, figures, surfaces, items: ids grow along that order.
    EXPECT_LT(scene.props.back().id, scene.figures.front().id);
    EXPECT_LT(scene.figures.back().id, scene.surfaces.front().id);
    EXPECT_LT(scene.surfaces.back().id, scene.items.front().id);
    EXPECT_EQ(fuerst_id, figure_named("fuerstdf")->id);
    for (const Item& item : scene.items)
        EXPECT_EQ(item_kind(item), has(item.name, "Pizza") ? ITEM_FOOD : ITEM_NONE) << item.name;
    // Every surface name keeps a substring that gameplay or drawing recognises.
    for (const Surface& s : scene.surfaces)
        EXPECT_TRUE(has(s.name, "wand") || has(s.name, "boden") || has(s.name, "decke") ||
                    has(s.name, "fluss") || has(s.name, "lava") || has(s.name, "stukko"))
            << s.name;
}

TEST_F(Level, RestartRebuildsTheSameLevelWithNewIds) {
    const uint32_t first_id = scene.props.front().id;
    const uint32_t old_fuerst = fuerst_id;
    // A played level: eaten pizzas, dead monsters, the door opened, the swords moved.
    scene_erase_ids(scene.items, {scene.items[3].id, scene.items[5].id});
    scene_erase_ids(scene.figures, {scene.figures[0].id, scene.figures[1].id});
    scene_erase_ids(scene.surfaces, {surface_named("wand32_2holztuerzu")->id});
    deathbringer.position = {-26, 1, 37};
    deathbringer.state[ITEM_CARRY_STATE] = 0;
    short_sword.position = {3, 1, 3};
    short_sword.state[ITEM_CARRY_STATE] = 0;

    reset_level();
    EXPECT_TRUE(scene.figures.empty() && scene.surfaces.empty() && scene.items.empty() &&
                scene.props.empty());
    for (Weapon* w : {&short_sword, &deathbringer}) {
        EXPECT_EQ(w->position.x, 0);
        EXPECT_EQ(w->position.y, 0);
        EXPECT_EQ(w->position.z, 0);
    }

    build_level_with(false);
    EXPECT_EQ(scene.figures.size(), 7u);
    EXPECT_EQ(scene.surfaces.size(), 200u);
    EXPECT_EQ(scene.items.size(), 13u);
    EXPECT_EQ(scene.props.size(), 9u);
    EXPECT_NE(surface_named("wand32_2holztuerzu"), nullptr);
    EXPECT_GT(scene.props.front().id, first_id);
    EXPECT_NE(fuerst_id, old_fuerst);
    EXPECT_EQ(carry_state(short_sword), 2);
    EXPECT_EQ(carry_state(deathbringer), 1);
    EXPECT_EQ(hero.position.z, 7);
    std::set<uint32_t> ids;
    for (const Surface& s : scene.surfaces)
        ids.insert(s.id);
    EXPECT_EQ(ids.size(), 200u);
}

TEST_F(Level, RiverBridgeAndDoorRows) {
    struct Case {
        const char* name;
        float y;
    };
    const Case heights[] = {{"fluss1", -1.0f}, {"flussboden1", -1.5f}, {"brueckeboden1", 0.0f}};
    for (const Case& c : heights) {
        const Surface* s = surface_named(c.name);
        ASSERT_NE(s, nullptr) << c.name;
        for (const Vec3& corner : s->corners)
            EXPECT_FLOAT_EQ(corner.y, c.y) << c.name;
    }
    // Every water and lava sheet lies above some bed, and none is solid.
    for (const Surface& s : scene.surfaces) {
        if (!(has(s.name, "fluss") || has(s.name, "lava")) || has(s.name, "boden") ||
            has(s.name, "wand") || has(s.name, "decke") || s.face != FACE_FLOOR)
            continue;
        const Vec3 mid = (s.corners[0] + s.corners[2]) * 0.5f;
        bool bed_below = false;
        for (const Surface& b : scene.surfaces)
            if (has(b.name, "boden") && b.corners[0].y < mid.y &&
                point_in_polygon({mid.x, b.corners[0].y, mid.z}, b.corners, 4))
                bed_below = true;
        EXPECT_TRUE(bed_below) << s.name;
    }
    const Surface* door = surface_named("wand32_2holztuerzu");
    ASSERT_NE(door, nullptr);
    EXPECT_FLOAT_EQ(door->corners[0].x, 0);
    EXPECT_FLOAT_EQ(door->normal.x, -1);
}

TEST_F(Level, PropsAndFiguresCarryTheirSettings) {
    const Prop& vitrine = scene.props.back();
    EXPECT_EQ(vitrine.position.y, 0);
    EXPECT_EQ(vitrine.home.x, 5);
    EXPECT_EQ(vitrine.home.y, 1);
    EXPECT_EQ(vitrine.home.z, 4);
    EXPECT_EQ(vitrine.texture, 0u);
    EXPECT_EQ(vitrine.mesh_count, 5u);
    EXPECT_EQ(scene.props[1].rotation.z, 20);

    const Monster* princess = figure_named("princess");
    ASSERT_NE(princess, nullptr);
    EXPECT_TRUE(princess->waypoints.empty());
    EXPECT_EQ(princess->walk_speed, 0);
    EXPECT_EQ(princess->turn_speed, 0);
    EXPECT_EQ(princess->state[ST_PASSIVE], 1);
    EXPECT_EQ(princess->state[ST_IDLE], 1);
    EXPECT_EQ(princess->animation, ANIM_IDLE);
    EXPECT_EQ(princess->rotation.y, 90);

    const Monster* tub = figure_named("teletub1");
    ASSERT_NE(tub, nullptr);
    EXPECT_EQ(tub->waypoints.size(), 4u);
    EXPECT_EQ(tub->walk_speed, 2);
    EXPECT_EQ(tub->inventory[0].name, DEATHBRINGER_NAME);
    EXPECT_EQ(item_kind(tub->inventory[0]), ITEM_WEAPON);
    EXPECT_EQ(tub->weapon, &gauntlet);
    EXPECT_EQ(figure_named("fuerstdf")->walk_speed, 1.5f);
    EXPECT_EQ(figure_named("caveorc2")->waypoints.front().x, -17);

    EXPECT_EQ(hero.name, "held");
    EXPECT_EQ(hero.hit_points, 16);
    EXPECT_EQ(hero.armor_class, 13);
    EXPECT_EQ(hero.weapon, &short_sword);
    EXPECT_EQ(hero.walk_speed, 5);
    EXPECT_FLOAT_EQ(hero.weapon_base_offset.y, -0.37f);
    EXPECT_EQ(hero.weapon_base_angles.x, -30);
}

TEST_F(Level, WeaponsGetTheirSwordTexturesAndDisplayLists) {
    texture_names_plain[TEX_SHORT_SWORD] = 901;
    texture_names_mipmapped[TEX_LONG_SWORD] = 1902;
    weapons_gl_start_up();
    EXPECT_EQ(short_sword.texture, 901u);
    EXPECT_EQ(deathbringer.texture_mipmapped, 1902u);
    EXPECT_EQ(short_sword.display_lists.size(), 1u);
    EXPECT_EQ(deathbringer.display_lists.size(), 1u);
    EXPECT_TRUE(gauntlet.display_lists.empty());
    EXPECT_EQ(gauntlet.texture, 0u);
    texture_names_plain[TEX_SHORT_SWORD] = 0;
    texture_names_mipmapped[TEX_LONG_SWORD] = 0;
}

// ---- the walks ----

float floor_below(float x, float z, float y_max) {
    float best = -1e9f;
    for (const Surface& s : scene.surfaces) {
        if (!has(s.name, "boden")) continue;
        const float y = s.corners[0].y;
        if (y <= y_max && y > best && point_in_polygon({x, y, z}, s.corners, 4)) best = y;
    }
    return best;
}

class Walk : public Level {
  protected:
    void SetUp() override {
        Level::SetUp();
        // The fighters are fought, not walked through; the princess stays and must be passed.
        std::vector<uint32_t> fighters;
        for (const Monster& m : scene.figures)
            if (m.name != "princess") fighters.push_back(m.id);
        scene_erase_ids(scene.figures, fighters);
        for (int i = 0; i < 30; ++i)
            tick(); // settle on the floor
    }

    int below_ticks = 0;

    void tick() {
        const Vec3 before = hero.position;
        fake_now += 1000000 / FPS;
        run_game_tick();
        const Vec3 after = hero.position;
        // A floor below at all times: no gap to fall through. A floor less than a unit above
        // the feet lifts the hero once his ground sphere's centre is over it (a stair step, the
        // edge of a bank) and no lower floor under him holds him, so for a moment he may be
        // below a floor; any longer, or deeper, he sank through it.
        const float floor = floor_below(after.x, after.z, after.y + 0.95f);
        ASSERT_GT(floor, -1e8f) << "no floor under " << after.x << ", " << after.z;
        below_ticks = after.y < floor - 0.01f ? below_ticks + 1 : 0;
        ASSERT_LE(below_ticks, FPS / 4)
            << "below a floor at " << after.x << ", " << after.y << ", " << after.z;
        ASSERT_GE(after.y, floor - 0.95f)
            << "sank through the floor at " << after.x << ", " << after.y << ", " << after.z;
        // The ground sphere's centre never crosses a wall inside its outline.
        const Vec3 a = before + Vec3{0, 1, 0}, b = after + Vec3{0, 1, 0};
        for (const Surface& s : scene.surfaces) {
            if (!has(s.name, "wand")) continue;
            const float da = dot(s.normal, a - s.corners[0]), db = dot(s.normal, b - s.corners[0]);
            if ((da >= 0) == (db >= 0)) continue;
            const Vec3 hit = a + (b - a) * (da / (da - db));
            ASSERT_FALSE(point_in_polygon(hit, s.corners, 4)) << "through " << s.name;
        }
    }

    // Walks straight to (x, z) along one axis at a time, facing the way it goes.
    bool walk_to(float x, float z, int max_ticks) {
        for (int i = 0; i < max_ticks; ++i) {
            const float dx = x - hero.position.x, dz = z - hero.position.z;
            if (std::fabs(dx) < 0.1f && std::fabs(dz) < 0.1f) {
                move_keys = 0;
                for (int j = 0; j < FPS; ++j)
                    tick(); // come to rest (a drop may still run)
                return hero.state[ST_AIR] == 0;
            }
            if (std::fabs(dx) >= 0.1f)
                hero.rotation.y = dx < 0 ? 90.0f : 270.0f;
            else
                hero.rotation.y = dz < 0 ? 0.0f : 180.0f;
            move_keys = MOVE_FORWARD;
            tick();
            if (testing::Test::HasFatalFailure()) return false;
        }
        move_keys = 0;
        return false;
    }

    // What the space bar does.
    void jump() {
        hero.state[ST_AIR] = 1;
        hero.takeoff_yaw = hero.rotation.y;
    }

    void walk(const RoutePoint* route, int from, int to) {
        for (int i = from; i < to; ++i) {
            const RoutePoint& p = route[i];
            ASSERT_TRUE(walk_to(p.x, p.z, 60 * FPS))
                << "did not reach " << p.where << " (" << p.x << ", " << p.z << "); stuck at "
                << hero.position.x << ", " << hero.position.y << ", " << hero.position.z;
            EXPECT_NEAR(hero.position.y, p.floor_y, 0.05f) << p.where;
        }
    }
};

TEST_F(Walk, RiverTunnelRoomDoorPassageAndLedge) {
    ASSERT_NO_FATAL_FAILURE(walk(RIVER_WALK, 1, RIVER_WALK_DOOR + 1));
    // The closed door blocks the way on.
    walk_to(RIVER_WALK[RIVER_WALK_DOOR + 1].x, RIVER_WALK[RIVER_WALK_DOOR + 1].z, 3 * FPS);
    EXPECT_LT(hero.position.x, -0.9f);
    // Removed as the lever removes it, it lets the hero through to the stairs.
    scene_erase_ids(scene.surfaces, {surface_named("wand32_2holztuerzu")->id});
    ASSERT_NO_FATAL_FAILURE(
        walk(RIVER_WALK, RIVER_WALK_DOOR + 1, static_cast<int>(std::size(RIVER_WALK))));
}

TEST_F(Walk, WesternRoomsSecondCrossingLongHallAndLavaHall) {
    ASSERT_NO_FATAL_FAILURE(walk(WEST_WALK, 1, static_cast<int>(std::size(WEST_WALK))));
}

TEST_F(Walk, SteppingOffTheBridgeFallsOntoTheRiverBed) {
    ASSERT_TRUE(walk_to(0, -6, 60 * FPS));
    ASSERT_TRUE(walk_to(-33, -6, 60 * FPS));
    EXPECT_NEAR(hero.position.y, 0, 0.05f);
    ASSERT_TRUE(walk_to(-33, -3, 10 * FPS));
    EXPECT_NEAR(hero.position.y, -1.5f, 0.05f);
    EXPECT_EQ(hero.state[ST_ON_RIVER], 1);
}

TEST_F(Walk, TheHeroCanJumpUnderEveryCeilingOfTheRoute) {
    // At every waypoint a jump rises its full height and lands again.
    for (const RoutePoint& p : WEST_WALK) {
        ASSERT_TRUE(walk_to(p.x, p.z, 60 * FPS)) << p.where;
        jump();
        float top = hero.position.y;
        for (int i = 0; i < 2 * FPS; ++i) {
            tick();
            top = std::max(top, hero.position.y);
        }
        EXPECT_GT(top - p.floor_y, 1.3f) << p.where;
        EXPECT_EQ(hero.state[ST_AIR], 0) << p.where;
    }
}

TEST_F(Walk, NoPoolTrapsTheHero) {
    // Whoever falls into a river or the lava gets out with a jump over the bank or the rim
    // (the first river also has its steps at the end of the tunnel).
    struct Case {
        const char* pool;
        Vec3 in;
        float yaw; // towards the way out
        bool jump;
        float out_y;
    };
    const Case cases[] = {
        {"second river, to the long hall", {-33, -1.5f, -19}, 270, true, 0},
        {"first river, onto the corridor", {-31.5f, -1.5f, -8.5f}, 270, true, 0},
        {"lava beside the central floor", {36, -1, -17}, 90, true, 0},
        {"lava at the entrance", {22, -1, -20.5f}, 180, true, 0},
    };
    for (const Case& c : cases) {
        hero.position = c.in;
        hero.rotation.y = c.yaw;
        for (int i = 0; i < 10; ++i)
            tick();
        ASSERT_NEAR(hero.position.y, c.in.y, 0.05f) << c.pool;
        move_keys = MOVE_FORWARD;
        tick();
        if (c.jump) jump();
        tick();
        // Forward until the jump lands.
        for (int i = 0; i < 2 * FPS && hero.state[ST_AIR] != 0; ++i)
            tick();
        move_keys = 0;
        for (int i = 0; i < FPS / 2; ++i)
            tick();
        EXPECT_NEAR(hero.position.y, c.out_y, 0.05f)
            << c.pool << " at " << hero.position.x << ", " << hero.position.z;
        EXPECT_EQ(hero.state[ST_AIR], 0) << c.pool;
    }
}

} // namespace
