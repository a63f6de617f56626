// Values the renderer shares with the rest of the game: the camera's model-view matrix and view
// direction, and the draw mode the part-wise routines (figure parts, glass panes) are given.
#pragma once

// draw_mode values: the three render paths, and 3 for display lists.
constexpr int DRAW_VERTEX_ARRAYS = 0;
constexpr int DRAW_IMMEDIATE = 1;
constexpr int DRAW_BUFFERS = 2;
constexpr int DRAW_DISPLAY_LISTS = 3;

// The model-view matrix right after the camera transform (column-major).
extern float modelview_matrix[16];
// (m[8], m[9], -m[10], m[11]) of that matrix; the hero's hit test reads it.
extern float view_vector[4];

// 3 when display lists are on, else render_path.
int draw_mode();
