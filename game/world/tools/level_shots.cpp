// Screenshots from inside the level through the steps of the game display (all but the buffer
// swap, so that the frame can be read back): builds the level (with
// lightmaps when asked), places the hero at chosen spots and writes one PPM per spot. Run from
// the game's working directory (the textures and the lightmap cache are read from there).
//   dh_level_shots OUT_DIR [--lightmaps]
#include "game/image/textures.h"
#include "game/play/movement.h"
#include "game/play/weapons.h"
#include "game/shell/modes.h"
#include "game/shell/startup.h"
#include "game/world/level.h"
#include "game/world/scene.h"

#include <GL/freeglut.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Shot {
    const char* name;
    float x, y, z, yaw, pitch;
};

// y is the floor under the hero; yaw 0 looks along -z, 90 along -x; a negative pitch looks down.
const Shot SHOTS[] = {
    {"start_hall", 0, 0, 7, 40, 0},
    {"corridor_bridge", -20, 0, -6, 90, -5},
    {"river_tunnel", -33, -1.5f, 5, 180, 0},
    {"river_steps", -14, -1.5f, 7, 180, 5},
    {"pillar_room_door", -14, 0, 24, 280, 0},
    {"stair_passage", 4, 0.25f, 28, 270, 10},
    {"passage_flight4", 30, 3, 16.5f, 0, 10},
    {"ledge_over_lava_hall", 30, 5, -9, 0, -40},
    {"western_rooms", -42, 0, -7, 0, 0},
    {"second_crossing", -44, 0, -16.5f, 270, 0},
    {"long_hall", -20, 0, -17, 270, 0},
    {"lava_hall", 14, 0, -16, 270, 0},
    {"door_from_the_passage", 8, 0.75f, 28, 90, 0},
    {"room_from_the_steps", -14, -0.3f, 17, 180, 0},
    {"ledge_from_below", 27, 0, -18, 0, 25},
};

constexpr int W = 800, H = 600;

// game_display without measuring and swapping.
void draw_frame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    window_width = W;
    window_height = H;
    draw_game_view();
    glFinish();
}

void write_ppm(const std::string& path) {
    std::vector<unsigned char> rgb(static_cast<size_t>(W) * H * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, W, H, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    std::fprintf(f, "P6\n%d %d\n255\n", W, H);
    for (int y = H - 1; y >= 0; --y)
        std::fwrite(&rgb[static_cast<size_t>(y) * W * 3], 1, W * 3, f);
    std::fclose(f);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: dh_level_shots OUT_DIR [--lightmaps]\n");
        return 1;
    }
    const bool lightmaps = argc > 2 && std::strcmp(argv[2], "--lightmaps") == 0;
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(W, H);
    glutCreateWindow("level shots");
    set_fixed_gl_state();
    create_texture_names();
    load_texture_list();
    weapons_gl_start_up();
    glEnable(GL_LIGHTING);
    for (int i = 0; i < LIGHT_COUNT; ++i)
        glEnable(GL_LIGHT0 + i);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    game_reshape(W, H);

    const auto t0 = std::chrono::steady_clock::now();
    build_level_with(lightmaps);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::fprintf(stderr, "level built in %.2f s\n", seconds);

    for (const Shot& shot : SHOTS) {
        hero.position = {shot.x, shot.y, shot.z};
        hero.rotation = {shot.pitch, shot.yaw, 0};
        draw_frame();
        write_ppm(std::string(argv[1]) + "/" + shot.name + ".ppm");
    }
    return 0;
}
