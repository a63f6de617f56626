// The hero's own motion for one game tick: jump and fall, walking by heading, mouse turning,
// head bob with footsteps and weapon sway; and the small figure accessors that input and the
// level builder use.
#pragma once

#include "game/play/hero.h"

constexpr double HALF_PI = 1.5707963267948966;
constexpr float FALL_SPEED = 6.0f;

// One tick of jump or fall; t is 4 x seconds since movement_timer.
void hero_vertical_motion(Figure& figure, double t);
// One walking step at heading offset (degrees added to the yaw, or to takeoff_yaw in the air).
void hero_move(Figure& figure, float heading_offset, float factor);
// Mouse look: dx turns the yaw (wrapping at 0 and 360), dy the pitch (held within +-60).
void hero_turn(Figure& figure, float dx, float dy);
// One walking tick of head bob, footstep sounds and weapon sway.
void hero_step_sounds(Hero& hero);
void hero_reset_bob(Hero& hero, float phase, float speed);

int16_t figure_state(const Figure& figure, int index);
// Index ST_ATTACK with value 1 starts the hero's swing; ST_ATTACK with any other value does
// nothing; every other index stores the value.
void figure_set_state(Figure& figure, int index, int16_t value);
void set_hit_points(Figure& figure, int32_t value);
void set_speeds(Figure& figure, float turn, float walk);
void set_position(WorldObject& object, float x, float y, float z);
Vec3 get_position(const WorldObject& object);

// A figure at a place, every state 0 and no keys, waypoints or spheres yet.
void figure_init(Figure& figure, float x, float y, float z, float rot_x, float rot_y, float rot_z);
// The hero at a place with its eye height, bob and three spheres.
void hero_init(Hero& hero, float x, float y, float z, float rot_x, float rot_y, float rot_z,
               float eye_height);
