// Frames per second of draw_scene over the test room in each render path, at 1024 x 768:
//   scripts/with-xvfb.sh build/bench/render_bench [seconds per path] [picture dir]
// Each frame is the game's world part (camera, lights, draw_scene) followed by glFinish and a
// buffer swap, so the figure includes the rasterisation of the software renderer.
#include "../tests/test_scene.h"

#include "game/render/buffers.h"
#include "game/render/camera.h"
#include "game/render/draw_objects.h"
#include "game/shell/toggles.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int W = 1024, H = 768;

void draw_one_frame() {
    glViewport(0, 0, W, H);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, double(W) / H, 0.1, 200.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    camera_apply(hero);
    const float light0[4] = {0, 5, 2, 1}, light2[4] = {3, 1.5f, 3, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, light0);
    glLightfv(GL_LIGHT2, GL_POSITION, light2);
    draw_scene(scene);
    glFinish();
    glutSwapBuffers();
}

double frames_per_second(double seconds) {
    for (int i = 0; i < 5; ++i)
        draw_one_frame();
    using clock = std::chrono::steady_clock;
    const auto start = clock::now();
    int frames = 0;
    double elapsed = 0;
    do {
        draw_one_frame();
        ++frames;
        elapsed = std::chrono::duration<double>(clock::now() - start).count();
    } while (elapsed < seconds);
    return frames / elapsed;
}

} // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    open_test_window(W, H, "render bench");
    load_test_textures(argc > 2 ? argv[2] : "");
    TestScene test;
    build_test_scene(test);
    std::printf(
        "draw_scene at %dx%d, test room (%zu surfaces, %zu figures, %zu items, %zu props)\n", W, H,
        scene.surfaces.size(), scene.figures.size(), scene.items.size(), scene.props.size());
    std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    const char* names[4] = {"vertex arrays", "immediate mode", "vertex buffers", "display lists"};
    for (int path = 0; path < 4; ++path) {
        use_display_lists = path == 3 ? 1 : 0;
        render_path = path == 3 ? 0 : path;
        if (path == 2) scene_create_buffers(scene);
        const double fps = frames_per_second(seconds);
        if (path == 2) scene_delete_buffers(scene);
        std::printf("%-15s %8.1f frames per second\n", names[path], fps);
    }
    return 0;
}
