// Vertex buffers: they exist only while the buffer path is selected. With a lightmap an object
// has four (vertices, normals, texture and lightmap coordinates of mesh 0), otherwise three per
// mesh.
#pragma once

#include "game/world/scene.h"

void create_buffers(WorldObject& object);
// Deletes the names create_buffers made; the names stay in vbo.
void delete_buffers(WorldObject& object);

// Every figure, surface and item of the scene, every visible weapon of weapon_list, every prop.
void scene_create_buffers(Scene& scene);
void scene_delete_buffers(Scene& scene);
