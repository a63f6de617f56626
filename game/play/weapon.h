// Weapon: an item that arms a figure, and the list of the weapons that can lie in the world.
#pragma once

#include "game/world/item.h"

struct Dice;

constexpr int WEAPON_LIST_SIZE = 20;

struct Weapon : Item {
    int32_t no_strength_bonus = 0;
    const Dice* damage = nullptr;
    int16_t visible = 0; // 1: has a model and can lie in the world
};

// Walks over it stop at the first empty entry.
extern Weapon* weapon_list[WEAPON_LIST_SIZE];

inline int16_t carry_state(const Weapon& weapon) {
    return weapon.state[ITEM_CARRY_STATE];
}
