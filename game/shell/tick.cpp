#include "game/shell/tick.h"

#include "game/image/textures.h"
#include "game/play/collision.h"
#include "game/play/movement.h"
#include "game/shell/modes.h"
#include "game/shell/overlay/menu.h"
#include "game/shell/overlay/message_queue.h"
#include "game/shell/overlay/screens.h"
#include "game/shell/timing.h"
#include "game/shell/toggles.h"
#include "game/sound/sound.h"
#include "game/world/level.h"

#include <GL/gl.h>
#include "platform/clock.h"

void run_game_tick() {
    // 1. Jump or fall, on the clock of the current jump.
    last_interval = seconds_since(movement_timer, perf_counter_now());
    hero_vertical_motion(hero, 4.0 * last_interval);

    // 2. Floors and ceilings; a landing, a ceiling or the end of a rise restarts the clock.
    const bool touched = collide_with_surfaces(hero, PASS_FLOORS);
    if (touched || hero.state[ST_AIR] == 3) {
        if (hero.state[ST_AIR] == 3) hero.state[ST_AIR] = 2;
        movement_timer = perf_counter_now();
    }

    // 3. In the air the keys held at take-off keep steering.
    const float latched = direction_table[move_keys_latched & 15];
    if (move_keys_latched != 0 && latched != -1 && hero.state[ST_AIR] != 0)
        hero_move(hero, latched, 1.0f);
    else
        move_keys_latched = 0;

    // 4. Walking on the ground.
    const float heading = direction_table[move_keys & 15];
    if (move_keys != 0 && heading != -1 && hero.state[ST_AIR] == 0 && hero.state[ST_KILLED] == 0 &&
        hero.state[ST_DEATH] == 0) {
        hero_move(hero, heading, 1.0f);
        move_keys_latched = move_keys;
        hero_step_sounds(hero);
    }

    // 5.-7. Out of monsters, out of walls, then what the hero touches.
    collide_hero_with_monsters(hero);
    collide_with_surfaces(hero, PASS_WALLS);
    hero_interactions(hero);

    // 8. Lava burns once a second.
    last_interval = seconds_since(combat_timer, perf_counter_now());
    if (last_interval > 1.0) {
        combat_timer = perf_counter_now();
        if (hero.state[ST_ON_LAVA] != 0 && hero.state[ST_DEATH] == 0 &&
            hero.state[ST_KILLED] == 0) {
            // seam: take_damage(hero, 1); play_sample(0).
        }
    }

    // 9. seam: if (hero.state[ST_ATTACK] != 0) hero_attack_step(hero).

    // 10. The living world, or the hero's death sequence.
    if (hero.state[ST_DEATH] == 0 && hero.state[ST_KILLED] == 0) {
        // seam: monster_behaviour_pass(scene).
    } else if (hero.state[ST_DEATH] == 1) {
        last_interval = seconds_since(end_timer, perf_counter_now());
        if (last_interval > 2.0) {
            hero.state[ST_DEATH] = 2;
            end_timer = perf_counter_now();
            ScreenMessage dead;
            dead.alpha = 1.0f;
            dead.fade_step = 0.1f;
            dead.x = 0.05f;
            dead.y = 0.8f;
            dead.delay = 0;
            dead.hold_time = 4.0f;
            dead.text = "You are dead!";
            alert_queue.post(dead);
        }
    } else if (hero.state[ST_DEATH] == 2) {
        last_interval = seconds_since(end_timer, perf_counter_now());
        if (last_interval > 5.0) {
            restart_after_death();
            return;
        }
    }

    // 11. seam: monster_movement_pass(scene).
    // 12. seam: monster_step_pass(scene).

    // 13. A hero killed in this tick starts dying.
    if (hero.state[ST_KILLED] != 0) {
        hero.state[ST_KILLED] = 0;
        hero.state[ST_DEATH] = 1;
        end_timer = perf_counter_now();
    }
}

void restart_after_death() {
    ZTUNE_StopSong(game_song);
    set_game_mode(MODE_MENU);
    start_menu.background = texture_names_plain[TEX_ANFANG_MENU];
    show_screen(SCREEN_MAIN);
    ZTUNE_PlaySong(menu_song);
    rebuild_level();
}

void rebuild_level() {
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    send_light_positions();
    reset_level();
    build_level();
    glPopMatrix();
}

void end_of_game() {
    ZTUNE_StopSong(game_song);
    start_menu.background = texture_names_plain[TEX_ENDE_MENU];
    show_screen(SCREEN_END);
    set_game_mode(MODE_MENU);
    ZTUNE_PlaySong(win_song);
}
