#include "game/shell/modes.h"

#include "game/play/hero.h"
#include "game/render/camera.h"
#include "game/render/draw_objects.h"
#include "game/render/frustum.h"
#include "game/shell/input.h"
#include "game/shell/overlay/font.h"
#include "game/shell/overlay/hud.h"
#include "game/shell/overlay/menu.h"
#include "game/shell/overlay/message_queue.h"
#include "game/shell/startup.h"
#include "game/shell/tick.h"
#include "game/shell/timing.h"
#include "game/shell/toggles.h"
#include "game/sound/sound.h"
#include "game/world/scene.h"
#include "platform/clock.h"
#include "platform/pointer.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

int32_t game_mode = MODE_MENU;
int32_t window_width = 0;
int32_t window_height = 0;
int32_t window_center_x = 0;
int32_t window_center_y = 0;

CallbackSet callback_set(int32_t mode) {
    if (mode == MODE_GAME)
        return {game_display,        game_reshape, game_mouse,
                game_pointer_motion, game_key,     game_key_up,
                game_special_key,    nullptr,      game_tick};
    return {menu_display,     menu_reshape, menu_mouse, menu_pointer_motion, menu_key, nullptr,
            menu_special_key, nullptr,      menu_idle};
}

void set_game_mode(int32_t mode) {
    game_mode = mode;
    if (mode == MODE_GAME) {
        start_menu.return_to_game = 1000;
        message_queue.clear();
        alert_queue.clear();
    }
    const CallbackSet set = callback_set(mode);
    glutDisplayFunc(set.display);
    glutReshapeFunc(set.reshape);
    glutMouseFunc(set.mouse);
    glutPassiveMotionFunc(set.passive_motion);
    glutKeyboardFunc(set.keyboard);
    glutKeyboardUpFunc(set.keyboard_up);
    glutSpecialFunc(set.special);
    glutSpecialUpFunc(set.special_up);
    glutIdleFunc(set.idle);
    show_pointer(mode != MODE_GAME);
}

void send_light_positions() {
    for (int i = 0; i < LIGHT_COUNT; ++i)
        glLightfv(GL_LIGHT0 + i, GL_POSITION, light_table[i].position);
}

void menu_display() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    measure_frame_rate(false);
    update_messages_if_due();
    glPushAttrib(GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_POLYGON_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glPolygonMode(GL_FRONT, GL_FILL);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    start_menu.draw_background(window_width, window_height);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    start_menu.draw_buttons(window_width, window_height);
    message_queue.draw(hud_font);
    alert_queue.draw(hud_font);
    glPopAttrib();
    glutSwapBuffers();
}

void menu_idle() {
    if (menu_animation_due()) start_menu.animate();
    glutPostRedisplay();
}

namespace {
void reshape_common(int width, int height) {
    window_center_x = width / 2;
    window_center_y = height / 2;
    window_width = width;
    window_height = height;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
}
} // namespace

void menu_reshape(int width, int height) {
    reshape_common(width, height);
    gluOrtho2D(0, width, height, 0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // The window's first reshape reaches the menu, so the menu song starts with the menu.
    start_menu_song_once();
}

void game_reshape(int width, int height) {
    reshape_common(width, height);
    gluPerspective(60.0, static_cast<double>(width) / height, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void game_display() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (double interval = measure_frame_rate(true); interval >= 0) last_interval = interval;
    if (double interval = update_messages_if_due(); interval >= 0) last_interval = interval;
    draw_game_view();
    glutSwapBuffers();
}

void draw_game_view() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, static_cast<double>(window_width) / window_height, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // The two red lights only light the part of the level at x >= 20.
    if (hero.position.x < 20.0f) {
        glDisable(GL_LIGHT2);
        glDisable(GL_LIGHT3);
    } else {
        glEnable(GL_LIGHT2);
        glEnable(GL_LIGHT3);
    }
    camera_apply(hero);
    glPushMatrix();
    send_light_positions();
    glPopMatrix();
    if (frustum_culling == 1) extract_frustum();
    draw_scene(scene);
    glPushAttrib(GL_LIGHTING_BIT | GL_POLYGON_BIT);
    glDisable(GL_LIGHTING);
    glPolygonMode(GL_FRONT, GL_FILL);
    draw_hud();
    glPopAttrib();
}

void game_tick() {
    run_game_tick();
    glutPostRedisplay();
}
