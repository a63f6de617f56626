// Item: a small object lying in the world (pizzas, the glowing light markers, and the weapons,
// which build on it).
#pragma once

#include "game/world/world_object.h"

// kind values
constexpr uint32_t ITEM_FOOD = 0;   // eaten when the hero walks into it
constexpr uint32_t ITEM_NONE = 1;   // neither eaten nor taken: light markers, empty inventory slots
constexpr uint32_t ITEM_WEAPON = 3; // never culled; picked up by the weapon swap

// Item state entries used by the weapons.
constexpr int ITEM_CARRY_STATE = 12; // 0 lying in the world, 1 carried by a monster, 2 held
constexpr int ITEM_DROP_LOCK = 13;

struct Item : WorldObject {
    // The constructors leave the kind alone; starting at ITEM_NONE keeps an item that nobody
    // gave a kind from being eaten or taken.
    uint32_t kind = ITEM_NONE;
    int16_t state[20] = {};
    Vec3 home = {};
    float pickup_radius = 0.0f;
};

void item_init(Item& item, const std::string& name, const Model& model, float x, float y, float z,
               float rot_x, float rot_y, float rot_z, float pickup_radius);
// An item without a model of its own (weapons that are never drawn).
void item_init(Item& item, const std::string& name, float x, float y, float z, float rot_x,
               float rot_y, float rot_z, float pickup_radius);
inline void item_set_kind(Item& item, uint32_t kind) {
    item.kind = kind;
}
inline uint32_t item_kind(const Item& item) {
    return item.kind;
}
