// HUD texts and drawing.
#include "game/shell/overlay/hud.h"

#include "game/shell/overlay/font.h"
#include "game/shell/overlay/message_queue.h"

std::string hud_fps_text(int32_t frames_per_second) {
    return "FPS: " + std::to_string(frames_per_second);
}

std::string hud_hit_points_text(int32_t hit_points) {
    // Signed on purpose: a killed hero shows a negative value until the restart.
    return "HP: " + std::to_string(hit_points);
}

void draw_hud_with(const Font& font, bool show_frame_rate, int32_t frames_per_second,
                   int32_t hit_points, int window_width, int window_height) {
    if (show_frame_rate)
        font.draw_text(hud_fps_text(frames_per_second), 0.01f, 0.1f, 1.0f, window_width,
                       window_height);
    font.draw_text(hud_hit_points_text(hit_points), 0.82f, 0.1f, 1.0f, window_width, window_height);
    message_queue.draw(font, window_width, window_height);
    alert_queue.draw(font, window_width, window_height);
}
