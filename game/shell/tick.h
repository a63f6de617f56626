// One game tick: every gameplay step in its fixed order (the idle callback of the game mode
// runs it and then asks for a redisplay).
#pragma once

void run_game_tick();

// The restart after death: back to the start menu with a freshly built level.
void restart_after_death();
