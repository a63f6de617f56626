// Figure: the articulated body record shared by the hero and the monsters (eleven body parts,
// their keyframe tracks, the collision spheres and the fighting values). Plain data; the
// operations on it live with movement, combat and the monsters.
#pragma once

#include "game/world/item.h"
#include "game/world/world_object.h"

#include <cstdint>
#include <vector>

struct Dice;
struct Weapon;

constexpr int FIGURE_PART_COUNT = 11;
constexpr int FIGURE_ANIMATION_COUNT = 6;
constexpr int FIGURE_STATE_COUNT = 20;
constexpr int FIGURE_INVENTORY_SIZE = 10;

// state indices
constexpr int ST_ATTACK = 0;
constexpr int ST_DEATH = 2;
constexpr int ST_KILLED = 3;
constexpr int ST_PASSIVE = 4;
constexpr int ST_AIR = 5;
constexpr int ST_STEP = 6;
constexpr int ST_ON_RIVER = 7;
constexpr int ST_TURN_TO_HERO = 8;
constexpr int ST_TURN_TO_WAYPOINT = 9;
constexpr int ST_WALK = 10;
constexpr int ST_IDLE = 11;
constexpr int ST_ON_LAVA = 14;
constexpr int ST_GOD_MODE = 15;

// One channel of one keyframe: value runs from `from` towards `to` at `speed` per second.
struct Key {
    float from = 0.0f;
    float to = 0.0f;
    float value = 0.0f;
    float speed = 0.0f;
    float rest = 0.0f;
};

// Keys first .. end - 1 of one animation for one part.
struct KeyRange {
    int16_t first = 0;
    int16_t end = 0;
};

struct Sphere {
    Vec3 offset = {};
    float radius = 0.0f;
};

struct Figure : WorldObject {
    Vec3 part_offset[FIGURE_PART_COUNT] = {};
    Vec3 part_angle[FIGURE_PART_COUNT] = {};
    std::vector<Key> offset_tracks[3 * FIGURE_PART_COUNT];
    std::vector<Key> angle_tracks[3 * FIGURE_PART_COUNT];
    KeyRange animation_ranges[FIGURE_ANIMATION_COUNT][FIGURE_PART_COUNT] = {};
    int16_t current_key[FIGURE_PART_COUNT] = {};
    int32_t active_parts = 0;
    Vec3 part_pivot[FIGURE_PART_COUNT] = {};
    int32_t animation = 0;
    float turn_speed = 0.0f;
    float walk_speed = 0.0f;
    int32_t strength = 0;
    int32_t dexterity = 0;
    int32_t constitution = 0;
    int32_t hit_points = 0;
    const Dice* hit_dice = nullptr;
    int32_t attack_bonus = 0;
    int32_t armor_class = 0;
    Item* inventory = nullptr; // FIGURE_INVENTORY_SIZE items
    Weapon* weapon = nullptr;
    int32_t max_hit_points = 0;
    int16_t state[FIGURE_STATE_COUNT] = {};
    Sphere front_sphere;
    Sphere ground_sphere;
    Sphere body_sphere;
    float takeoff_yaw = 0.0f;
    std::vector<Vec3> waypoints;
    int16_t waypoint_index = 0;
    double thigh_length = 0.0;
    double shin_length = 0.0;
    double hip_height = 0.0;
    double foot_lift = 0.0;
    float reach = 0.0f;
};
