#include "game/render/camera.h"

#include "game/play/weapon.h"
#include "game/render/draw_objects.h"
#include "game/render/render_state.h"

#include <GL/gl.h>

void camera_apply(const Hero& hero) {
    glPushMatrix();
    const int16_t phase = hero.state[ST_ATTACK];
    if (phase == 0 || phase == 1 || phase == 3) {
        glTranslatef(hero.weapon_offset.x, hero.weapon_offset.y, hero.weapon_offset.z);
        glRotatef(hero.weapon_angles.x, 1.0f, 0.0f, 0.0f);
        glRotatef(hero.weapon_angles.y, 0.0f, 1.0f, 0.0f);
    } else if (phase == 2) {
        // The blow itself: the blade swept down and across in front of the eyes.
        glRotatef(hero.weapon_angles.y, 0.0f, 1.0f, 0.0f);
        glTranslatef(0.0f, -0.3f, -1.0f);
        glRotatef(-60.0f, 1.0f, 0.0f, 0.0f);
        glRotatef(40.0f, 0.0f, 1.0f, 0.0f);
    }
    if (hero.weapon) draw_item(*hero.weapon);
    glPopMatrix();

    glRotatef(-hero.rotation.x, 1.0f, 0.0f, 0.0f);
    glRotatef(-hero.rotation.y, 0.0f, 1.0f, 0.0f);
    glTranslatef(-hero.position.x, -(hero.eye_height_now + hero.position.y), -hero.position.z);

    glGetFloatv(GL_MODELVIEW_MATRIX, modelview_matrix);
    view_vector[0] = modelview_matrix[8];
    view_vector[1] = modelview_matrix[9];
    view_vector[2] = -modelview_matrix[10];
    view_vector[3] = modelview_matrix[11];
}
