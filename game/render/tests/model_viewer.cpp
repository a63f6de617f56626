// Renders every model lit and textured, each from the front-left and from behind, and the test
// room through the game's draw path, into PPM pictures for looking at:
//   scripts/with-xvfb.sh build/bin/dh_model_viewer <output dir> [picture dir]
// With a picture dir (the game's working directory) the generated textures are used.
#include "test_scene.h"

#include "game/image/textures.h"
#include "game/render/display_lists.h"
#include "game/render/draw_objects.h"
#include "game/shell/toggles.h"
#include "game/world/body_pivots.h"
#include "game/world/models.h"

#include <GL/glu.h>

#include <cstdio>
#include <string>

namespace {

constexpr int SIZE = 400;
constexpr int ROOM_W = 800, ROOM_H = 600;

struct Shown {
    const Model* model;
    TextureId texture; // -1: none
    const PivotXY* pivots;
    float distance;
    float height;
};

void show(const Shown& s, const std::string& path, float yaw, bool posed) {
    glViewport(0, 0, SIZE, SIZE);
    glClearColor(0.25f, 0.27f, 0.32f, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(40.0, 1.0, 0.05, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, s.height * 0.75f, s.distance, 0, s.height * 0.45f, 0, 0, 1, 0);
    const float light0[4] = {1.5f, 3, 3, 1}, light2[4] = {-2, 1, -2, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, light0);
    glLightfv(GL_LIGHT2, GL_POSITION, light2);

    Monster m;
    const uint16_t mode = s.pivots ? MESH_ANIMATED : MESH_ALL;
    world_object_init(m, *s.model, 0, 0, 0, 0, yaw, 0, 0, mode);
    if (s.texture >= 0)
        set_textures(m, texture_names_plain[s.texture], texture_names_mipmapped[s.texture]);
    if (s.pivots) {
        for (int k = 0; k < 11; ++k)
            m.part_pivot[k] = {s.pivots[k].x, s.pivots[k].y, 0};
        if (posed) pose_figure(m);
    }
    compile_display_lists(m, false);
    if (s.model == &vitrine) {
        Prop p;
        prop_init(p, "vitrine1", vitrine, 0, 0, 0, 0, yaw, 0, MESH_ALL, 1, 1, 1.8f);
        compile_display_lists(p, true);
        hero.position = {0, 0, s.distance};
        draw_prop(p);
    } else {
        draw_figure(m);
    }
    glFinish();
    std::vector<uint8_t> rgb(SIZE * SIZE * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, SIZE, SIZE, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    if (!write_ppm(path, rgb, SIZE, SIZE)) std::fprintf(stderr, "cannot write %s\n", path.c_str());
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: dh_model_viewer <output dir> [picture dir]\n");
        return 1;
    }
    const std::string out = argv[1];
    open_test_window(ROOM_W, ROOM_H, "models");
    load_test_textures(argc > 2 ? argv[2] : "");
    const Shown shown[] = {
        {&teletub1, TEX_TELETUB_KLEIDERBUEGEL, TELETUBBY_PIVOTS, 4.0f, 1.8f},
        {&caveorc, TEX_HOEHLENORC, CAVEORC_PIVOTS, 7.5f, 3.6f},
        {&princess, TEX_PRINCESS, PRINCESS_PIVOTS, 4.0f, 1.8f},
        {&fuerst_der_finsternis, TEX_FUERST_FOR_ANIMAT, FUERST_PIVOTS, 5.5f, 2.8f},
        {&torch_an_wand_uv, TEX_TORCH_AN_WAND, nullptr, 1.6f, 0.6f},
        {&vitrine, -1, nullptr, 4.5f, 2.0f},
        {&halterung_hebel, TEX_HALTERUNG_HEBEL, nullptr, 1.2f, 0.4f},
        {&hebel, TEX_HEBEL, nullptr, 2.5f, 1.1f},
        {&pizza_uv, TEX_PIZZA, nullptr, 1.2f, 0.6f},
        {&object01, -1, nullptr, 1.0f, 0.4f},
        {&object01_purple, -1, nullptr, 1.0f, 0.4f},
        {&short_sword_uv, TEX_SHORT_SWORD, nullptr, 2.0f, 0.9f},
        {&long_sword, TEX_LONG_SWORD, nullptr, 2.8f, 1.3f},
        {&cube_uv_no_gaps, TEX_MARMOR1, nullptr, 3.0f, 0.5f},
    };
    int index = 0;
    for (const Shown& s : shown) {
        const std::string base = out + "/" + std::to_string(index++) + "_" + s.model->name;
        const std::string suffix = s.model == &object01_purple ? "_purple" : "";
        show(s, base + suffix + "_front.ppm", 25, false);
        show(s, base + suffix + "_back.ppm", 200, false);
        if (s.pivots) show(s, base + "_posed.ppm", 25, true);
    }
    // The test room as the game draws it.
    TestScene test;
    build_test_scene(test);
    glClearColor(0, 0, 0, 0);
    write_ppm(out + "/room.ppm", render_frame(ROOM_W, ROOM_H), ROOM_W, ROOM_H);
    return 0;
}
