// The hero's jump, fall, walking, turning and head bob, tick by tick at a fixed frame rate.
#include "game/play/movement.h"
#include "game/shell/timing.h"
#include "game/shell/toggles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

class Movement : public testing::Test {
protected:
    Hero h;
    void SetUp() override {
        frames_per_second = 100;
        hero_init(h, 0, 0, 7, 0, 0, 0, 1.8f);
        set_speeds(h, 10.0f, 5.0f);
    }
    // Walks for one second with the given movement-key mask.
    void walk_one_second(int mask) {
        for (int i = 0; i < frames_per_second; ++i) hero_move(h, direction_table[mask], 1.0f);
    }
};

TEST_F(Movement, WalkingCoversWalkSpeedPerSecondAndDiagonalsSplitIt) {
    struct Case {
        int mask;
        float yaw;
        float dx, dz;
    } cases[] = {
        {MOVE_FORWARD, 0, 0, -5},
        {MOVE_FORWARD | MOVE_LEFT, 0, -2.5f, -2.5f},
        {MOVE_BACKWARD, 0, 0, 5},
        {MOVE_RIGHT, 0, 5, 0},
        {MOVE_FORWARD, 90, -5, 0}, // a positive yaw turns left
    };
    for (const Case& c : cases) {
        SetUp();
        h.rotation.y = c.yaw;
        walk_one_second(c.mask);
        EXPECT_NEAR(h.position.x - 0, c.dx, 1e-3) << c.mask << " " << c.yaw;
        EXPECT_NEAR(h.position.z - 7, c.dz, 1e-3) << c.mask << " " << c.yaw;
        EXPECT_EQ(h.position.y, 0);
    }
}

TEST_F(Movement, InTheAirWalkingFollowsTheTakeoffYaw) {
    h.state[ST_AIR] = 1;
    h.takeoff_yaw = 0;
    h.rotation.y = 90; // turned since take-off
    walk_one_second(MOVE_FORWARD);
    EXPECT_NEAR(h.position.x, 0, 1e-3);
    EXPECT_NEAR(h.position.z, 2, 1e-3);
}

TEST_F(Movement, JumpRisesAboutOneAndAHalfThenFallsUpToSixPerSecond) {
    h.state[ST_AIR] = 1;
    const double dt = 1.0 / frames_per_second;
    double seconds = 0;
    // Rising: t = 4 s stays below pi/2 for pi/8 s.
    while (h.state[ST_AIR] == 1) {
        hero_vertical_motion(h, 4 * seconds);
        seconds += dt;
    }
    EXPECT_EQ(h.state[ST_AIR], 3);
    EXPECT_NEAR(h.position.y, 1.5, 0.06);
    EXPECT_NEAR(seconds, 3.14159265 / 8, 0.02);
    // The tick then turns 3 into 2 and restarts the clock: the fall.
    h.state[ST_AIR] = 2;
    float before = h.position.y;
    hero_vertical_motion(h, 0);
    EXPECT_FLOAT_EQ(h.position.y, before); // cos(pi/2): the fall starts at rest
    before = h.position.y;
    hero_vertical_motion(h, 2.0);
    EXPECT_NEAR(before - h.position.y, 6.0f / frames_per_second, 1e-6);
}

TEST_F(Movement, TurningWrapsTheYawAndHoldsThePitchAtSixty) {
    h.rotation.y = 0.5f;
    hero_turn(h, 10, 0); // right: 100 / fps = 1 degree
    EXPECT_NEAR(h.rotation.y, 359.5f, 1e-4);
    h.rotation.y = 359.5f;
    hero_turn(h, -10, 0);
    EXPECT_NEAR(h.rotation.y, 0.5f, 1e-4);
    hero_turn(h, 0, 1000); // down, far
    EXPECT_EQ(h.rotation.x, -60);
    hero_turn(h, 0, -2000);
    EXPECT_EQ(h.rotation.x, 60);
}

TEST_F(Movement, EachBobPeriodDipsOnceForOneFootstepLeftThenRight) {
    // The eye dips under the threshold once per bob period (2 pi / 9 s at speed 9): the first
    // dip is the left step (1), the second the right step (3).
    const int period = static_cast<int>(std::ceil(2 * 3.14159265 / 9 * frames_per_second));
    std::vector<int16_t> cycle;
    for (int i = 0; i < 2 * period + 1; ++i) {
        hero_step_sounds(h);
        EXPECT_GE(h.eye_height_now, 1.8f * 0.9f - 1e-5f);
        EXPECT_LE(h.eye_height_now, 1.8f + 1e-5f);
        if (cycle.empty() || cycle.back() != h.state[ST_STEP]) cycle.push_back(h.state[ST_STEP]);
    }
    EXPECT_EQ(cycle, (std::vector<int16_t>{0, 1, 2, 3, 0}));
    hero_reset_bob(h, 0, 9.0f);
    EXPECT_EQ(h.eye_height_now, 1.8f);
}

TEST_F(Movement, SwingStartsOnlyForValueOneAndOtherIndicesStore) {
    figure_set_state(h, ST_ATTACK, 2);
    EXPECT_EQ(figure_state(h, ST_ATTACK), 0);
    figure_set_state(h, ST_GOD_MODE, 1);
    EXPECT_EQ(figure_state(h, ST_GOD_MODE), 1);
    h.max_hit_points = 16;
    set_hit_points(h, 40);
    EXPECT_EQ(h.hit_points, 16);
}

} // namespace
