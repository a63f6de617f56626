// One game tick: every gameplay step in its fixed order (the idle callback of the game mode
// runs it and then asks for a redisplay).
#pragma once

void run_game_tick();

// Empties the scene and builds the level again. The lights' positions are sent afresh in world
// space first: lightmaps computed during the build read them back, and the last frame left them
// in the camera's space.
void rebuild_level();

// The restart after death: back to the start menu with a freshly built level.
void restart_after_death();

// The end of the game, when the Fuerst's death animation has ended: the end screen in menu mode
// with the win song.
void end_of_game();
