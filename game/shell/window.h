// The game's one window: GLUT's game mode with the configured mode string, or, when the display
// cannot be switched to that mode, a full-screen window at the current screen size.
#pragma once

#include <string>

void open_game_window(const std::string& mode_string);
