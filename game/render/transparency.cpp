#include "game/render/transparency.h"

#include "game/play/hero.h"
#include "game/render/draw_paths.h"
#include "game/shell/toggles.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

const int pane_order[4][4] = {{3, 2, 4, 1}, {4, 3, 1, 2}, {1, 4, 2, 3}, {2, 1, 3, 4}};

int pane_row(float angle) {
    if (angle <= 45.0f || angle > 315.0f) return 0;
    if (angle <= 135.0f) return 1;
    if (angle <= 225.0f) return 2;
    return 3;
}

float pane_view_angle(float case_x, float case_z, float yaw, float hero_x, float hero_z) {
    const double hx = static_cast<double>(hero_x) - case_x,
                 hz = static_cast<double>(hero_z) - case_z;
    const double fx = signed_sin_sq(yaw), fz = signed_cos_sq(yaw);
    const double lengths = std::sqrt(fx * fx + fz * fz) * std::sqrt(hx * hx + hz * hz);
    double a = std::acos(std::clamp((fx * hx + fz * hz) / lengths, -1.0, 1.0));
    if (std::isnan(a)) a = 0.0; // the hero exactly at the case's centre
    a *= 57.29577951308232;
    // The y component of cross(f, h): negative when the hero is clockwise of the front.
    if (fz * hx - fx * hz < 0.0) a = 180.0 - a + 180.0;
    // A hero standing exactly on a diagonal must land in the row that ends there, not in the
    // next one because cos 45 has no exact binary value: round off the last bits first.
    return static_cast<float>(std::round(a * 1e6) / 1e6);
}

namespace {

void draw_case_mesh(const Prop& prop, uint32_t mesh, int mode) {
    if (mesh != 0) {
        // The pane's own colours at a quarter opacity; the frame keeps the material set before.
        float colour[4][4];
        const float* source[4] = {prop.ambient[mesh], prop.diffuse[mesh], prop.specular[mesh],
                                  prop.emission[mesh]};
        for (int c = 0; c < 4; ++c) {
            for (int k = 0; k < 3; ++k)
                colour[c][k] = source[c][k];
            colour[c][3] = 0.25f;
        }
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, colour[0]);
        glMaterialfv(GL_FRONT, GL_DIFFUSE, colour[1]);
        glMaterialfv(GL_FRONT, GL_SPECULAR, colour[2]);
        glMaterialfv(GL_FRONT, GL_EMISSION, colour[3]);
    }
    draw_mesh(prop, mesh, mode);
}

} // namespace

void draw_transparent_prop(const Prop& prop, int mode) {
    const int* order = pane_order[pane_row(pane_view_angle(
        prop.position.x, prop.position.z, prop.rotation.y, hero.position.x, hero.position.z))];
    const bool has_panes = prop.mesh_count >= 5;

    enable_mesh_arrays(mode);
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_POLYGON_BIT);
    glDisable(GL_CULL_FACE);
    glPushMatrix();
    set_material(prop, 0);
    draw_case_mesh(prop, 0, mode);

    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (transparency_off == 0) glEnable(GL_BLEND);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    glDepthMask(GL_FALSE);
    if (has_panes) {
        for (int k = 0; k < 4; ++k)
            draw_case_mesh(prop, order[k], mode);
        glCullFace(GL_BACK);
        for (int k = 0; k < 4; ++k)
            draw_case_mesh(prop, order[k], mode);
    }
    glDisable(GL_BLEND);
    glPopMatrix();
    glPopAttrib();
    disable_mesh_arrays(mode);
}
