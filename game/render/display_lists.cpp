#include "game/render/display_lists.h"

#include "game/render/draw_paths.h"
#include "game/render/gl_entry_points.h"
#include "game/render/render_state.h"

#include <GL/gl.h>

void compile_display_lists(WorldObject& object, bool materials_in_first_only) {
    for (uint32_t i = 0; i < object.mesh_count; ++i) {
        const GLuint list = glGenLists(1);
        object.display_lists.push_back(list);
        glNewList(list, GL_COMPILE);
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        if (!materials_in_first_only || i == 0) set_material(object, i);
        if (object.lightmap_texture != 0) {
            // The same multitexture set-up as the immediate path with lightmaps on; the base
            // texture stays outside the list and is bound by whoever calls it.
            gl_entry_points.glActiveTexture(GL_TEXTURE0);
            glEnable(GL_TEXTURE_2D);
            glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
            gl_entry_points.glActiveTexture(GL_TEXTURE1);
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, object.lightmap_texture);
            glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
            glBegin(GL_TRIANGLES);
            const uint32_t* indices = object.indices[i];
            for (uint32_t k = 0; k < object.index_counts[i]; ++k) {
                const uint32_t v = indices[k];
                const float* t = object.texcoords[i] + 2 * v;
                const float* l = object.lightmap_texcoords + 2 * v;
                const float* n = object.normals[i] + 3 * v;
                const float* p = object.vertices[i] + 3 * v;
                gl_entry_points.glMultiTexCoord2f(GL_TEXTURE0, t[0], t[1]);
                gl_entry_points.glMultiTexCoord2f(GL_TEXTURE1, l[0], l[1]);
                glNormal3f(n[0], n[1], n[2]);
                glVertex3f(p[0], p[1], p[2]);
            }
            glEnd();
            glDisable(GL_TEXTURE_2D);
            gl_entry_points.glActiveTexture(GL_TEXTURE0);
        } else {
            draw_mesh(object, i, DRAW_IMMEDIATE);
        }
        glEndList();
    }
}
