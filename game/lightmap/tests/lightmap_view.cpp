// Pictures of lightmapped rooms, for looking at: the small test room lit by its two lights, and
// views of the game's level lit by its five, every lightmap computed by build_lightmap (cache
// in <out dir>/data). Needs a display (Xvfb).
//
//   lightmap_view <out dir> [picture dir]
//
// Writes <out dir>/lightmap_room.ppm and lightmap_level_<n>.ppm (top row first).
#include "game/lightmap/lightmap.h"
#include "game/render/camera.h"
#include "game/render/display_lists.h"
#include "game/render/draw_objects.h"
#include "test_scene.h"

#ifdef DH_HAVE_LEVEL
#include "game/play/movement.h"
#include "game/world/level.h"
#endif

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int WIDTH = 800, HEIGHT = 600;
const GLenum LIGHTS[5] = {GL_LIGHT0, GL_LIGHT1, GL_LIGHT2, GL_LIGHT3, GL_LIGHT4};

struct LightSetting {
    float pos[4], ambient[4], diffuse[4], quadratic;
};

// The game's five lights as its start-up sets them.
const LightSetting GAME_LIGHTS[5] = {
    {{0, 5, 0, 1}, {0.3f, 0.3f, 0.3f, 1}, {1, 1, 1, 0}, 0.05f},
    {{-45, 4.5f, -17, 1}, {0.3f, 0.3f, 0.3f, 1}, {1, 1, 1, 0}, 0.05f},
    {{29, 1, -10, 1}, {0.3f, 0, 0, 0}, {0.8f, 0.1f, 0.1f, 0}, 0.05f},
    {{29, 1, -24, 1}, {0.3f, 0, 0, 0}, {0.8f, 0.1f, 0.1f, 0}, 0.05f},
    {{-20, 3, 29, 1}, {0.25f, 0, 0.25f, 0}, {0.7f, 0.1f, 0.7f, 0}, 0.09f},
};

void set_lights(const LightSetting* lights, int count) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    for (int i = 0; i < count; ++i) {
        glLightfv(LIGHTS[i], GL_POSITION, lights[i].pos);
        glLightfv(LIGHTS[i], GL_AMBIENT, lights[i].ambient);
        glLightfv(LIGHTS[i], GL_DIFFUSE, lights[i].diffuse);
        glLightfv(LIGHTS[i], GL_SPECULAR, lights[i].diffuse);
        glLightf(LIGHTS[i], GL_CONSTANT_ATTENUATION, 1.0f);
        glLightf(LIGHTS[i], GL_LINEAR_ATTENUATION, 0.1f);
        glLightf(LIGHTS[i], GL_QUADRATIC_ATTENUATION, lights[i].quadratic);
        glEnable(LIGHTS[i]);
    }
}

// The level's lightmap step, as scene_build_lightmaps runs it.
void light_surfaces() {
    for (Surface& s : scene.surfaces) {
        if (s.name.find("licht") != std::string::npos) continue;
        s.display_lists.clear();
        s.lightmap_texture = 0;
        build_lightmap(s, LIGHTS, 5, 128, 64);
        compile_display_lists(s, false);
    }
}

#ifdef DH_HAVE_LEVEL
std::vector<uint8_t> level_frame() {
    glViewport(0, 0, WIDTH, HEIGHT);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, double(WIDTH) / HEIGHT, 0.1, 200.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    camera_apply(hero);
    for (int i = 0; i < 5; ++i)
        glLightfv(LIGHTS[i], GL_POSITION, GAME_LIGHTS[i].pos);
    draw_scene(scene);
    glFinish();
    std::vector<uint8_t> rgb(size_t(WIDTH) * HEIGHT * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, WIDTH, HEIGHT, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}
#endif

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: lightmap_view <out dir> [picture dir]\n");
        return 1;
    }
    const fs::path out = fs::absolute(argv[1]);
    const std::string pictures = argc > 2 ? fs::absolute(argv[2]).string() : "";
    fs::create_directories(out / "data");
    fs::current_path(out);

    open_test_window(WIDTH, HEIGHT, "lightmaps");
    load_test_textures(pictures);

    // The test room with its own two lights: white above, red low near the display case.
    TestScene test;
    build_test_scene(test);
    const LightSetting room_lights[3] = {
        {{0, 5, 2, 1}, {0.3f, 0.3f, 0.3f, 1}, {1, 1, 1, 0}, 0.02f},
        {{0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, 0.0f},
        {{3, 1.5f, 3, 1}, {0, 0, 0, 1}, {1, 0.2f, 0.1f, 0}, 0.02f},
    };
    set_lights(room_lights, 3);
    light_surfaces();
    if (!write_ppm((out / "lightmap_room.ppm").string(), render_frame(WIDTH, HEIGHT), WIDTH,
                   HEIGHT))
        return 1;
    clear_test_scene();

#ifdef DH_HAVE_LEVEL
    set_lights(GAME_LIGHTS, 5);
    build_level();
    struct View {
        float x, y, z, pitch, yaw;
    };
    // The start hall, and the rooms of the other lights.
    const View views[] = {{0, 0, 7, -5, 0},
                          {3, 0, 4, -10, 60},
                          {-40, 0, -12, -5, 45},
                          {24, 0, -17, -5, -90},
                          {-16, 0, 24, -5, 45}};
    int n = 0;
    for (const View& v : views) {
        hero.position = {v.x, v.y, v.z};
        hero.rotation = {v.pitch, v.yaw, 0};
        const std::string name = "lightmap_level_" + std::to_string(n++) + ".ppm";
        if (!write_ppm((out / name).string(), level_frame(), WIDTH, HEIGHT)) return 1;
    }
#endif
    return 0;
}
