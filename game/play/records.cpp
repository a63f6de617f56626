// The one hero and the weapon list. Their contents are set up by the level builder and the
// weapons' start-up.
#include "game/play/hero.h"
#include "game/play/weapon.h"

Hero hero;
Weapon* weapon_list[WEAPON_LIST_SIZE] = {};
