// The one-time start-up routine, the fixed OpenGL state with its five lights, and the way the
// game ends on Escape.
#pragma once

#include <cstdint>

extern int32_t saved_swap_interval;

struct LightSetting {
    float position[4];
    float ambient[4];
    float diffuse[4]; // also the specular colour
    float quadratic_attenuation;
};

constexpr int LIGHT_COUNT = 5;
extern const LightSetting light_table[LIGHT_COUNT];

// Timers, sound, swap interval, fixed GL state, textures, weapons, font, start menu and end
// screen, in that order. Ends the process on a sound failure.
void initialise_game();

// Sets the GL state that never changes during the run (clear colour, shading, material, the
// five lights); the enables come last in initialise_game.
void set_fixed_gl_state();

// Puts back the swap interval the program started with and ends the process with exit code 0.
[[noreturn]] void quit_game();
