#include "game/play/stats.h"

#include "game/play/weapons.h"

#include <array>
#include <deque>

namespace {
// Every inventory ever handed out. Figures are copied by value and keep a plain pointer, so the
// arrays live here for the whole run (a restart makes new ones and never frees the old).
std::deque<std::array<Item, FIGURE_INVENTORY_SIZE>> inventories;
} // namespace

const StatSheet HERO_SHEET{18, 17, 18, 0, &DICE_HERO_HIT, 1, 0, &short_sword};
const StatSheet TELETUBBY_SHEET{11, 11, 14, 6, &DICE_MONSTER_HIT, 1, 16, &gauntlet};
const StatSheet CAVEORC_SHEET{20, 14, 20, 30, &DICE_MONSTER_HIT, 1, 22, &double_fist};
const StatSheet PRINCESS_SHEET{11, 11, 14, 6, &DICE_MONSTER_HIT, 1, 16, &gauntlet};
const StatSheet FUERST_SHEET{18, 19, 18, 40, &DICE_FUERST_HIT, 1, 20, &claw};

void apply_stat_sheet(Figure& figure, const StatSheet& sheet) {
    figure.strength = sheet.strength;
    figure.dexterity = sheet.dexterity;
    figure.constitution = sheet.constitution;
    figure.hit_dice = sheet.hit_dice;
    figure.attack_bonus = sheet.attack_bonus;
    figure.hit_points = sheet.hit_points != 0
                            ? sheet.hit_points
                            : dice_max(*sheet.hit_dice) + ability_modifier[figure.constitution];
    figure.max_hit_points = figure.hit_points;
    figure.armor_class =
        sheet.armor_class != 0 ? sheet.armor_class : 10 + ability_modifier[figure.dexterity];
    // Each figure gets its own inventory; like the rest of the level's objects it is never
    // freed (a restart builds new figures with new inventories).
    figure.inventory = inventories.emplace_back().data();
    for (int i = 0; i < FIGURE_INVENTORY_SIZE; ++i) {
        item_init(figure.inventory[i], "leer", 0, 0, 0, 0, 0, 0, 0.0f);
        item_set_kind(figure.inventory[i], ITEM_NONE);
    }
    figure.weapon = sheet.weapon;
}
