// The weapons: built once by static start-up, shared by every figure that wields them and
// never rebuilt (a restart only moves them back to the origin).
#pragma once

#include "game/play/weapon.h"

extern Weapon short_sword;  // weapon_list[0], the hero's at start
extern Weapon gauntlet;     // weapon_list[1], teletubbies and the princess
extern Weapon claw;         // weapon_list[2], the Fuerst
extern Weapon deathbringer; // weapon_list[3], in the inventory of "teletub1"
extern Weapon double_fist;  // not listed: the cave orcs

extern const char* const DEATHBRINGER_NAME;

// Builds the five weapons and fills weapon_list. Static start-up calls it once; calling it
// again does nothing.
void build_weapons();

// The GL side of the weapons, once at start-up after the texture list is loaded: the two swords
// take the texture names of TEX_SHORT_SWORD and TEX_LONG_SWORD, and every visible weapon of
// weapon_list gets its display lists.
void weapons_gl_start_up();
