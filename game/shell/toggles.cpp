#include "game/shell/toggles.h"

int32_t move_keys = 0;
int32_t move_keys_latched = 0;

const float direction_table[16] = {-1, 90, 270, -1, 180, 135, 225, -1,
                                   0,  45, 315, -1, -1,  -1,  -1,  -1};

int32_t help_toggle = 0;
int32_t show_fps = 0;
int32_t wireframe = 0;
int32_t mipmap_filter_mode = 0;
int32_t mipmapping = 0;
int32_t render_path = 0;
int32_t use_display_lists = 0;
int32_t frustum_culling = 0;
int32_t transparency_off = 0;
int32_t lightmap_mode = 0;
