// The render paths against a real GL context (Xvfb + Mesa): the four paths draw the same
// picture, culling skips what it should, buffers come and go with the buffer path, the camera
// and the display case leave the state they promise.
#define GL_GLEXT_PROTOTYPES 1
#include "test_scene.h"

#include "game/render/buffers.h"
#include "game/render/camera.h"
#include "game/render/draw_objects.h"
#include "game/render/frustum.h"
#include "game/render/render_state.h"
#include "game/render/transparency.h"
#include "game/shell/toggles.h"
#include "game/world/models.h"

#include <GL/freeglut.h>
#include <GL/glext.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

namespace {

constexpr int W = 320, H = 240;

// Tolerance between paths: a pixel may differ by at most this much in any channel.
constexpr int CHANNEL_TOLERANCE = 2;

struct Difference {
    int pixels = 0;  // pixels beyond the tolerance
    int largest = 0; // largest channel difference anywhere
};

Difference compare(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    Difference d;
    for (size_t i = 0; i < a.size(); i += 3) {
        int worst = 0;
        for (int c = 0; c < 3; ++c)
            worst = std::max(worst, std::abs(a[i + c] - b[i + c]));
        d.largest = std::max(d.largest, worst);
        if (worst > CHANNEL_TOLERANCE) ++d.pixels;
    }
    return d;
}

int lit_pixels(const std::vector<uint8_t>& rgb) {
    int n = 0;
    for (size_t i = 0; i < rgb.size(); i += 3)
        n += (rgb[i] | rgb[i + 1] | rgb[i + 2]) != 0;
    return n;
}

void reset_toggles() {
    render_path = 0;
    use_display_lists = 0;
    lightmap_mode = 0;
    frustum_culling = 0;
    transparency_off = 0;
    mipmapping = 0;
}

class RenderGl : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run under scripts/with-xvfb.sh";
        open_test_window(W, H, "render paths");
        load_test_textures();
    }
    void SetUp() override {
        reset_toggles();
        build_test_scene(test_);
        // The held weapon is drawn before the frame sends its light positions, so it is lit by
        // the previous frame's: one frame first, as in the running game.
        render_frame(W, H);
    }
    void TearDown() override { reset_toggles(); }

    // The frame through one path: 0, 1, 2, or 3 for display lists.
    std::vector<uint8_t> frame(int path) {
        use_display_lists = path == 3 ? 1 : 0;
        render_path = path == 3 ? 0 : path;
        if (path == 2) scene_create_buffers(scene);
        std::vector<uint8_t> rgb = render_frame(W, H);
        if (path == 2) scene_delete_buffers(scene);
        reset_toggles();
        return rgb;
    }

    TestScene test_;
};

const char* const PATH_NAMES[4] = {"vertex arrays", "immediate", "vertex buffers", "display lists"};

TEST_F(RenderGl, FourPathsDrawTheSamePicture) {
    const std::vector<uint8_t> reference = frame(0);
    ASSERT_GT(lit_pixels(reference), W * H * 3 / 4) << "the room fills most of the view";
    write_ppm(std::string(DH_BUILD_DIR) + "/tests/render_path_0.ppm", reference, W, H);
    for (int path = 1; path < 4; ++path) {
        const std::vector<uint8_t> other = frame(path);
        write_ppm(std::string(DH_BUILD_DIR) + "/tests/render_path_" + std::to_string(path) + ".ppm",
                  other, W, H);
        const Difference d = compare(reference, other);
        EXPECT_EQ(d.pixels, 0) << PATH_NAMES[path] << ": largest channel difference " << d.largest;
    }
}

TEST_F(RenderGl, ThePoseIsDrawnInEveryPath) {
    std::vector<uint8_t> posed[4];
    for (int path = 0; path < 4; ++path)
        posed[path] = frame(path);
    for (Vec3& a : scene.figures[0].part_angle)
        a = {};
    scene.figures[0].foot_lift = 0;
    for (int path = 0; path < 4; ++path) {
        const Difference d = compare(posed[path], frame(path));
        EXPECT_GT(d.pixels, 300) << PATH_NAMES[path] << ": the posed figure looks like at rest";
    }
}

// At rest every part's rotation about its pivot is the identity, so an articulated figure looks
// exactly like the same meshes drawn whole; a figure that is not animated is drawn like an item.
TEST_F(RenderGl, AtRestTheArticulatedFigureMatchesItsMeshesDrawnWhole) {
    hero.weapon = nullptr;
    Monster& figure = scene.figures[2]; // the cave orc, in plain view
    for (int path = 0; path < 4; ++path) {
        figure.mesh_mode = MESH_ANIMATED;
        const std::vector<uint8_t> animated = frame(path);
        figure.mesh_mode = MESH_ALL;
        const std::vector<uint8_t> whole = frame(path);
        EXPECT_EQ(compare(animated, whole).pixels, 0) << PATH_NAMES[path];
    }
}

TEST_F(RenderGl, LightmapModeChangesOnlyTheImmediatePath) {
    std::vector<uint8_t> normal[4];
    for (int path = 0; path < 4; ++path)
        normal[path] = frame(path);
    // 1: walls show only their lightmaps; 2: walls show their lit base texture.
    for (int mode : {LIGHTMAPS_PURE, LIGHTMAPS_OFF}) {
        for (int path = 0; path < 4; ++path) {
            lightmap_mode = mode;
            use_display_lists = path == 3 ? 1 : 0;
            render_path = path == 3 ? 0 : path;
            if (path == 2) scene_create_buffers(scene);
            const std::vector<uint8_t> changed = render_frame(W, H);
            if (path == 2) scene_delete_buffers(scene);
            const Difference d = compare(normal[path], changed);
            if (path == 1)
                EXPECT_GT(d.pixels, W * H / 4) << "mode " << mode;
            else
                EXPECT_EQ(d.pixels, 0) << "mode " << mode << ", " << PATH_NAMES[path];
        }
    }
}

TEST_F(RenderGl, StateLeftBehindIsTheAgreedOne) {
    for (int path = 0; path < 4; ++path) {
        use_display_lists = path == 3 ? 1 : 0;
        render_path = path == 3 ? 0 : path;
        if (path == 2) scene_create_buffers(scene);
        render_frame(W, H);
        if (path == 2) scene_delete_buffers(scene);
        GLint active = 0, client_active = 0;
        glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
        glGetIntegerv(GL_CLIENT_ACTIVE_TEXTURE, &client_active);
        EXPECT_EQ(active, GL_TEXTURE0) << PATH_NAMES[path];
        EXPECT_EQ(client_active, GL_TEXTURE0) << PATH_NAMES[path];
        EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D)) << PATH_NAMES[path];
        EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY)) << PATH_NAMES[path];
        EXPECT_FALSE(glIsEnabled(GL_NORMAL_ARRAY)) << PATH_NAMES[path];
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY)) << PATH_NAMES[path];
        EXPECT_FALSE(glIsEnabled(GL_BLEND)) << PATH_NAMES[path];
        EXPECT_TRUE(glIsEnabled(GL_CULL_FACE)) << PATH_NAMES[path];
        EXPECT_TRUE(glIsEnabled(GL_LIGHT2)) << PATH_NAMES[path];
        GLboolean depth_mask = GL_FALSE;
        glGetBooleanv(GL_DEPTH_WRITEMASK, &depth_mask);
        EXPECT_TRUE(depth_mask) << PATH_NAMES[path];
        glActiveTexture(GL_TEXTURE1);
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << PATH_NAMES[path] << ": unit 1";
        glActiveTexture(GL_TEXTURE0);
        GLint depth = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        EXPECT_EQ(depth, 1) << PATH_NAMES[path];
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << PATH_NAMES[path];
        reset_toggles();
    }
}

TEST_F(RenderGl, BuffersExistOnlyWhileTheBufferPathIsSelected) {
    scene_create_buffers(scene);
    const Monster& figure = scene.figures[0];
    const Surface& floor = scene.surfaces[0];
    const Surface& ceiling = scene.surfaces.back(); // no lightmap: three names per mesh
    for (int i = 0; i < 33; ++i)
        EXPECT_TRUE(glIsBuffer(figure.vbo[i])) << i;
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(glIsBuffer(floor.vbo[i])) << i;
    EXPECT_EQ(floor.vbo[4], 0u) << "a lightmapped surface has four buffers";
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(glIsBuffer(ceiling.vbo[i])) << i;
    EXPECT_TRUE(glIsBuffer(test_.lying_sword.vbo[0]));
    EXPECT_TRUE(glIsBuffer(test_.held_sword.vbo[2]));
    EXPECT_TRUE(glIsBuffer(scene.props.back().vbo[14])) << "the case: five meshes";
    const uint32_t figure_name = figure.vbo[0];

    scene_delete_buffers(scene);
    EXPECT_FALSE(glIsBuffer(figure_name));
    EXPECT_EQ(figure.vbo[0], figure_name) << "the names are not cleared";
    EXPECT_FALSE(glIsBuffer(floor.vbo[3]));
    EXPECT_FALSE(glIsBuffer(test_.lying_sword.vbo[0]));
}

TEST_F(RenderGl, AnObjectEnteringWhileBuffersAreOnGetsItsOwn) {
    render_path = RENDER_VERTEX_BUFFERS;
    Item pizza;
    item_init(pizza, "Pizza2", pizza_uv, 0, 0, 3, 0, 0, 0, 0.7f);
    scene_add_item(pizza);
    EXPECT_TRUE(glIsBuffer(scene.items.back().vbo[0]));
    EXPECT_TRUE(glIsBuffer(scene.items.back().vbo[2]));
    Surface s;
    surface_init(s, "wand9", raumwuerfel, 0, 1, -3, 0, 0, 0, FACE_WALL_NEG_Z, 1, 1, 1, 5);
    scene_add_surface(s);
    EXPECT_TRUE(glIsBuffer(scene.surfaces.back().vbo[0]));
    scene_delete_buffers(scene);
}

// One object drawn alone: does it put anything into the frame?
bool draws_something(const std::function<void()>& draw) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, double(W) / H, 0.1, 200.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    camera_apply(hero);
    draw();
    glFinish();
    std::vector<uint8_t> rgb(W * H * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, W, H, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return lit_pixels(rgb) > 20;
}

// Planes that keep only x < -20: everything of the test room in view lies outside them.
void planes_far_to_the_left() {
    for (auto& p : frustum_planes) {
        p[0] = -1;
        p[1] = 0;
        p[2] = 0;
        p[3] = -20;
    }
}

TEST_F(RenderGl, CullingSkipsObjectsButNeverWeapons) {
    hero.weapon = nullptr; // the held weapon would fill the frame on its own
    const Item& pizza = scene.items[0];
    const Monster& figure = scene.figures[0];
    const Surface& floor = scene.surfaces[0];
    const Prop& torch = scene.props[0];
    struct Row {
        const char* what;
        std::function<void()> draw;
        bool culled_when_outside;
    };
    const Row rows[] = {
        {"pizza", [&] { draw_item(pizza); }, true},
        {"figure", [&] { draw_figure(figure); }, true},
        {"floor", [&] { draw_surface(floor); }, true},
        {"torch", [&] { draw_prop(torch); }, true},
        {"lying sword", [&] { draw_item(test_.lying_sword); }, false},
    };
    for (const Row& row : rows) {
        frustum_culling = 0;
        EXPECT_TRUE(draws_something(row.draw)) << row.what << " in view without culling";
        frustum_culling = 1;
        planes_far_to_the_left();
        EXPECT_EQ(draws_something(row.draw), !row.culled_when_outside) << row.what;
        frustum_culling = 0;
    }
}

TEST_F(RenderGl, HeldWeaponIsDrawnInEyeSpace) {
    for (auto& a : scene.figures)
        a.position.x += 1000; // keep the frame to the weapon
    auto weapon_only = [&] {
        scene.surfaces.clear();
        scene.items.clear();
        scene.props.clear();
        weapon_list[1] = nullptr;
        return render_frame(W, H);
    };
    const std::vector<uint8_t> here = weapon_only();
    ASSERT_GT(lit_pixels(here), 500);
    hero.position = {40, 3, -70};
    hero.rotation = {10, 200, 0};
    frustum_culling = 1;
    EXPECT_EQ(compare(here, render_frame(W, H)).pixels, 0) << "the camera does not move it";
    frustum_culling = 0;
    hero.state[ST_ATTACK] = 2; // the blow puts it elsewhere
    EXPECT_GT(compare(here, render_frame(W, H)).pixels, 300);
}

TEST_F(RenderGl, CameraReadsBackTheViewDirection) {
    struct Row {
        float pitch, yaw;
        float x, y, z;
    };
    for (const Row& r :
         {Row{0, 0, 0, 0, -1}, Row{0, 90, -1, 0, 0}, Row{0, 180, 0, 0, 1}, Row{-90, 0, 0, -1, 0}}) {
        hero.rotation = {r.pitch, r.yaw, 0};
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        camera_apply(hero);
        EXPECT_NEAR(view_vector[0], r.x, 1e-5f) << r.pitch << "/" << r.yaw;
        EXPECT_NEAR(view_vector[1], r.y, 1e-5f) << r.pitch << "/" << r.yaw;
        EXPECT_NEAR(view_vector[2], r.z, 1e-5f) << r.pitch << "/" << r.yaw;
    }
    // The translation: the eye at the hero's position plus its current eye height.
    hero.rotation = {};
    hero.position = {2, 1, 3};
    hero.eye_height_now = 1.5f;
    glLoadIdentity();
    camera_apply(hero);
    EXPECT_FLOAT_EQ(modelview_matrix[12], -2.0f);
    EXPECT_FLOAT_EQ(modelview_matrix[13], -2.5f);
    EXPECT_FLOAT_EQ(modelview_matrix[14], -3.0f);
}

TEST_F(RenderGl, GlassBlendsUnlessTransparencyIsOff) {
    // Look straight at the case so its panes cover part of the frame.
    hero.position = {3.4f, 0, 4.5f};
    hero.rotation = {-10, 0, 0};
    hero.weapon = nullptr;
    const std::vector<uint8_t> blended = render_frame(W, H);
    transparency_off = 1;
    const std::vector<uint8_t> opaque = render_frame(W, H);
    EXPECT_GT(compare(blended, opaque).pixels, 2000);
    // Without the case the view behind the glass is what the blended frame lets through.
    transparency_off = 0;
    scene.props.pop_back();
    const std::vector<uint8_t> without = render_frame(W, H);
    const Difference through = compare(blended, without);
    const Difference covered = compare(opaque, without);
    EXPECT_GT(covered.pixels, through.pixels) << "opaque panes hide more than glass does";
}

} // namespace
