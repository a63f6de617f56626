#include "game/render/draw_objects.h"

#include "game/image/textures.h"
#include "game/play/weapon.h"
#include "game/render/draw_paths.h"
#include "game/render/frustum.h"
#include "game/render/render_state.h"
#include "game/render/transparency.h"
#include "game/shell/toggles.h"

#include <GL/gl.h>

namespace {

bool culled_by_sphere(const WorldObject& object) {
    return frustum_culling == 1 &&
           !sphere_visible(object.position.x + object.bound_center.x,
                           object.position.y + object.bound_center.y,
                           object.position.z + object.bound_center.z, object.bound_radius);
}

void rotate_yxz(const Vec3& rotation) {
    glRotatef(rotation.y, 0.0f, 1.0f, 0.0f);
    glRotatef(rotation.x, 1.0f, 0.0f, 0.0f);
    glRotatef(rotation.z, 0.0f, 0.0f, 1.0f);
}

void place(const WorldObject& object) {
    glTranslatef(object.position.x, object.position.y, object.position.z);
    rotate_yxz(object.rotation);
}

// Lights 2 and 3 are the red lights at x = 29; fixtures far from them stay unlit by them.
constexpr float RED_LIGHTS_WEST_LIMIT = 20.0f;

} // namespace

void draw_item(const Item& item) {
    if (item.kind != ITEM_WEAPON && culled_by_sphere(item)) return;
    glPushMatrix();
    place(item);
    draw_with_path(item);
    glPopMatrix();
}

void draw_surface(const Surface& surface) {
    if (frustum_culling == 1 && !quad_visible(surface)) return;
    glPushMatrix();
    draw_with_path(surface);
    glPopMatrix();
}

void draw_prop(const Prop& prop) {
    if (culled_by_sphere(prop)) return;
    const bool west = prop.position.x < RED_LIGHTS_WEST_LIMIT;
    if (west) {
        glDisable(GL_LIGHT2);
        glDisable(GL_LIGHT3);
    }
    glPushMatrix();
    place(prop);
    if (prop.transparent == 1) {
        bind_surface_texture(prop.texture, prop.texture_mipmapped);
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        draw_transparent_prop(prop, draw_mode());
    } else {
        draw_with_path(prop);
    }
    glPopMatrix();
    if (west) {
        glEnable(GL_LIGHT2);
        glEnable(GL_LIGHT3);
    }
}

void draw_figure(const Figure& figure) {
    if (culled_by_sphere(figure)) return;
    glPushMatrix();
    glTranslatef(figure.position.x, figure.position.y + static_cast<float>(figure.foot_lift),
                 figure.position.z);
    rotate_yxz(figure.rotation);
    if (figure.mesh_mode == MESH_ANIMATED) {
        bind_surface_texture(figure.texture, figure.texture_mipmapped);
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        if (figure.mesh_count > 0) set_material(figure, 0);
        draw_figure_parts(figure, draw_mode());
    } else {
        draw_with_path(figure);
    }
    glPopMatrix();
}

void draw_figure_part(const Figure& figure, int k, const Vec3& pivot, int mode) {
    const Vec3& offset = figure.part_offset[k];
    const Vec3& angles = figure.part_angle[k];
    glTranslatef(pivot.x + offset.x, pivot.y + offset.y, pivot.z + offset.z);
    glRotatef(angles.y, 0.0f, 1.0f, 0.0f);
    glRotatef(angles.x, 1.0f, 0.0f, 0.0f);
    glRotatef(angles.z, 0.0f, 0.0f, 1.0f);
    glTranslatef(offset.x - pivot.x, offset.y - pivot.y, offset.z - pivot.z);
    if (static_cast<uint32_t>(k) < figure.mesh_count) draw_mesh(figure, k, mode);
}

void draw_figure_parts(const Figure& figure, int mode) {
    const Vec3* p = figure.part_pivot;
    auto part = [&](int k, const Vec3& pivot) { draw_figure_part(figure, k, pivot, mode); };
    enable_mesh_arrays(mode);
    glPushMatrix();
    part(0, p[0]);
    glPushMatrix();
    part(1, p[1]);
    glPushMatrix();
    part(2, p[2]);
    glPopMatrix();
    glPushMatrix();
    part(3, p[3]);
    part(4, p[4]);
    glPopMatrix();
    glPushMatrix();
    part(5, p[5]);
    part(6, p[6]);
    glPopMatrix();
    glPopMatrix();
    glPushMatrix();
    part(7, p[7]);
    part(8, p[8]);
    glPopMatrix();
    glPushMatrix();
    part(9, p[7]);
    part(10, p[8]);
    glPopMatrix();
    glPopMatrix();
    disable_mesh_arrays(mode);
}

void draw_scene(const Scene& scene) {
    for (const Item& item : scene.items)
        draw_item(item);
    for (const Monster& figure : scene.figures)
        draw_figure(figure);
    for (const Surface& surface : scene.surfaces)
        draw_surface(surface);
    for (const Weapon* weapon : weapon_list) {
        if (!weapon) break;
        if (weapon->visible == 1 && carry_state(*weapon) == 0) draw_item(*weapon);
    }
    for (const Prop& prop : scene.props)
        draw_prop(prop);
}
