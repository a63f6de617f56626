// Start menu: hover and grow/shrink state machine, screens and their buttons.
#include "game/shell/overlay/menu.h"
#include "game/shell/overlay/message_queue.h"
#include "game/shell/overlay/screens.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int W = 1024, H = 768;
// Inside the Start field's clickable area (x 716.8..921.6, y 368.64..476.16) and far outside it.
constexpr int IN_X = 800, IN_Y = 420;
constexpr int OUT_X = 100, OUT_Y = 100;

Menu five_button_menu() {
    Menu m;
    m.max_scale = menu_full_scale();
    m.add_button(0.8f, 0.55f, 0.3f, 0.35f, 0.05f, 0.105f, 1);
    m.add_button(0.8f, 0.75f, 0.3f, 0.35f, 0.01f, 0.105f, 2);
    for (int i = 0; i < 3; ++i)
        m.add_button(0.815f, 0.85f, 0.3f, 0.35f, 0.05f, 0.105f, 3);
    return m;
}

// A script of pointer moves and animation steps, written as "in", "out" or a number of steps.
struct HoverCase {
    const char* name;
    std::vector<std::string> script;
    int16_t state;
    float counter;
    float scale;
};

class HoverTable : public ::testing::TestWithParam<HoverCase> {};

TEST_P(HoverTable, StartFieldEndsInExpectedState) {
    const HoverCase& c = GetParam();
    Menu m = five_button_menu();
    for (const std::string& action : c.script) {
        if (action == "in")
            m.hover(IN_X, IN_Y, W, H);
        else if (action == "out")
            m.hover(OUT_X, OUT_Y, W, H);
        else
            for (int i = std::stoi(action); i > 0; --i)
                m.animate();
    }
    const MenuButton& b = m.buttons[0];
    EXPECT_EQ(b.hover_state, c.state);
    EXPECT_FLOAT_EQ(b.anim_counter, c.counter);
    EXPECT_NEAR(b.scale, c.scale, 1e-5f);
    EXPECT_EQ(b.anim_steps, 11.0f);
    EXPECT_EQ(b.anim_step, 1.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HoverTable,
    ::testing::Values(
        HoverCase{"entering_starts_growing_at_rest", {"in"}, HOVER_GROWING, 0, 1.0f},
        HoverCase{"four_grow_steps", {"in", "4"}, HOVER_GROWING, 4, 1.14f},
        // Leaving mirrors the counter and continues from the matching shrink position.
        HoverCase{"leave_after_four_steps", {"in", "4", "out"}, HOVER_SHRINKING, 7, 1.09f},
        HoverCase{"shrink_back_to_rest", {"in", "4", "out", "4"}, HOVER_SHRINKING, 11, 1.0f},
        HoverCase{"rest_after_shrink", {"in", "4", "out", "5"}, HOVER_IDLE, 11, 1.0f},
        HoverCase{"overshoot_after_seven_steps", {"in", "7"}, HOVER_GROWING, 7, 1.19f},
        HoverCase{"settled_after_eleven_steps", {"in", "11"}, HOVER_GROWING, 11, 1.16f},
        HoverCase{"fully_grown", {"in", "12"}, HOVER_GROWN, 11, 1.16f},
        HoverCase{"stays_grown", {"in", "30", "in"}, HOVER_GROWN, 11, 1.16f},
        HoverCase{
            "leaving_grown_starts_full_shrink", {"in", "12", "out"}, HOVER_SHRINKING, 0, 1.16f},
        HoverCase{"full_shrink", {"in", "12", "out", "12"}, HOVER_IDLE, 11, 1.0f},
        // Coming back during the shrink grows on from the size reached.
        HoverCase{
            "reenter_while_shrinking", {"in", "12", "out", "3", "in"}, HOVER_GROWING, 8, 1.18f},
        HoverCase{"moving_outside_at_rest_does_nothing", {"out", "3"}, HOVER_IDLE, 0, 1.0f},
        HoverCase{"moving_inside_while_growing_does_nothing",
                  {"in", "2", "in"},
                  HOVER_GROWING,
                  2,
                  1.08f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MenuHover, AreaIsStrictAndScalesWithTheWindow) {
    // Start field, 1280 x 1024: x from 0.7 * 1280 = 896 to 0.9 * 1280 = 1152,
    // y from 0.48 * 1024 = 491.52 to 0.62 * 1024 = 634.88.
    struct Point {
        int x, y;
        bool inside;
    };
    for (Point p : {Point{895, 560, false}, Point{897, 560, true}, Point{1151, 560, true},
                    Point{1153, 560, false}, Point{1000, 491, false}, Point{1000, 492, true},
                    Point{1000, 634, true}, Point{1000, 635, false}}) {
        Menu m = five_button_menu();
        m.hover(p.x, p.y, 1280, 1024);
        EXPECT_EQ(m.buttons[0].hover_state, p.inside ? HOVER_GROWING : HOVER_IDLE)
            << p.x << "," << p.y;
    }
    // Edges that fall exactly on a pixel do not count: x from 256 to 768, y from 192 to 576.
    for (Point p : {Point{256, 300, false}, Point{257, 300, true}, Point{768, 300, false},
                    Point{500, 192, false}, Point{500, 193, true}, Point{500, 576, false}}) {
        Menu m;
        m.add_button(0.5f, 0.5f, 0.5f, 0.5f, 0.0f, 0.0f, 1);
        m.hover(p.x, p.y, 1024, 768);
        EXPECT_EQ(m.buttons[0].hover_state, p.inside ? HOVER_GROWING : HOVER_IDLE)
            << p.x << "," << p.y;
    }
}

TEST(MenuHover, OnlyTheShownScreensButtonsReact) {
    Menu m = five_button_menu();
    // The Back buttons of screens 1 to 3 sit at the same place; only the shown one grows.
    const int back_x = static_cast<int>(0.815f * W), back_y = static_cast<int>(0.85f * H);
    m.screen = SCREEN_CONTROLS;
    m.hover(back_x, back_y, W, H);
    EXPECT_EQ(m.buttons[2].hover_state, HOVER_IDLE);
    EXPECT_EQ(m.buttons[3].hover_state, HOVER_GROWING);
    EXPECT_EQ(m.buttons[4].hover_state, HOVER_IDLE);
    m.screen = SCREEN_MAIN;
    m.hover(IN_X, IN_Y, W, H);
    EXPECT_EQ(m.buttons[0].hover_state, HOVER_GROWING);
    EXPECT_EQ(m.buttons[3].hover_state, HOVER_GROWING) << "hover state persists off screen";
}

TEST(MenuAnimate, RunsOverButtonsOfEveryScreen) {
    Menu m = five_button_menu();
    m.hover(IN_X, IN_Y, W, H);
    m.screen = SCREEN_STORY;
    for (int i = 0; i < 12; ++i)
        m.animate();
    EXPECT_EQ(m.buttons[0].hover_state, HOVER_GROWN);
    // A clicked button is set to idle and drops to rest at the next step.
    m.buttons[0].hover_state = HOVER_IDLE;
    m.animate();
    EXPECT_EQ(m.buttons[0].scale, 1.0f);
}

TEST(MenuButtons, AtMostTwentyAndScreenRanges) {
    Menu m;
    for (int i = 0; i < MENU_MAX_BUTTONS; ++i)
        EXPECT_TRUE(m.add_button(0.5f, 0.5f, 0.1f, 0.1f, 0, 0, i));
    EXPECT_FALSE(m.add_button(0.5f, 0.5f, 0.1f, 0.1f, 0, 0, 99));
    EXPECT_EQ(m.button_count, MENU_MAX_BUTTONS);
    EXPECT_EQ(m.buttons[MENU_MAX_BUTTONS - 1].texture, 19u);

    Menu five = five_button_menu();
    const std::pair<int, int> ranges[] = {{0, 2}, {2, 3}, {3, 4}, {4, 5}};
    for (int16_t s = 0; s < 4; ++s) {
        five.screen = s;
        EXPECT_EQ(five.first_shown_button(), ranges[s].first);
        EXPECT_EQ(five.end_shown_button(), ranges[s].second);
    }
    // A menu with fewer buttons than the screens expect shows only those that exist.
    Menu two;
    two.add_button(0.5f, 0.5f, 0.1f, 0.1f, 0, 0, 1);
    two.screen = SCREEN_END;
    EXPECT_LE(two.end_shown_button(), two.first_shown_button());
}

TEST(MenuScale, FullScaleIsOnePlusTheGrowTable) {
    EXPECT_NEAR(menu_full_scale(), 1.16f, 1e-6f);
    float shrink = 0;
    for (float s : MENU_SHRINK)
        shrink += s;
    EXPECT_NEAR(shrink, -0.16f, 1e-6f);
}

// show_screen: screen, return-to-game marker and the posted text.
struct ScreenCase {
    int16_t screen;
    int16_t marker_before, marker_after;
    const char* text; // null: no text
    float y;
};

TEST(ShowScreen, SetsMarkerAndPostsTheScreensText) {
    const ScreenCase cases[] = {
        {SCREEN_MAIN, 1000, 0, nullptr, 0},
        {SCREEN_STORY, 1000, 0, STORY_TEXT, 0.37f},
        {SCREEN_CONTROLS, 1000, 1000, CONTROLS_TEXT, 0.33f},
        {SCREEN_CONTROLS, 0, 0, CONTROLS_TEXT, 0.33f},
        {SCREEN_END, 1000, 3, END_TEXT, 0.37f},
    };
    for (const ScreenCase& c : cases) {
        SCOPED_TRACE(c.screen);
        start_menu.return_to_game = c.marker_before;
        message_queue.clear();
        alert_queue.clear();
        message_queue.post({.text = "FPS ON"});
        alert_queue.post({.text = "Hit: 3"});
        show_screen(c.screen);
        EXPECT_EQ(start_menu.screen, c.screen);
        EXPECT_EQ(start_menu.return_to_game, c.marker_after);
        EXPECT_TRUE(alert_queue.empty());
        if (!c.text) {
            EXPECT_TRUE(message_queue.empty());
            continue;
        }
        ASSERT_EQ(message_queue.size(), 1u);
        const ScreenMessage& m = message_queue.front();
        EXPECT_EQ(m.text, c.text);
        EXPECT_EQ(m.alpha, 1.0f);
        EXPECT_EQ(m.fade_step, 1.0f);
        EXPECT_EQ(m.x, 0.1f);
        EXPECT_EQ(m.y, c.y);
        EXPECT_EQ(m.delay, 0.0f);
        EXPECT_EQ(m.hold_time, 3600.0f);
    }
}

TEST(ShowScreen, TextsAreExact) {
    EXPECT_STREQ(STORY_TEXT,
                 "The evil Fuerst der Finsternis has\nkidnapped the lovely Princess "
                 "Ysella.\nNobody was able to rescue her.\nSo you grab a sword and head "
                 "towards\nthe hideout of the Fuerst the Finsternis\nwhere you will try the "
                 "best you can...");
    EXPECT_STREQ(CONTROLS_TEXT,
                 "a                         \tstrafe left\nd                         \tstrafe "
                 "right\nw                         \tforward\ns                         "
                 "\tbackward\nSPACE               \tjump\nLeft Mouse Button  \tfight\nESC     "
                 "                \texit game");
    EXPECT_STREQ(END_TEXT, "                 Congratulations!\n\nYou have rescued the "
                           "Princess\nand won the game!\n\nAnd they lived happily ever after...");
}

TEST(ShowScreen, ScreenTextStaysAboutAnHourThenVanishesInOneUpdate) {
    show_screen(SCREEN_STORY);
    // 59 minutes of updates at the menu's 30 per second leave it untouched.
    for (int i = 0; i < 59 * 60 * 30; ++i)
        message_queue.update(1.0f / 30.0f);
    ASSERT_FALSE(message_queue.empty());
    EXPECT_EQ(message_queue.front().alpha, 1.0f);
    int more = 0;
    while (message_queue.front().hold_time > 0.0f && more < 2 * 60 * 30) {
        message_queue.update(1.0f / 30.0f);
        ++more;
    }
    EXPECT_LT(more, 2 * 60 * 30) << "the hold ends within the hour's last minutes";
    message_queue.update(1.0f / 30.0f);
    EXPECT_LE(message_queue.front().alpha, 0.0f) << "one fade step of 1.0 takes it all";
    message_queue.update(1.0f / 30.0f);
    EXPECT_TRUE(message_queue.empty());
}

} // namespace
