#include "game/shell/startup.h"

#include "game/image/textures.h"
#include "game/play/weapons.h"
#include "game/render/gl_entry_points.h"
#include "game/shell/overlay/overlay_start_up.h"
#include "game/shell/timing.h"
#include "game/sound/sound.h"

#include <GL/gl.h>

#include <cstdlib>

int32_t saved_swap_interval = 0;

const LightSetting light_table[LIGHT_COUNT] = {
    {{0, 5, 0, 1}, {0.3f, 0.3f, 0.3f, 1}, {1, 1, 1, 0}, 0.05f},
    {{-45, 4.5f, -17, 1}, {0.3f, 0.3f, 0.3f, 1}, {1, 1, 1, 0}, 0.05f},
    {{29, 1, -10, 1}, {0.3f, 0, 0, 0}, {0.8f, 0.1f, 0.1f, 0}, 0.05f},
    {{29, 1, -24, 1}, {0.3f, 0, 0, 0}, {0.8f, 0.1f, 0.1f, 0}, 0.05f},
    {{-20, 3, 29, 1}, {0.25f, 0, 0.25f, 0}, {0.7f, 0.1f, 0.7f, 0}, 0.09f},
};

void set_fixed_gl_state() {
    glClearColor(0, 0, 0, 0);
    glShadeModel(GL_SMOOTH);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glCullFace(GL_BACK);
    const float specular[4] = {1, 1, 1, 1};
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT, GL_SHININESS, 10);
    for (int i = 0; i < LIGHT_COUNT; ++i) {
        const LightSetting& l = light_table[i];
        const GLenum light = GL_LIGHT0 + i;
        glLightfv(light, GL_POSITION, l.position);
        glLightfv(light, GL_AMBIENT, l.ambient);
        glLightfv(light, GL_DIFFUSE, l.diffuse);
        glLightfv(light, GL_SPECULAR, l.diffuse);
        glLightf(light, GL_CONSTANT_ATTENUATION, 1.0f);
        glLightf(light, GL_LINEAR_ATTENUATION, 0.1f);
        glLightf(light, GL_QUADRATIC_ATTENUATION, l.quadratic_attenuation);
    }
}

void initialise_game() {
    start_timers();
    // Version check, the library at 32000 Hz with 64 channels, the three songs, the game song's
    // volume and the ten samples; ends the process on failure.
    start_sound();

    // Swaps must not wait for the vertical retrace: the game runs as fast as it can.
    saved_swap_interval = gl_entry_points.wglGetSwapIntervalEXT();
    gl_entry_points.wglSwapIntervalEXT(0);

    set_fixed_gl_state();
    create_texture_names();
    load_texture_list();
    // The swords take the names of TEX_SHORT_SWORD and TEX_LONG_SWORD; the visible weapons of
    // weapon_list get their display lists.
    weapons_gl_start_up();
    // The font, the start menu with its buttons and the end screen's picture.
    overlay_start_up();

    glEnable(GL_LIGHTING);
    for (int i = 0; i < LIGHT_COUNT; ++i)
        glEnable(GL_LIGHT0 + i);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
}

void quit_game() {
    gl_entry_points.wglSwapIntervalEXT(saved_swap_interval);
    std::exit(0);
}
