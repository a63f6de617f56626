// build_lightmap against a real GL context (Xvfb + Mesa): the lights read back from OpenGL, the
// progress lines, the uploads, and the cache under data/ with its round trip and bad files.
#include "game/lightmap/lightmap.h"

#include "game/lightmap/lightmap_cache.h"
#include "game/world/scene.h"
#include "lightmap_fixtures.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#ifndef GL_CLAMP_TO_EDGE
#define GL_CLAMP_TO_EDGE 0x812F
#endif

namespace fs = std::filesystem;

namespace {

const GLenum LIGHTS[5] = {GL_LIGHT0, GL_LIGHT1, GL_LIGHT2, GL_LIGHT3, GL_LIGHT4};

std::vector<uint8_t> file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class LightmapGl : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run under scripts/with-xvfb.sh";
        int argc = 1;
        char name[] = "lightmap_gl_test";
        char* argv[] = {name, nullptr};
        glutInit(&argc, argv);
        glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(64, 64);
        glutCreateWindow("lightmap");
    }

    void SetUp() override {
        start_dir_ = fs::current_path();
        dir_ = testing::TempDir() + "lightmap_gl_" + std::to_string(getpid());
        fs::create_directories(dir_ + "/data");
        fs::current_path(dir_);

        // The game's lights as the start-up sets them (identity model-view: world space).
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        for (int i = 0; i < 5; ++i) {
            const float off[4] = {0, 0, 0, 1}, black[4] = {0, 0, 0, 1};
            glLightfv(LIGHTS[i], GL_AMBIENT, black);
            glLightfv(LIGHTS[i], GL_DIFFUSE, black);
            glLightfv(LIGHTS[i], GL_POSITION, off);
        }
        // White light 0 high above the middle, a red light 2 near a corner: the green channel
        // shows light 0 alone.
        set_light(GL_LIGHT0, {0, 5, 0}, {0.3f, 0.3f, 0.3f}, {1, 1, 1});
        set_light(GL_LIGHT2, {1, 1, 1}, {0.1f, 0, 0}, {0.5f, 0, 0});
        const float global[4] = {0.2f, 0.2f, 0.2f, 1};
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, global);

        scene = Scene{};
        // A room: floor, two walls, a ceiling plate, a light-marker ceiling that casts nothing.
        scene.surfaces.push_back(make_surface("boden1", 0, 0, 0, FACE_FLOOR, 1, 1, 1));
        scene.surfaces.push_back(make_surface("wand1", 0, 1, -1, FACE_WALL_NEG_Z, 1, 1, 1));
        scene.surfaces.push_back(make_surface("wand2", -1, 1, 0, FACE_WALL_NEG_X, 1, 1, 1));
        scene.surfaces.push_back(make_surface("decke1", 0, 2, 0, FACE_CEILING, 0.25f, 1, 0.25f));
        scene.surfaces.push_back(make_surface("lichtdecke", 0, 2.5f, 0, FACE_CEILING, 2, 1, 2));
    }
    void TearDown() override {
        fs::current_path(start_dir_);
        fs::remove_all(dir_);
        scene = Scene{};
    }
    static void set_light(GLenum light, Vec3 p, Vec3 ambient, Vec3 diffuse) {
        const float pos[4] = {p.x, p.y, p.z, 1}, a[4] = {ambient.x, ambient.y, ambient.z, 1},
                    d[4] = {diffuse.x, diffuse.y, diffuse.z, 1};
        glLightfv(light, GL_POSITION, pos);
        glLightfv(light, GL_AMBIENT, a);
        glLightfv(light, GL_DIFFUSE, d);
        glLightf(light, GL_CONSTANT_ATTENUATION, 1.0f);
        glLightf(light, GL_LINEAR_ATTENUATION, 0.1f);
        glLightf(light, GL_QUADRATIC_ATTENUATION, 0.05f);
    }
    // Builds every lightmap as the level does (all but "licht"), returning standard error.
    std::string build_all() {
        testing::internal::CaptureStderr();
        for (Surface& s : scene.surfaces)
            if (s.name.find("licht") == std::string::npos) build_lightmap(s, LIGHTS, 5, 128, 64);
        return testing::internal::GetCapturedStderr();
    }
    static std::vector<uint8_t> texels(GLuint texture, int level = 0) {
        glBindTexture(GL_TEXTURE_2D, texture);
        GLint w = 0, h = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &w);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &h);
        std::vector<uint8_t> px(size_t(w) * h * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, level, GL_RGB, GL_UNSIGNED_BYTE, px.data());
        return px;
    }
    static GLint param(GLuint texture, GLenum p) {
        glBindTexture(GL_TEXTURE_2D, texture);
        GLint v = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, p, &v);
        return v;
    }
    fs::path start_dir_;
    std::string dir_;
};

TEST_F(LightmapGl, ComputesUploadsAndWritesTheCache) {
    const std::string err = build_all();
    // The missing cache file as the TGA reader reports it, then exactly the progress lines of a
    // 128 x 128 floor (rows 120, 110, ..., 0).
    std::string floor_lines = "Unable to load TGA File!\nBuilding Lightmap for \"boden1\" 0%";
    for (int r = 120; r >= 0; r -= 10)
        floor_lines += "\rBuilding Lightmap for \"boden1\" " +
                       std::to_string(int((128 - r) * 128 / (128 * 128 * 0.01))) + "%";
    floor_lines += "\rBuilding Lightmap for \"boden1\" 100%\n";
    EXPECT_EQ(err.substr(0, floor_lines.size()), floor_lines);
    for (const char* name : {"wand1", "wand2", "decke1"})
        EXPECT_NE(err.find(std::string("\"") + name + "\" 100%\n"), std::string::npos) << name;
    EXPECT_EQ(err.find("licht"), std::string::npos);
    EXPECT_EQ(scene.surfaces[4].lightmap_texture, 0u);
    EXPECT_FALSE(fs::exists("data/lm_lichtdecke.tga"));

    for (int i = 0; i < 4; ++i) {
        const Surface& s = scene.surfaces[i];
        ASSERT_NE(s.lightmap_texture, 0u) << s.name;
        // A freshly computed lightmap: linear minification, clamped, every mipmap level.
        EXPECT_EQ(param(s.lightmap_texture, GL_TEXTURE_MIN_FILTER), GL_LINEAR);
        EXPECT_EQ(param(s.lightmap_texture, GL_TEXTURE_WRAP_S), GL_CLAMP_TO_EDGE);
        EXPECT_EQ(param(s.lightmap_texture, GL_TEXTURE_WRAP_T), GL_CLAMP_TO_EDGE);
        EXPECT_EQ(texels(s.lightmap_texture, 7).size(), 3u) << "1 x 1 level";
        // The cache file holds what was uploaded.
        const std::string path = "data/lm_" + s.name + ".tga";
        const std::vector<uint8_t> bytes = file_bytes(path);
        auto image = decode_lightmap_cache(bytes.data(), bytes.size(), 128);
        ASSERT_TRUE(image) << path;
        EXPECT_EQ(image->pixels, texels(s.lightmap_texture)) << s.name;
    }
    // The plate under the ceiling shades the middle of the floor from light 0: green (light 0
    // alone) is the global ambient there and brighter beside the shadow. Red light 2 near the
    // corner (1, 1, 1), that is near texel (128, 0), still reaches the middle.
    const std::vector<uint8_t> floor = texels(scene.surfaces[0].lightmap_texture);
    auto at = [&](int c, int r, int k) { return floor[(size_t(r) * 128 + c) * 3 + k]; };
    EXPECT_EQ(at(64, 64, 1), 51);
    EXPECT_GT(at(30, 64, 1), 70);
    EXPECT_GT(at(64, 64, 0), 51);
    EXPECT_GT(at(120, 8, 0), at(8, 120, 0));
    // The texture unit's binding is given back.
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_NE(GLuint(bound), scene.surfaces[3].lightmap_texture);
}

TEST_F(LightmapGl, SecondBuildReadsTheCacheByteForByte) {
    build_all();
    std::vector<std::vector<uint8_t>> first, files;
    for (int i = 0; i < 4; ++i) {
        first.push_back(texels(scene.surfaces[i].lightmap_texture));
        files.push_back(file_bytes("data/lm_" + scene.surfaces[i].name + ".tga"));
    }
    // A rebuilt level: new records, no lightmaps yet.
    Scene rebuilt = scene;
    for (Surface& s : rebuilt.surfaces) {
        s.lightmap_texture = 0;
        std::fill(std::begin(s.own_lightmap_texcoords), std::end(s.own_lightmap_texcoords), -1.f);
    }
    scene = rebuilt;
    const std::string err = build_all();
    EXPECT_EQ(err.find("Building Lightmap"), std::string::npos) << err;
    EXPECT_EQ(err, "");
    for (int i = 0; i < 4; ++i) {
        const Surface& s = scene.surfaces[i];
        ASSERT_NE(s.lightmap_texture, 0u);
        EXPECT_EQ(texels(s.lightmap_texture), first[i]) << s.name;
        EXPECT_EQ(file_bytes("data/lm_" + s.name + ".tga"), files[i]) << s.name;
        // A cached lightmap: linear magnification, nearest-mipmap minification.
        EXPECT_EQ(param(s.lightmap_texture, GL_TEXTURE_MAG_FILTER), GL_LINEAR);
        EXPECT_EQ(param(s.lightmap_texture, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_NEAREST);
        EXPECT_EQ(param(s.lightmap_texture, GL_TEXTURE_WRAP_S), GL_CLAMP_TO_EDGE);
        EXPECT_EQ(texels(s.lightmap_texture, 7).size(), 3u);
        // The coordinates are written in the cached case too.
        for (int k = 0; k < 8; ++k)
            EXPECT_EQ(s.own_lightmap_texcoords[k], s.own_texcoords[k] == 0 ? 0.f : 1.f);
    }
}

TEST_F(LightmapGl, BadCacheFilesAreComputedAgain) {
    build_all();
    const std::vector<uint8_t> good = file_bytes("data/lm_boden1.tga");
    const std::vector<uint8_t> good_texels = texels(scene.surfaces[0].lightmap_texture);
    auto header = [&](int width, int height, int depth, int type) {
        std::vector<uint8_t> b(good.begin(), good.begin() + 18);
        b[2] = uint8_t(type), b[12] = uint8_t(width), b[13] = uint8_t(width >> 8);
        b[14] = uint8_t(height), b[15] = uint8_t(height >> 8), b[16] = uint8_t(depth);
        b.resize(18 + size_t(width) * height * depth / 8, 0x40);
        return b;
    };
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"truncated", std::vector<uint8_t>(good.begin(), good.end() - 100)},
        {"64 x 64", header(64, 64, 24, 2)},
        {"32 bits", header(128, 128, 32, 2)},
        {"16 bits", header(128, 128, 16, 2)},
        {"run-length", header(128, 128, 24, 10)},
        {"not a picture", std::vector<uint8_t>(5000, 0xFF)},
        {"empty", {}},
    };
    for (const Case& c : cases) {
        {
            std::ofstream out("data/lm_boden1.tga", std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(c.bytes.data()),
                      std::streamsize(c.bytes.size()));
        }
        Surface s = scene.surfaces[0];
        s.lightmap_texture = 0;
        testing::internal::CaptureStderr();
        build_lightmap(s, LIGHTS, 5, 128, 64);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find("\"boden1\" 100%\n"), std::string::npos) << c.what;
        EXPECT_EQ(texels(s.lightmap_texture), good_texels) << c.what;
        EXPECT_EQ(file_bytes("data/lm_boden1.tga"), good) << c.what << ": file rewritten";
    }
}

TEST_F(LightmapGl, UnwritableCacheStillGivesALightmap) {
    fs::remove_all("data");
    const std::string err = build_all();
    EXPECT_NE(err.find("\"boden1\" 100%\n"), std::string::npos);
    EXPECT_EQ(err.find("ERROR"), std::string::npos);
    ASSERT_NE(scene.surfaces[0].lightmap_texture, 0u);
    EXPECT_GT(texels(scene.surfaces[0].lightmap_texture)[(64 * 128 + 32) * 3], 51);
    EXPECT_FALSE(fs::exists("data"));
}

TEST_F(LightmapGl, AllLightsShadowedLeavesTheGlobalAmbientAsBytes) {
    // A large plate between both lights and the floor.
    scene.surfaces[3] = make_surface("decke1", 0, 0.5f, 0, FACE_CEILING, 3, 1, 3);
    Surface& floor = scene.surfaces[0];
    testing::internal::CaptureStderr();
    build_lightmap(floor, LIGHTS, 5, 128, 64);
    testing::internal::GetCapturedStderr();
    const std::vector<uint8_t> px = texels(floor.lightmap_texture);
    ASSERT_EQ(px.size(), 128u * 128 * 3);
    for (size_t i = 0; i < px.size(); ++i)
        ASSERT_EQ(px[i], 51) << i; // 0.2 * 255
}

TEST_F(LightmapGl, CacheFileReadsBackInAnIndependentReader) {
    build_all();
    const std::string cmd = "/usr/bin/identify -format '%w %h %z %[channels]' data/lm_wand1.tga";
    FILE* p = popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    char buf[128] = {};
    const size_t got = fread(buf, 1, sizeof buf - 1, p);
    pclose(p);
    EXPECT_EQ(std::string(buf, got).substr(0, 10), "128 128 8 ");
}

} // namespace
