// Input state and the run-time display toggles: the movement-key mask, its direction table,
// and the switches the function keys flip. All start at 0 and keep their values for the whole
// run, across mode switches and restarts.
#pragma once

#include <cstdint>

// Movement-key mask bits.
constexpr int32_t MOVE_LEFT = 1;     // "a"
constexpr int32_t MOVE_RIGHT = 2;    // "d"
constexpr int32_t MOVE_BACKWARD = 4; // "s"
constexpr int32_t MOVE_FORWARD = 8;  // "w"

extern int32_t move_keys;
extern int32_t move_keys_latched;

// Heading offset in degrees for each mask value, or -1 where the keys cancel out.
extern const float direction_table[16];

extern int32_t help_toggle;
extern int32_t show_fps;
extern int32_t wireframe;
extern int32_t mipmap_filter_mode;
extern int32_t mipmapping;
extern int32_t render_path;
extern int32_t use_display_lists;
extern int32_t frustum_culling;
extern int32_t transparency_off;
extern int32_t lightmap_mode;

// render_path values
constexpr int32_t RENDER_VERTEX_ARRAYS = 0;
constexpr int32_t RENDER_IMMEDIATE = 1;
constexpr int32_t RENDER_VERTEX_BUFFERS = 2;

// lightmap_mode values
constexpr int32_t LIGHTMAPS_ON = 0;
constexpr int32_t LIGHTMAPS_PURE = 1;
constexpr int32_t LIGHTMAPS_OFF = 2;
