// The monsters' construction: the kinds with their body data (pivots, leg geometry, spheres,
// reach), the loader of the keyframe tables, and starting animations and actions.
#pragma once

#include "game/play/monster.h"
#include "game/play/stats.h"

#include <initializer_list>
#include <string>

// monster kinds
constexpr int MONSTER_TELETUBBY = 2;
constexpr int MONSTER_FUERST = 3;
constexpr int MONSTER_PRINCESS = 4;
constexpr int MONSTER_CAVEORC = 5;

// animations
constexpr int ANIM_REST = 0;
constexpr int ANIM_ATTACK = 1;
constexpr int ANIM_WALK = 2;
constexpr int ANIM_IDLE = 3;
constexpr int ANIM_DEATH = 4;

// texture and texture_mipmapped index the block of 2000 texture names.
void monster_init(Monster& monster, const Model& model, float x, float y, float z, float rot_x,
                  float rot_y, float rot_z, const StatSheet& sheet, int kind, int texture,
                  int texture_mipmapped, const std::string& name, const std::string& description);

// Appends the keyframes of eleven part tables to the figure's tracks and records each
// animation's key range per part. False (tracks as far as read) when a table is malformed:
// an animation number outside 0..4 or a keyframe cut short by a marker.
bool load_animation_tables(Figure& figure, const float* const tables[FIGURE_PART_COUNT]);

// Rest pose, then animation a from its first keyframe on every part.
void set_animation(Figure& figure, int animation);

// state[index] = value, after the animation change that some actions bring (attack, death,
// walk, idle; the hero never plays a death animation).
void figure_set_action(Figure& figure, int index, int16_t value);

// The figure's patrol, in order.
void set_waypoints(Figure& figure, std::initializer_list<Vec3> points);
