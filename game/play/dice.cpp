#include "game/play/dice.h"

#include <ctime>
#include <iostream>

const Dice D20{1, 20, 0};
const Dice DICE_HERO_HIT{1, 12, 0};
const Dice DICE_MONSTER_HIT{1, 8, 2};
const Dice DICE_FUERST_HIT{15, 8, 105};
const Dice DICE_SHORT_SWORD{1, 6, 0};
const Dice DICE_GAUNTLET{1, 2, 0};
const Dice DICE_CLAW{1, 6, 5};
const Dice DICE_LONG_SWORD{1, 8, 5};
const Dice DICE_DOUBLE_FIST{2, 6, 3};

const int32_t ability_modifier[28] = {-100, -5, -4, -4, -3, -3, -2, -2, -1, -1, 0, 0, 1, 1,
                                      2,    2,  3,  3,  4,  4,  5,  5,  6,  6,  7, 7, 8, 8};

namespace {
uint32_t random_state = 0;
}

void seed_random(uint32_t value) {
    random_state = value;
}

int32_t next_random() {
    random_state = random_state * 214013u + 2531011u;
    return static_cast<int32_t>((random_state >> 16) & 0x7fff);
}

int32_t dice_roll(const Dice& dice) {
    seed_random(static_cast<uint32_t>(std::time(nullptr)));
    int32_t total = 0;
    for (int32_t i = 0; i < dice.count; ++i) {
        total += next_random() % dice.sides + 1;
        std::cerr << "DEBUG helper LINE " << 555 << ": roll_value=" << total << " " << dice.sides
                  << " " << dice.count << " " << dice.bonus << " RM=" << 32767 << std::endl;
    }
    return total + dice.bonus;
}

int32_t dice_max(const Dice& dice) {
    return dice.count * dice.sides + dice.bonus;
}
