// The start menu: a full-window picture with animated picture buttons that grow
// while the pointer is over them and shrink back when it leaves, on four screens
// (main menu, story, controls, end screen).
#pragma once

#include <GL/gl.h>

#include <cstdint>

inline constexpr int MENU_MAX_BUTTONS = 20;
inline constexpr int MENU_ANIM_STEPS = 11;

// Scale changes per animation step, indexed by the truncated animation counter.
inline constexpr float MENU_GROW[MENU_ANIM_STEPS] = {0.04f, 0.04f,  0.03f,  0.03f,  0.02f, 0.02f,
                                                     0.01f, -0.01f, -0.02f, -0.01f, 0.01f};
inline constexpr float MENU_SHRINK[MENU_ANIM_STEPS] = {
    0.02f, 0.01f, -0.01f, -0.02f, -0.02f, -0.02f, -0.03f, -0.03f, -0.03f, -0.03f, 0.0f};

// hover_state values
inline constexpr int16_t HOVER_IDLE = 0;
inline constexpr int16_t HOVER_GROWING = 1;
inline constexpr int16_t HOVER_GROWN = 2;
inline constexpr int16_t HOVER_SHRINKING = 3;

// Menu screens
inline constexpr int16_t SCREEN_MAIN = 0;
inline constexpr int16_t SCREEN_STORY = 1;
inline constexpr int16_t SCREEN_CONTROLS = 2;
inline constexpr int16_t SCREEN_END = 3;

// Positions and sizes are fractions of the window's width and height.
struct MenuButton {
    int16_t hover_state = HOVER_IDLE;
    float anim_steps = 11.0f;
    float anim_counter = 0.0f;
    float anim_step = 1.0f;
    float x = 0.0f, y = 0.0f; // centre
    float width = 0.0f, height = 0.0f;
    float margin_x = 0.0f, margin_y = 0.0f; // how far the clickable area stays inside
    float scale = 1.0f;
    GLuint texture = 0;
};

class Menu {
  public:
    // False, and nothing stored, once MENU_MAX_BUTTONS buttons exist.
    bool add_button(float x, float y, float width, float height, float margin_x, float margin_y,
                    GLuint texture);

    // Expects the orthographic window projection with the origin at the top left.
    void draw_background(int window_width, int window_height) const;
    // Draws the shown screen's buttons; the caller sets additive blending beforehand.
    void draw_buttons(int window_width, int window_height) const;

    // One animation step of every button, on every screen.
    void animate();

    // Pointer position in window pixels, against the current window size.
    void hover(int pointer_x, int pointer_y);
    void hover(int pointer_x, int pointer_y, int window_width, int window_height);

    // The button indices that belong to `screen`: [first, first + count).
    static int first_button_of(int16_t screen);
    static int button_count_of(int16_t screen);
    // The shown screen's buttons that exist.
    int first_shown_button() const;
    int end_shown_button() const;

    int16_t button_count = 0;
    int16_t return_to_game = 0; // nonzero when the menu was entered from the running game
    int16_t screen = SCREEN_MAIN;
    float max_scale = 1.0f;
    GLuint background = 0;
    MenuButton buttons[MENU_MAX_BUTTONS] = {};
};

// 1.0 plus the whole grow table: the size a fully grown button settles at.
float menu_full_scale();

extern Menu start_menu;
