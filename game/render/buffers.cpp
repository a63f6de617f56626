#include "game/render/buffers.h"

#include "game/play/weapon.h"
#include "game/render/gl_entry_points.h"

#include <GL/gl.h>
#include <GL/glext.h>

namespace {

void fill(uint32_t name, std::ptrdiff_t size, const void* data) {
    gl_entry_points.glBindBufferARB(GL_ARRAY_BUFFER_ARB, name);
    gl_entry_points.glBufferDataARB(GL_ARRAY_BUFFER_ARB, size, data, GL_STATIC_DRAW_ARB);
}

GLsizei buffer_count(const WorldObject& object) {
    return object.lightmap_texture != 0 ? 4 : static_cast<GLsizei>(3 * object.mesh_count);
}

template <typename F> void for_each_buffered_object(Scene& scene, F action) {
    for (Monster& figure : scene.figures)
        action(figure);
    for (Surface& surface : scene.surfaces)
        action(surface);
    for (Item& item : scene.items)
        action(item);
    for (Weapon* weapon : weapon_list) {
        if (!weapon) break;
        if (weapon->visible == 1) action(*weapon);
    }
    for (Prop& prop : scene.props)
        action(prop);
}

} // namespace

void create_buffers(WorldObject& object) {
    // An object with more meshes than buffer slots keeps drawing from its client arrays.
    if (object.mesh_count == 0 || buffer_count(object) > OBJECT_BUFFER_COUNT) return;
    gl_entry_points.glGenBuffersARB(buffer_count(object), object.vbo);
    if (object.lightmap_texture != 0) {
        const std::ptrdiff_t n = object.vertex_counts[0];
        fill(object.vbo[0], n * 12, object.vertices[0]);
        fill(object.vbo[1], n * 12, object.normals[0]);
        fill(object.vbo[2], n * 8, object.texcoords[0]);
        fill(object.vbo[3], n * 8, object.lightmap_texcoords);
        return;
    }
    for (uint32_t i = 0; i < object.mesh_count; ++i) {
        const std::ptrdiff_t n = object.vertex_counts[i];
        fill(object.vbo[3 * i], n * 12, object.vertices[i]);
        fill(object.vbo[3 * i + 1], n * 12, object.normals[i]);
        fill(object.vbo[3 * i + 2], n * 8, object.texcoords[i]);
    }
}

void delete_buffers(WorldObject& object) {
    if (object.mesh_count == 0 || buffer_count(object) > OBJECT_BUFFER_COUNT) return;
    gl_entry_points.glDeleteBuffersARB(buffer_count(object), object.vbo);
}

void scene_create_buffers(Scene& scene) {
    for_each_buffered_object(scene, [](WorldObject& object) { create_buffers(object); });
}

void scene_delete_buffers(Scene& scene) {
    for_each_buffered_object(scene, [](WorldObject& object) { delete_buffers(object); });
}
