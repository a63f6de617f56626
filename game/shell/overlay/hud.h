// The heads-up display of the game mode: frame rate, hit points and the front
// messages of both queues.
#pragma once

#include <cstdint>
#include <string>

class Font;

// "FPS: " and "HP: " followed by the value in signed decimal.
std::string hud_fps_text(int32_t frames_per_second);
std::string hud_hit_points_text(int32_t hit_points);

// The HUD with everything it shows passed in.
void draw_hud_with(const Font& font, bool show_frame_rate, int32_t frames_per_second,
                   int32_t hit_points, int window_width, int window_height);

// The HUD of game_display, from the game's globals.
void draw_hud();
