// Dice, the one random generator behind every roll, and the ability modifiers of the stat
// sheets.
#pragma once

#include <cstdint>

struct Dice {
    int32_t count;
    int32_t sides;
    int32_t bonus;
};

// Created once and never freed; figures and weapons keep pointers to them.
extern const Dice D20;
extern const Dice DICE_HERO_HIT;    // 1d12+0
extern const Dice DICE_MONSTER_HIT; // 1d8+2: teletubbies, the princess, the cave orcs
extern const Dice DICE_FUERST_HIT;  // 15d8+105
extern const Dice DICE_SHORT_SWORD; // 1d6+0
extern const Dice DICE_GAUNTLET;    // 1d2+0
extern const Dice DICE_CLAW;        // 1d6+5
extern const Dice DICE_LONG_SWORD;  // 1d8+5
extern const Dice DICE_DOUBLE_FIST; // 2d6+3

// One generator for the whole program: s = s * 214013 + 2531011, bits 16 to 30 returned.
void seed_random(uint32_t value);
int32_t next_random();

// Reseeds from the calendar time in whole seconds first, so two rolls in the same second repeat.
int32_t dice_roll(const Dice& dice);
int32_t dice_max(const Dice& dice);

// Scores 0 to 27; score 0 gives -100.
extern const int32_t ability_modifier[28];
