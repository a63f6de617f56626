// Hero: the player's figure, the one global outside the scene. Only its weapon is drawn.
#pragma once

#include "game/play/figure.h"

// Five values of which each user reads only some (a phase and speed, a start and end, a base).
struct Motion {
    float from = 0.0f;
    float to = 0.0f;
    float phase = 0.0f;
    float speed = 0.0f;
    float base = 0.0f;
};

struct Hero : Figure {
    Vec3 weapon_offset = {};
    Vec3 weapon_base_offset = {};
    Vec3 weapon_angles = {};
    Vec3 weapon_base_angles = {};
    Motion bob;
    Motion sway_x;
    Motion sway_y;
    Motion swing_x;
    Motion swing_turn;
    Motion swing_y;
    float eye_height_now = 0.0f;
};

extern Hero hero;
