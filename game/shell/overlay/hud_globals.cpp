// draw_hud from the game's globals.
#include "game/play/hero.h"
#include "game/shell/modes.h"
#include "game/shell/overlay/font.h"
#include "game/shell/overlay/hud.h"
#include "game/shell/timing.h"
#include "game/shell/toggles.h"

void draw_hud() {
    draw_hud_with(hud_font, show_fps == 1, frames_per_second, hero.hit_points, window_width,
                  window_height);
}
