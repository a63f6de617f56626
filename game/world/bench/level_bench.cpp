// Figures for the level: how long building it takes (geometry with its display lists; the full
// build with lightmaps, computed on a first run and read from the cache after), and what one
// game tick costs with the hero walking through it (the collision passes visit every surface).
// Run from the game's working directory under scripts/with-xvfb.sh.
#include "game/play/movement.h"
#include "game/shell/tick.h"
#include "game/shell/timing.h"
#include "game/shell/toggles.h"
#include "game/world/level.h"
#include "game/world/scene.h"

#include <GL/freeglut.h>

#include <chrono>
#include <cstdio>

namespace {

double seconds_since(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

} // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(64, 64);
    glutCreateWindow("level bench");

    constexpr int BUILDS = 20;
    auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < BUILDS; ++i) {
        reset_level();
        build_level_with(false);
    }
    std::printf("build_level without lightmaps: %.2f ms per build (%d builds)\n",
                seconds_since(t0) * 1000 / BUILDS, BUILDS);

    for (int run = 1; run <= 2; ++run) {
        reset_level();
        t0 = std::chrono::steady_clock::now();
        build_level();
        std::printf("build_level with lightmaps, run %d: %.2f s\n", run, seconds_since(t0));
    }

    // The hero walks up and down the start hall; every tick runs all passes over 200 surfaces.
    start_timers();
    frames_per_second = 60;
    move_keys = MOVE_FORWARD;
    constexpr int TICKS = 20000;
    t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < TICKS; ++i) {
        if (i % 200 == 0) {
            hero.position = {0, 0, 7};
            hero.rotation.y = 0;
        }
        run_game_tick();
    }
    const double per_tick = seconds_since(t0) / TICKS;
    std::printf("run_game_tick in the level: %.2f us per tick (%.0f ticks per second)\n",
                per_tick * 1e6, 1.0 / per_tick);
    return 0;
}
