// Stat sheets: the numbers a figure is created with, one constant sheet per kind of figure.
#pragma once

#include "game/play/dice.h"
#include "game/play/figure.h"

struct StatSheet {
    int32_t strength;
    int32_t dexterity;
    int32_t constitution;
    int32_t hit_points; // 0: the hit dice's maximum plus the constitution modifier
    const Dice* hit_dice;
    int32_t attack_bonus;
    int32_t armor_class; // 0: 10 plus the dexterity modifier
    Weapon* weapon;
};

extern const StatSheet HERO_SHEET;
extern const StatSheet TELETUBBY_SHEET;
extern const StatSheet CAVEORC_SHEET;
extern const StatSheet PRINCESS_SHEET;
extern const StatSheet FUERST_SHEET;

// Copies the sheet into the figure, computes the zero entries and gives the figure a new
// inventory of ten empty items.
void apply_stat_sheet(Figure& figure, const StatSheet& sheet);
