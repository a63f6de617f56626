#include "game/play/weapons.h"

#include "game/image/textures.h"
#include "game/play/dice.h"
#include "game/render/display_lists.h"
#include "game/world/models.h"

Weapon short_sword;
Weapon gauntlet;
Weapon claw;
Weapon deathbringer;
Weapon double_fist;

const char* const DEATHBRINGER_NAME = "Long Sword 1d8+5  -  Deathbringer";

namespace {

void make_weapon(Weapon& weapon, const char* name, const Model* model, const Dice& damage) {
    if (model)
        item_init(weapon, name, *model, 0, 0, 0, 0, 0, 0, 0.7f);
    else
        item_init(weapon, name, 0, 0, 0, 0, 0, 0, 0.7f);
    item_set_kind(weapon, ITEM_WEAPON);
    weapon.no_strength_bonus = 0;
    weapon.damage = &damage;
    weapon.visible = model ? 1 : 0;
}

bool built = false;

// The weapons outlive every restart, so they are made before main runs.
struct WeaponStartup {
    WeaponStartup() { build_weapons(); }
} weapon_startup;

} // namespace

void build_weapons() {
    if (built) return;
    built = true;
    make_weapon(short_sword, "Short Sword 1d6", &short_sword_uv, DICE_SHORT_SWORD);
    make_weapon(gauntlet, "Gauntlet 1d2", nullptr, DICE_GAUNTLET);
    make_weapon(claw, "Claw 1d6+5", nullptr, DICE_CLAW);
    make_weapon(deathbringer, DEATHBRINGER_NAME, &long_sword, DICE_LONG_SWORD);
    make_weapon(double_fist, "Double Fist 2d6+3", nullptr, DICE_DOUBLE_FIST);
    weapon_list[0] = &short_sword;
    weapon_list[1] = &gauntlet;
    weapon_list[2] = &claw;
    weapon_list[3] = &deathbringer;
}

void weapons_gl_start_up() {
    set_textures(short_sword, texture_names_plain[TEX_SHORT_SWORD],
                 texture_names_mipmapped[TEX_SHORT_SWORD]);
    set_textures(deathbringer, texture_names_plain[TEX_LONG_SWORD],
                 texture_names_mipmapped[TEX_LONG_SWORD]);
    for (Weapon* weapon : weapon_list) {
        if (!weapon) break;
        if (weapon->visible == 1) compile_display_lists(*weapon, false);
    }
}
