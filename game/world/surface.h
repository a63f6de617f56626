// Surface: one face of the room cube, scaled and baked into world space. Walls, floors,
// ceilings, water, lava and bridges are all surfaces.
#pragma once

#include "game/world/world_object.h"

// face values: the mesh index of the face in raumwuerfel.
constexpr uint32_t FACE_CEILING = 0;
constexpr uint32_t FACE_FLOOR = 1;
constexpr uint32_t FACE_WALL_NEG_Z = 2;
constexpr uint32_t FACE_WALL_NEG_X = 3;
constexpr uint32_t FACE_WALL_POS_Z = 4;
constexpr uint32_t FACE_WALL_POS_X = 5;

struct Surface : WorldObject {
    Vec3 scale = {1.0f, 1.0f, 1.0f};
    float own_texcoords[4 * 2] = {};
    float own_lightmap_texcoords[4 * 2] = {};
    float own_vertices[4 * 3] = {};
    uint32_t face = 0;

    Surface() = default;
    // A copy draws from its own arrays, never from those of the surface it was copied from.
    Surface(const Surface& other);
    Surface& operator=(const Surface& other);
};

void surface_init(Surface& surface, const std::string& name, const Model& model, float x, float y,
                  float z, float rot_x, float rot_y, float rot_z, uint32_t face, float sx, float sy,
                  float sz, int32_t tex_id);
// Scales the face's texture coordinates and vertices (so the texture repeats once per two world
// units), moves the vertices to the surface's position and copies them into corners.
void surface_set_scale(Surface& surface, float sx, float sy, float sz);
