// The two modes of the game, each a complete set of GLUT callbacks, and the frame loops of both:
// display, reshape and idle. The menu mode shows the start menu and text screens; the game mode
// runs the level through game_tick.
#pragma once

#include <cstdint>

constexpr int32_t MODE_MENU = 0;
constexpr int32_t MODE_GAME = 1;

extern int32_t game_mode;
extern int32_t window_width;
extern int32_t window_height;
extern int32_t window_center_x;
extern int32_t window_center_y;

// The GLUT registrations of one mode, in the order they are registered. A null entry removes
// that callback.
struct CallbackSet {
    void (*display)();
    void (*reshape)(int width, int height);
    void (*mouse)(int button, int state, int x, int y);
    void (*passive_motion)(int x, int y);
    void (*keyboard)(unsigned char key, int x, int y);
    void (*keyboard_up)(unsigned char key, int x, int y);
    void (*special)(int key, int x, int y);
    void (*special_up)(int key, int x, int y);
    void (*idle)();
};

CallbackSet callback_set(int32_t mode);

// Stores the mode and registers its callbacks (entering the game also marks the menu as entered
// from the game and empties both message queues), then hides the pointer in the game and shows
// it in the menu.
void set_game_mode(int32_t mode);

void menu_display();
void menu_idle();
void menu_reshape(int width, int height);
void game_display();
// The game's picture of one frame, from the projection to the HUD (game_display without the
// clearing, the measuring and the swap).
void draw_game_view();
void game_tick();
void game_reshape(int width, int height);

// Sends the positions of the five lights again (after the camera transform, so they stay put in
// the world).
void send_light_positions();
