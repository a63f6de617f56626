// The one level of the game, built by code: the hero's state, the props, figures, surfaces and
// items in a fixed order, and the reset that empties the scene for the next build.
#pragma once

#include <cstdint>

// One row of the surface table: the arguments of surface_init (always the room cube, rotation 0).
struct SurfaceRow {
    const char* name;
    float x, y, z;
    uint32_t face;
    float sx, sy, sz;
    int32_t texture;
};

constexpr int LEVEL_SURFACE_COUNT = 200;
extern const SurfaceRow LEVEL_SURFACES[LEVEL_SURFACE_COUNT];

// id of "fuerstdf" in the current level: the end of its death animation wins the game.
extern uint32_t fuerst_id;

// Builds the hero and every object of the level into the global scene, computing or loading each
// surface's lightmap before its display lists. Needs a current GL context and the texture names.
void build_level();

// The same build, with or without step 5 (lightmaps and the surfaces' display lists). Tools and
// tests that need only the geometry skip it; build_level() is build_level_with(true).
void build_level_with(bool lightmaps);

// Moves every weapon of weapon_list back to the origin and empties the scene's four lists. GL
// objects of the removed objects are kept; object ids keep counting.
void reset_level();
