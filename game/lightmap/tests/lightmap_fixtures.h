// Small scenes for the lightmap tests: surfaces made the way the level makes them.
#pragma once

#include "game/world/models.h"
#include "game/world/surface.h"

inline Surface make_surface(const char* name, float x, float y, float z, uint32_t face, float sx,
                            float sy, float sz) {
    Surface s;
    surface_init(s, name, raumwuerfel, x, y, z, 0, 0, 0, face, sx, sy, sz, 0);
    return s;
}
