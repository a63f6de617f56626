// The game mode's keys and mouse: display toggles with their notices, jump, god mode, the swing,
// and the head bob reset. (The real binary's Escape and the menu's buttons are tested from
// outside.)
#include "game/play/hero.h"
#include "game/play/movement.h"
#include "game/shell/input.h"
#include "game/shell/overlay/message_queue.h"
#include "game/shell/toggles.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

namespace {

class GameInput : public testing::Test {
  protected:
    void SetUp() override {
        message_queue.clear();
        hero_init(hero, 0, 0, 7, 0, 0, 0, 1.8f);
        move_keys = 0;
    }
    // The notice the last key posted.
    std::pair<std::string, float> notice() const {
        const ScreenMessage& m = message_queue.back();
        EXPECT_EQ(m.alpha, 1.0f);
        EXPECT_EQ(m.fade_step, 0.1f);
        EXPECT_EQ(m.y, 0.2f);
        EXPECT_EQ(m.delay, 0.0f);
        EXPECT_EQ(m.hold_time, 1.0f);
        return {m.text, m.x};
    }
};

TEST_F(GameInput, FunctionKeysAdvanceTheirToggleAndAnnounceTheNewValue) {
    struct Press {
        int key;
        const int32_t* toggle;
        int32_t value;
        const char* text;
        float x;
    } presses[] = {
        {GLUT_KEY_F2, &show_fps, 1, "FPS ON", 0.4f},
        {GLUT_KEY_F2, &show_fps, 0, "FPS OFF", 0.39f},
        {GLUT_KEY_F4, &mipmap_filter_mode, 1, "MipMaps average of one Pixel", 0.19f},
        {GLUT_KEY_F4, &mipmap_filter_mode, 2, "MipMaps bilinear filtering", 0.247f},
        {GLUT_KEY_F4, &mipmap_filter_mode, 0, "MipMaps trilinear filtering", 0.245f},
        {GLUT_KEY_F5, &mipmapping, 1, "MipMaps ON", 0.37f},
        {GLUT_KEY_F5, &mipmapping, 0, "MipMaps OFF", 0.36f},
        {GLUT_KEY_F6, &render_path, 1, "Renderpath Immediate Mode", 0.195f},
        {GLUT_KEY_F6, &render_path, 2, "Renderpath ARB_vertex_buffer_object", 0.125f},
        {GLUT_KEY_F6, &render_path, 0, "Renderpath Vertex Arrays", 0.24f},
        {GLUT_KEY_F7, &use_display_lists, 1, "Display Lists ON", 0.3f},
        {GLUT_KEY_F7, &use_display_lists, 0, "Display Lists OFF", 0.29f},
        {GLUT_KEY_F8, &frustum_culling, 1, "View frustum culling ON", 0.26f},
        {GLUT_KEY_F8, &frustum_culling, 0, "View frustum culling OFF", 0.255f},
        {GLUT_KEY_F9, &transparency_off, 1, "Transparency OFF", 0.305f},
        {GLUT_KEY_F9, &transparency_off, 0, "Transparency ON", 0.31f},
        {GLUT_KEY_F11, &lightmap_mode, 1, "Pure Lightmaps", 0.305f},
        {GLUT_KEY_F11, &lightmap_mode, 2, "Lightmaps OFF", 0.305f},
        {GLUT_KEY_F11, &lightmap_mode, 0, "Lightmaps ON", 0.31f},
    };
    for (const Press& p : presses) {
        game_special_key(p.key, 0, 0);
        EXPECT_EQ(*p.toggle, p.value) << p.text;
        EXPECT_EQ(notice(), std::make_pair(std::string(p.text), p.x));
    }
    // Notices queue up behind each other.
    EXPECT_EQ(message_queue.size(), std::size(presses));
    // F10, F12 and other special keys do nothing.
    for (int key : {GLUT_KEY_F10, GLUT_KEY_F12, GLUT_KEY_LEFT})
        game_special_key(key, 0, 0);
    EXPECT_EQ(message_queue.size(), std::size(presses));
}

TEST_F(GameInput, JumpOnlyFromTheGroundAndKeepsTheYawOfTakeOff) {
    hero.rotation.y = 30;
    game_key(' ', 0, 0);
    EXPECT_EQ(hero.state[ST_AIR], 1);
    EXPECT_EQ(hero.takeoff_yaw, 30);
    hero.rotation.y = 50;
    hero.state[ST_AIR] = 2;
    game_key(' ', 0, 0);
    EXPECT_EQ(hero.state[ST_AIR], 2);
    EXPECT_EQ(hero.takeoff_yaw, 30);
}

TEST_F(GameInput, GodModeFlipsAndAnnouncesTheSameTextBothWays) {
    game_key('g', 0, 0);
    EXPECT_EQ(hero.state[ST_GOD_MODE], 1);
    game_key('g', 0, 0);
    EXPECT_EQ(hero.state[ST_GOD_MODE], 0);
    ASSERT_EQ(message_queue.size(), 2u);
    EXPECT_EQ(notice(), std::make_pair(std::string("Godmode toggle"), 0.335f));
}

TEST_F(GameInput, LeftPressStartsTheSwingOnlyWhileAlive) {
    game_mouse(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0);
    game_mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 0, 0);
    EXPECT_EQ(hero.state[ST_ATTACK], 0);
    hero.state[ST_KILLED] = 1;
    game_mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
    EXPECT_EQ(hero.state[ST_ATTACK], 0);
    hero.state[ST_KILLED] = 0;
    game_mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
    EXPECT_EQ(hero.state[ST_ATTACK], 1);
}

TEST_F(GameInput, ReleasingTheLastMovementKeyRestartsTheHeadBob) {
    game_key('w', 0, 0);
    hero.bob.phase = 2.0f;
    hero.eye_height_now = 1.7f;
    game_key_up('x', 0, 0); // any character key: w still held, nothing happens
    EXPECT_EQ(hero.bob.phase, 2.0f);
    game_key_up('w', 0, 0);
    EXPECT_EQ(hero.bob.phase, 0.0f);
    EXPECT_EQ(hero.bob.speed, 9.0f);
    EXPECT_EQ(hero.eye_height_now, 1.8f);
}

} // namespace
