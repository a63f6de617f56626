// The four ways of drawing an object's meshes (vertex arrays, immediate mode, vertex buffers,
// display lists), and the per-mesh pieces that figure parts and glass panes reuse.
#pragma once

#include "game/world/world_object.h"

// glMaterialfv for ambient, diffuse, specular and emission of mesh i, in that order.
void set_material(const WorldObject& object, uint32_t mesh);

void draw_vertex_arrays(const WorldObject& object);
void draw_immediate(const WorldObject& object);
void draw_buffers(const WorldObject& object);
void draw_display_lists(const WorldObject& object);
// The dispatch by use_display_lists and render_path.
void draw_with_path(const WorldObject& object);

// One mesh without touching material or texture. For DRAW_VERTEX_ARRAYS and DRAW_BUFFERS the
// caller has enabled the vertex, normal and texture-coordinate arrays.
void draw_mesh(const WorldObject& object, uint32_t mesh, int mode);

// Client arrays on or off for modes 0 and 2; modes 1 and 3 need none.
void enable_mesh_arrays(int mode);
void disable_mesh_arrays(int mode);
