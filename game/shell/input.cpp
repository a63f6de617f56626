#include "game/shell/input.h"

#include "game/shell/modes.h"
#include "game/shell/startup.h"
#include "game/shell/toggles.h"

namespace {
constexpr unsigned char KEY_ENTER = 13;
constexpr unsigned char KEY_ESCAPE = 27;
constexpr unsigned char KEY_SPACE = 32;
} // namespace

int movement_bit(unsigned char key) {
    switch (key) {
    case 'a':
        return MOVE_LEFT;
    case 'd':
        return MOVE_RIGHT;
    case 's':
        return MOVE_BACKWARD;
    case 'w':
        return MOVE_FORWARD;
    default:
        return 0;
    }
}

void menu_key(unsigned char key, int, int) {
    if (key == KEY_ENTER || key == KEY_SPACE)
        set_game_mode(MODE_GAME);
    else if (key == KEY_ESCAPE)
        quit_game();
}

void menu_special_key(int, int, int) {
    // seam: F1 flips help_toggle and shows the controls screen or returns (needs the screens).
}

void menu_mouse(int, int, int, int) {
    // seam: a left-button release performs the action of each fully grown button.
}

void menu_pointer_motion(int, int) {
    // seam: the start menu's hover test.
}

void game_key(unsigned char key, int, int) {
    if (key == KEY_ESCAPE) quit_game();
    // Each press flips its bit; with key repeat ignored a held key is one flip down, one up.
    move_keys ^= movement_bit(key);
    // seam: Space (jump) and "g" (god mode) act on the hero.
}

void game_key_up(unsigned char key, int, int) {
    move_keys ^= movement_bit(key);
    // seam: with no movement key left, the hero's head bob restarts (phase 0, speed 9.0).
}

void game_special_key(int, int, int) {
    // seam: F1 and the display toggles F2 to F9 and F11 with their notices.
}

void game_mouse(int, int, int, int) {
    // seam: a left press starts the hero's swing while alive.
}

void game_pointer_motion(int, int) {
    // seam: mouse look turns the hero and warps the pointer back to the window centre.
}
