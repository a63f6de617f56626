#include "game/shell/input.h"

#include "game/image/textures.h"
#include "game/play/movement.h"
#include "game/render/buffers.h"
#include "game/shell/modes.h"
#include "game/shell/overlay/menu.h"
#include "game/shell/overlay/message_queue.h"
#include "game/shell/overlay/screens.h"
#include "game/shell/startup.h"
#include "game/shell/tick.h"
#include "game/shell/toggles.h"
#include "game/sound/sound.h"
#include "game/world/scene.h"

#include <GL/freeglut.h>

namespace {

constexpr unsigned char KEY_ENTER = 13;
constexpr unsigned char KEY_ESCAPE = 27;
constexpr unsigned char KEY_SPACE = 32;

void post_notice(const char* text, float x) {
    ScreenMessage m;
    m.alpha = 1.0f;
    m.fade_step = 0.1f;
    m.y = 0.2f;
    m.delay = 0;
    m.hold_time = 1.0f;
    m.x = x;
    m.text = text;
    message_queue.post(m);
}

// A function-key toggle: the value it advances, how many values it has, and the notice for
// each new value.
struct ToggleKey {
    int key;
    int32_t* value;
    int32_t states;
    const char* text[3];
    float x[3];
};

const ToggleKey toggle_keys[] = {
    {GLUT_KEY_F2, &show_fps, 2, {"FPS OFF", "FPS ON"}, {0.39f, 0.4f}},
    {GLUT_KEY_F3, &wireframe, 2, {"Wireframe Mode OFF", "Wireframe Mode ON"}, {0.24f, 0.25f}},
    {GLUT_KEY_F4,
     &mipmap_filter_mode,
     3,
     {"MipMaps trilinear filtering", "MipMaps average of one Pixel", "MipMaps bilinear filtering"},
     {0.245f, 0.19f, 0.247f}},
    {GLUT_KEY_F5, &mipmapping, 2, {"MipMaps OFF", "MipMaps ON"}, {0.36f, 0.37f}},
    {GLUT_KEY_F6,
     &render_path,
     3,
     {"Renderpath Vertex Arrays", "Renderpath Immediate Mode",
      "Renderpath ARB_vertex_buffer_object"},
     {0.24f, 0.195f, 0.125f}},
    {GLUT_KEY_F7, &use_display_lists, 2, {"Display Lists OFF", "Display Lists ON"}, {0.29f, 0.3f}},
    {GLUT_KEY_F8,
     &frustum_culling,
     2,
     {"View frustum culling OFF", "View frustum culling ON"},
     {0.255f, 0.26f}},
    {GLUT_KEY_F9, &transparency_off, 2, {"Transparency ON", "Transparency OFF"}, {0.31f, 0.305f}},
    {GLUT_KEY_F11,
     &lightmap_mode,
     3,
     {"Lightmaps ON", "Pure Lightmaps", "Lightmaps OFF"},
     {0.31f, 0.305f, 0.305f}},
};

// What a toggle changes at once; everything else is read when the next frame is drawn.
void apply_toggle_side_effect(const int32_t* value) {
    if (value == &wireframe) {
        if (wireframe == 1) {
            glDisable(GL_CULL_FACE);
            glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        } else {
            glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
            glEnable(GL_CULL_FACE);
        }
    } else if (value == &render_path) {
        // Vertex buffers exist only while their path is selected.
        if (render_path == RENDER_VERTEX_ARRAYS)
            scene_delete_buffers(scene);
        else if (render_path == RENDER_VERTEX_BUFFERS)
            scene_create_buffers(scene);
    }
}

void advance_help_toggle() {
    help_toggle = (help_toggle + 1) % 2;
}

void back_to_main_menu_or_game() {
    if (start_menu.return_to_game == 0)
        show_screen(SCREEN_MAIN);
    else
        set_game_mode(MODE_GAME);
}

void press_button(int index) {
    switch (index) {
    case 0: // Start
        start_menu.return_to_game = 1000;
        ZTUNE_StopSong(menu_song);
        set_game_mode(MODE_GAME);
        ZTUNE_PlaySong(game_song);
        break;
    case 1: // Story
        show_screen(SCREEN_STORY);
        break;
    case 2: // Back from the story
        show_screen(SCREEN_MAIN);
        break;
    case 3: // Back from the controls
        advance_help_toggle();
        back_to_main_menu_or_game();
        break;
    case 4: // Back from the end screen
        rebuild_level();
        ZTUNE_StopSong(win_song);
        start_menu.background = texture_names_plain[TEX_ANFANG_MENU];
        show_screen(SCREEN_MAIN);
        ZTUNE_PlaySong(menu_song);
        break;
    default:
        break;
    }
}

} // namespace

int movement_bit(unsigned char key) {
    switch (key) {
    case 'a':
        return MOVE_LEFT;
    case 'd':
        return MOVE_RIGHT;
    case 's':
        return MOVE_BACKWARD;
    case 'w':
        return MOVE_FORWARD;
    default:
        return 0;
    }
}

void menu_key(unsigned char key, int, int) {
    if (key == KEY_ENTER || key == KEY_SPACE)
        set_game_mode(MODE_GAME);
    else if (key == KEY_ESCAPE)
        quit_game();
}

void menu_special_key(int key, int, int) {
    if (key != GLUT_KEY_F1 || start_menu.screen == SCREEN_END) return;
    advance_help_toggle();
    if (help_toggle == 1)
        show_screen(SCREEN_CONTROLS);
    else
        back_to_main_menu_or_game();
}

void menu_mouse(int button, int state, int, int) {
    if (button != GLUT_LEFT_BUTTON || state != GLUT_UP) return;
    const int first = start_menu.first_shown_button(), end = start_menu.end_shown_button();
    for (int i = first; i < end; ++i) {
        MenuButton& b = start_menu.buttons[i];
        if (b.hover_state != HOVER_GROWN) continue;
        b.hover_state = HOVER_IDLE;
        press_button(i);
    }
}

void menu_pointer_motion(int x, int y) {
    start_menu.hover(x, y);
}

void game_key(unsigned char key, int, int) {
    switch (key) {
    case KEY_ESCAPE:
        quit_game();
    case KEY_SPACE:
        if (hero.state[ST_AIR] == 0) {
            hero.state[ST_AIR] = 1;
            hero.takeoff_yaw = hero.rotation.y;
        }
        break;
    case 'g':
        hero.state[ST_GOD_MODE] = (hero.state[ST_GOD_MODE] + 1) % 2;
        post_notice("Godmode toggle", 0.335f);
        break;
    default:
        // Each press flips its bit; with key repeat ignored a held key is one flip down and
        // one flip up.
        move_keys ^= movement_bit(key);
        break;
    }
}

void game_key_up(unsigned char key, int, int) {
    move_keys ^= movement_bit(key);
    if (move_keys == 0) hero_reset_bob(hero, 0, 9.0f);
}

void game_special_key(int key, int, int) {
    if (key == GLUT_KEY_F1) {
        advance_help_toggle();
        if (help_toggle == 1) {
            show_screen(SCREEN_CONTROLS);
            set_game_mode(MODE_MENU);
        } else {
            set_game_mode(MODE_GAME);
        }
        return;
    }
    for (const ToggleKey& t : toggle_keys) {
        if (t.key != key) continue;
        *t.value = (*t.value + 1) % t.states;
        apply_toggle_side_effect(t.value);
        post_notice(t.text[*t.value], t.x[*t.value]);
        return;
    }
}

void game_mouse(int button, int state, int, int) {
    if (button != GLUT_LEFT_BUTTON || state != GLUT_DOWN) return;
    if (hero.state[ST_DEATH] != 0 || hero.state[ST_KILLED] != 0) return;
    // A click during a swing starts it again from the beginning.
    figure_set_state(hero, ST_ATTACK, 1);
}

void game_pointer_motion(int x, int y) {
    // The warp below comes back as an event at the centre, which this test ignores.
    if (x == window_center_x && y == window_center_y) return;
    hero_turn(hero, static_cast<float>((x - window_center_x) * 10),
              static_cast<float>((y - window_center_y) * 10));
    glutWarpPointer(window_center_x, window_center_y);
}
