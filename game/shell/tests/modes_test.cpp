// The callback set each mode registers.
#include "game/shell/input.h"
#include "game/shell/modes.h"
#include "game/shell/toggles.h"

#include <gtest/gtest.h>

namespace {

TEST(Modes, MenuSetHasNoKeyUpOrSpecialUp) {
    const CallbackSet s = callback_set(MODE_MENU);
    EXPECT_EQ(s.display, &menu_display);
    EXPECT_EQ(s.reshape, &menu_reshape);
    EXPECT_EQ(s.mouse, &menu_mouse);
    EXPECT_EQ(s.passive_motion, &menu_pointer_motion);
    EXPECT_EQ(s.keyboard, &menu_key);
    EXPECT_EQ(s.keyboard_up, nullptr);
    EXPECT_EQ(s.special, &menu_special_key);
    EXPECT_EQ(s.special_up, nullptr);
    EXPECT_EQ(s.idle, &menu_idle);
}

TEST(Modes, GameSetAddsKeyUpAndTicksInIdle) {
    const CallbackSet s = callback_set(MODE_GAME);
    EXPECT_EQ(s.display, &game_display);
    EXPECT_EQ(s.reshape, &game_reshape);
    EXPECT_EQ(s.mouse, &game_mouse);
    EXPECT_EQ(s.passive_motion, &game_pointer_motion);
    EXPECT_EQ(s.keyboard, &game_key);
    EXPECT_EQ(s.keyboard_up, &game_key_up);
    EXPECT_EQ(s.special, &game_special_key);
    EXPECT_EQ(s.special_up, nullptr);
    EXPECT_EQ(s.idle, &game_tick);
}

TEST(Input, MovementKeysFlipTheirBitsAndOppositesCancel) {
    move_keys = 0;
    game_key('w', 0, 0);
    game_key('a', 0, 0);
    EXPECT_EQ(direction_table[move_keys], 45);
    game_key('d', 0, 0);
    EXPECT_EQ(direction_table[move_keys], -1); // mask 11
    game_key_up('a', 0, 0);
    EXPECT_EQ(direction_table[move_keys], 315); // forward and right
    // A release that arrives as another character (Shift held) leaves the bit set.
    game_key_up('D', 0, 0);
    EXPECT_EQ(move_keys, MOVE_FORWARD | MOVE_RIGHT);
    game_key_up('d', 0, 0);
    game_key_up('w', 0, 0);
    EXPECT_EQ(move_keys, 0);
}

} // namespace
