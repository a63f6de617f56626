// How long the lightmaps of a level take: computed from scratch (empty cache) and read back
// from the cache, with the game's five lights. Prints figures; needs a display (Xvfb).
//
//   lightmap_bench [work dir]
//
// The level is the game's own when it is part of the build, otherwise a stand-in of 200
// surfaces: twenty closed rooms of 12 x 12 x 6 units with a pillar in each.
#include "game/lightmap/lightmap.h"
#include "game/world/models.h"
#include "game/world/scene.h"

#ifdef DH_HAVE_LEVEL
#include "game/world/level.h"
#endif

#include <GL/freeglut.h>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const GLenum LIGHTS[5] = {GL_LIGHT0, GL_LIGHT1, GL_LIGHT2, GL_LIGHT3, GL_LIGHT4};

// The game's five lights as the start-up sets them, in world space.
void set_game_lights() {
    struct Light {
        float pos[4], ambient[4], diffuse[4], quadratic;
    };
    const Light lights[5] = {
        {{0, 5, 0, 1}, {0.3f, 0.3f, 0.3f, 1}, {1, 1, 1, 0}, 0.05f},
        {{-45, 4.5f, -17, 1}, {0.3f, 0.3f, 0.3f, 1}, {1, 1, 1, 0}, 0.05f},
        {{29, 1, -10, 1}, {0.3f, 0, 0, 0}, {0.8f, 0.1f, 0.1f, 0}, 0.05f},
        {{29, 1, -24, 1}, {0.3f, 0, 0, 0}, {0.8f, 0.1f, 0.1f, 0}, 0.05f},
        {{-20, 3, 29, 1}, {0.25f, 0, 0.25f, 0}, {0.7f, 0.1f, 0.7f, 0}, 0.09f},
    };
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    for (int i = 0; i < 5; ++i) {
        glLightfv(LIGHTS[i], GL_POSITION, lights[i].pos);
        glLightfv(LIGHTS[i], GL_AMBIENT, lights[i].ambient);
        glLightfv(LIGHTS[i], GL_DIFFUSE, lights[i].diffuse);
        glLightf(LIGHTS[i], GL_CONSTANT_ATTENUATION, 1.0f);
        glLightf(LIGHTS[i], GL_LINEAR_ATTENUATION, 0.1f);
        glLightf(LIGHTS[i], GL_QUADRATIC_ATTENUATION, lights[i].quadratic);
    }
}

void add(const std::string& name, float x, float y, float z, uint32_t face, float sx, float sy,
         float sz) {
    Surface s;
    surface_init(s, name, raumwuerfel, x, y, z, 0, 0, 0, face, sx, sy, sz, 0);
    scene_add_surface(s);
}

// Twenty rooms on a 5 x 4 grid around the lights, each with floor, ceiling, four walls and a
// 1 x 1 pillar of four walls: 200 surfaces.
void build_stand_in_level() {
    scene = Scene{};
    int n = 0;
    for (int col = 0; col < 5; ++col)
        for (int row = 0; row < 4; ++row) {
            const float cx = -41.0f + 18.0f * col, cz = -22.0f + 16.0f * row, h = 6.0f;
            const std::string k = std::to_string(n++);
            add("boden" + k, cx, 0, cz, FACE_FLOOR, 6, 1, 6);
            add("decke" + k, cx, h, cz, FACE_CEILING, 6, 1, 6);
            add("wand" + k + "n", cx, h / 2, cz - 6, FACE_WALL_NEG_Z, 6, h / 2, 1);
            add("wand" + k + "s", cx, h / 2, cz + 6, FACE_WALL_POS_Z, 6, h / 2, 1);
            add("wand" + k + "w", cx - 6, h / 2, cz, FACE_WALL_NEG_X, 1, h / 2, 6);
            add("wand" + k + "e", cx + 6, h / 2, cz, FACE_WALL_POS_X, 1, h / 2, 6);
            // The pillar's faces look outwards.
            const float px = cx + 3, pz = cz + 2;
            add("saeule" + k + "n", px, h / 2, pz - 0.5f, FACE_WALL_POS_Z, 0.5f, h / 2, 1);
            add("saeule" + k + "s", px, h / 2, pz + 0.5f, FACE_WALL_NEG_Z, 0.5f, h / 2, 1);
            add("saeule" + k + "w", px - 0.5f, h / 2, pz, FACE_WALL_POS_X, 1, h / 2, 0.5f);
            add("saeule" + k + "e", px + 0.5f, h / 2, pz, FACE_WALL_NEG_X, 1, h / 2, 0.5f);
        }
}

double seconds_since(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Runs the step with standard error (the progress lines) appended to the log; its time.
template <typename Step> double timed(const char* log, Step step) {
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    const int file = open(log, O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (file >= 0) dup2(file, STDERR_FILENO);
    const auto t0 = std::chrono::steady_clock::now();
    step();
    glFinish();
    const double t = seconds_since(t0);
    std::fflush(stderr);
    if (saved >= 0) dup2(saved, STDERR_FILENO);
    if (file >= 0) close(file);
    if (saved >= 0) close(saved);
    return t;
}

void build_all() {
    for (Surface& s : scene.surfaces)
        if (s.name.find("licht") == std::string::npos) build_lightmap(s, LIGHTS, 5, 128, 64);
}

void clear_cache() {
    fs::remove_all("data");
    fs::create_directories("data");
}

void report(const char* level, double computed, double cached) {
    long long texels = 0;
    size_t lit = 0;
    for (const Surface& s : scene.surfaces) {
        if (s.name.find("licht") != std::string::npos) continue;
        const LightmapFrame f = lightmap_frame(s);
        texels += 1LL * lightmap_extent(f.a, f.b, 64) * lightmap_extent(f.a, f.c, 64);
        ++lit;
    }
    std::printf("%s: %zu surfaces, %zu lightmaps, %.1f million texels at 64 per unit\n", level,
                scene.surfaces.size(), lit, double(texels) / 1e6);
    std::printf("  compute all lightmaps (empty cache): %8.3f s  (%.1f ns per texel)\n", computed,
                computed * 1e9 / double(texels));
    std::printf("  load all lightmaps from the cache:   %8.3f s  (%.2f ms per lightmap)\n", cached,
                cached * 1e3 / double(lit));
}

} // namespace

int main(int argc, char** argv) {
    const fs::path work =
        argc > 1 ? fs::path(argv[1])
                 : fs::temp_directory_path() / ("lightmap_bench_" + std::to_string(getpid()));
    fs::remove_all(work / "data");
    fs::create_directories(work / "data");
    const fs::path log = fs::absolute(work / "progress.log");
    fs::remove(log);
    fs::current_path(work);

    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(64, 64);
    glutCreateWindow("lightmap bench");
    set_game_lights();

    const char* log_path = log.c_str();
#ifdef DH_HAVE_LEVEL
    // The whole level build, lightmaps and display lists, as the game runs it at start (empty
    // cache) and at a restart (cache filled).
    clear_cache();
    const double level_computed = timed(log_path, [] { build_level(); });
    reset_level();
    const double level_cached = timed(log_path, [] { build_level(); });
    report("the game's level (build_level)", level_computed, level_cached);
    reset_level();
    clear_cache();
#endif
    build_stand_in_level();
    const double computed = timed(log_path, build_all);
    build_stand_in_level();
    const double cached = timed(log_path, build_all);
    report("stand-in level (20 rooms with pillars)", computed, cached);
    std::printf("progress lines: %s\n", log.c_str());
    return 0;
}
