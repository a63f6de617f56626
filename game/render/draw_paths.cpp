#include "game/render/draw_paths.h"

#include "game/image/textures.h"
#include "game/render/gl_entry_points.h"
#include "game/render/render_state.h"
#include "game/shell/toggles.h"

#include <GL/gl.h>
#include <GL/glext.h>

float modelview_matrix[16] = {};
float view_vector[4] = {};

int draw_mode() {
    return use_display_lists == 1 ? DRAW_DISPLAY_LISTS : render_path;
}

void set_material(const WorldObject& object, uint32_t mesh) {
    glMaterialfv(GL_FRONT, GL_AMBIENT, object.ambient[mesh]);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, object.diffuse[mesh]);
    glMaterialfv(GL_FRONT, GL_SPECULAR, object.specular[mesh]);
    glMaterialfv(GL_FRONT, GL_EMISSION, object.emission[mesh]);
}

namespace {

// The pointer argument for an array that lives in buffer `name`: bind it and pass an offset of
// 0. An object that never got buffers (name 0) draws from its client arrays instead, which gives
// the same picture rather than reading through a null pointer.
const void* array_source(uint32_t name, const void* client) {
    gl_entry_points.glBindBufferARB(GL_ARRAY_BUFFER_ARB, name);
    return name != 0 ? nullptr : client;
}

void emit_vertex(const WorldObject& object, uint32_t mesh, uint32_t vertex) {
    const float* t = object.texcoords[mesh] + 2 * vertex;
    const float* n = object.normals[mesh] + 3 * vertex;
    const float* v = object.vertices[mesh] + 3 * vertex;
    glTexCoord2f(t[0], t[1]);
    glNormal3f(n[0], n[1], n[2]);
    glVertex3f(v[0], v[1], v[2]);
}

void emit_triangles(const WorldObject& object, uint32_t mesh) {
    const uint32_t* indices = object.indices[mesh];
    for (uint32_t k = 0; k < object.index_counts[mesh]; ++k)
        emit_vertex(object, mesh, indices[k]);
}

// The lightmapped triangle list of mesh 0 with both texture units' coordinates.
void emit_lightmapped_triangles(const WorldObject& object) {
    const uint32_t* indices = object.indices[0];
    for (uint32_t k = 0; k < object.index_counts[0]; ++k) {
        const uint32_t i = indices[k];
        const float* t = object.texcoords[0] + 2 * i;
        const float* l = object.lightmap_texcoords + 2 * i;
        const float* n = object.normals[0] + 3 * i;
        const float* v = object.vertices[0] + 3 * i;
        gl_entry_points.glMultiTexCoord2f(GL_TEXTURE0, t[0], t[1]);
        gl_entry_points.glMultiTexCoord2f(GL_TEXTURE1, l[0], l[1]);
        glNormal3f(n[0], n[1], n[2]);
        glVertex3f(v[0], v[1], v[2]);
    }
}

// Client-array pointers are offsets while a buffer is bound, so the client-array path makes
// sure none is, whatever the buffer path drew last.
void unbind_array_buffer() {
    gl_entry_points.glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
}

void bind_object_texture(const WorldObject& object) {
    bind_surface_texture(object.texture, object.texture_mipmapped);
}

} // namespace

void enable_mesh_arrays(int mode) {
    if (mode == DRAW_VERTEX_ARRAYS) {
        unbind_array_buffer();
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_VERTEX_ARRAY);
    } else if (mode == DRAW_BUFFERS) {
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    }
}

void disable_mesh_arrays(int mode) {
    if (mode != DRAW_VERTEX_ARRAYS && mode != DRAW_BUFFERS) return;
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

void draw_mesh(const WorldObject& object, uint32_t mesh, int mode) {
    const GLsizei count = static_cast<GLsizei>(object.index_counts[mesh]);
    switch (mode) {
    case DRAW_VERTEX_ARRAYS:
        glTexCoordPointer(2, GL_FLOAT, 0, object.texcoords[mesh]);
        glNormalPointer(GL_FLOAT, 0, object.normals[mesh]);
        glVertexPointer(3, GL_FLOAT, 0, object.vertices[mesh]);
        glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_INT, object.indices[mesh]);
        break;
    case DRAW_IMMEDIATE:
        glBegin(GL_TRIANGLES);
        emit_triangles(object, mesh);
        glEnd();
        break;
    case DRAW_BUFFERS:
        glVertexPointer(3, GL_FLOAT, 0, array_source(object.vbo[3 * mesh], object.vertices[mesh]));
        glNormalPointer(GL_FLOAT, 0, array_source(object.vbo[3 * mesh + 1], object.normals[mesh]));
        glTexCoordPointer(2, GL_FLOAT, 0,
                          array_source(object.vbo[3 * mesh + 2], object.texcoords[mesh]));
        glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_INT, object.indices[mesh]);
        break;
    case DRAW_DISPLAY_LISTS:
        if (mesh < object.display_lists.size()) glCallList(object.display_lists[mesh]);
        break;
    default:
        break;
    }
}

namespace {

// Paths 0 and 2 share everything but where the arrays come from.
void draw_arrays_or_buffers(const WorldObject& object, bool buffers) {
    if (!buffers) unbind_array_buffer();
    bind_object_texture(object);
    if (object.lightmap_texture != 0) {
        auto source = [&](int slot, const void* client) {
            return buffers ? array_source(object.vbo[slot], client) : client;
        };
        set_material(object, 0);
        gl_entry_points.glActiveTexture(GL_TEXTURE0);
        glEnable(GL_TEXTURE_2D);
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        gl_entry_points.glClientActiveTexture(GL_TEXTURE0);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, 0, source(2, object.texcoords[0]));
        gl_entry_points.glActiveTexture(GL_TEXTURE1);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, object.lightmap_texture);
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        gl_entry_points.glClientActiveTexture(GL_TEXTURE1);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, 0, source(3, object.lightmap_texcoords));
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_VERTEX_ARRAY);
        glNormalPointer(GL_FLOAT, 0, source(1, object.normals[0]));
        glVertexPointer(3, GL_FLOAT, 0, source(0, object.vertices[0]));
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(object.index_counts[0]), GL_UNSIGNED_INT,
                       object.indices[0]);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisable(GL_TEXTURE_2D);
        gl_entry_points.glActiveTexture(GL_TEXTURE0);
        gl_entry_points.glClientActiveTexture(GL_TEXTURE0);
    } else {
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_VERTEX_ARRAY);
        for (uint32_t i = 0; i < object.mesh_count; ++i) {
            set_material(object, i);
            draw_mesh(object, i, buffers ? DRAW_BUFFERS : DRAW_VERTEX_ARRAYS);
        }
    }
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

} // namespace

void draw_vertex_arrays(const WorldObject& object) {
    draw_arrays_or_buffers(object, false);
}

void draw_buffers(const WorldObject& object) {
    draw_arrays_or_buffers(object, true);
}

void draw_immediate(const WorldObject& object) {
    bind_object_texture(object);
    if (object.lightmap_texture == 0) {
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glBegin(GL_TRIANGLES);
        for (uint32_t i = 0; i < object.mesh_count; ++i) {
            set_material(object, i);
            emit_triangles(object, i);
        }
        glEnd();
        return;
    }
    set_material(object, 0);
    if (lightmap_mode == LIGHTMAPS_PURE) {
        glBindTexture(GL_TEXTURE_2D, object.lightmap_texture);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        glBegin(GL_TRIANGLES);
        const uint32_t* indices = object.indices[0];
        for (uint32_t k = 0; k < object.index_counts[0]; ++k) {
            const uint32_t i = indices[k];
            const float* l = object.lightmap_texcoords + 2 * i;
            const float* n = object.normals[0] + 3 * i;
            const float* v = object.vertices[0] + 3 * i;
            glTexCoord2f(l[0], l[1]);
            glNormal3f(n[0], n[1], n[2]);
            glVertex3f(v[0], v[1], v[2]);
        }
        glEnd();
    } else if (lightmap_mode == LIGHTMAPS_OFF) {
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glBegin(GL_TRIANGLES);
        emit_triangles(object, 0);
        glEnd();
    } else {
        gl_entry_points.glActiveTexture(GL_TEXTURE0);
        glEnable(GL_TEXTURE_2D);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        gl_entry_points.glActiveTexture(GL_TEXTURE1);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, object.lightmap_texture);
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glBegin(GL_TRIANGLES);
        emit_lightmapped_triangles(object);
        glEnd();
        glDisable(GL_TEXTURE_2D);
        gl_entry_points.glActiveTexture(GL_TEXTURE0);
    }
}

void draw_display_lists(const WorldObject& object) {
    bind_object_texture(object);
    for (uint32_t i = 0; i < object.mesh_count && i < object.display_lists.size(); ++i)
        glCallList(object.display_lists[i]);
}

void draw_with_path(const WorldObject& object) {
    if (use_display_lists == 1) {
        draw_display_lists(object);
        return;
    }
    switch (render_path) {
    case RENDER_VERTEX_ARRAYS:
        draw_vertex_arrays(object);
        break;
    case RENDER_IMMEDIATE:
        draw_immediate(object);
        break;
    case RENDER_VERTEX_BUFFERS:
        draw_buffers(object);
        break;
    default:
        break;
    }
}
