// The texture table's uploads and the binding rule, against a real GL context (Xvfb + Mesa).
#include "game/image/textures.h"

#include "bmp_builder.h"
#include "game/image/tga.h"
#include "game/shell/toggles.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <unistd.h>

namespace {

class TexturesGl : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run under scripts/with-xvfb.sh";
        int argc = 1;
        char name[] = "textures_gl_test";
        char* argv[] = {name, nullptr};
        glutInit(&argc, argv);
        glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(64, 64);
        glutCreateWindow("textures");
        create_texture_names();
    }
    void SetUp() override {
        dir_ = testing::TempDir() + "textures_gl_" + std::to_string(getpid()) + "/";
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string file(const char* name, const std::vector<uint8_t>& bytes) {
        const std::string path = dir_ + name;
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        return path;
    }
    std::string dir_;
};

GLint param(GLuint name, GLenum p) {
    glBindTexture(GL_TEXTURE_2D, name);
    GLint v = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, p, &v);
    return v;
}

GLint level_param(GLuint name, GLint level, GLenum p) {
    glBindTexture(GL_TEXTURE_2D, name);
    GLint v = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, p, &v);
    return v;
}

std::vector<uint8_t> texels(GLuint name, GLenum format, size_t count) {
    glBindTexture(GL_TEXTURE_2D, name);
    std::vector<uint8_t> px(count * (format == GL_RGBA ? 4 : 3));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, px.data());
    return px;
}

GLuint bound() {
    GLint v = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &v);
    return GLuint(v);
}

// An 8 x 4 picture (RGB, or RGBA with varying alpha) as a raw TGA.
std::vector<uint8_t> tga_file(int channels, std::vector<uint8_t>& rgb_out) {
    std::vector<uint8_t> b = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 4, 0, uint8_t(channels * 8),
                              0};
    rgb_out.clear();
    for (int i = 0; i < 32; ++i) {
        const uint8_t r = uint8_t(i * 8), g = uint8_t(255 - i * 5), bl = uint8_t(i * 3 + 40);
        b.insert(b.end(), {bl, g, r});
        if (channels == 4) b.push_back(uint8_t(i * 7));
        rgb_out.insert(rgb_out.end(), {r, g, bl});
    }
    return b;
}

TEST_F(TexturesGl, OneBlockOfTwoThousandDistinctNames) {
    std::set<GLuint> names(texture_names, texture_names + 2000);
    EXPECT_EQ(names.size(), 2000u);
    EXPECT_EQ(names.count(0), 0u);
    EXPECT_EQ(texture_names_plain, &texture_names[0]);
    EXPECT_EQ(texture_names_mipmapped, &texture_names[1000]);
    EXPECT_EQ(texture_names_mipmapped[TEX_LONG_SWORD], texture_names[1000 + TEX_LONG_SWORD]);
}

TEST_F(TexturesGl, LoadsBothVariantsWithTheirFiltersAndWrap) {
    std::vector<uint8_t> rgb;
    const std::string path = file("pic.tga", tga_file(3, rgb));
    load_texture(path, 30, GL_REPEAT);
    const GLuint plain = texture_names_plain[30], mip = texture_names_mipmapped[30];
    EXPECT_EQ(texels(plain, GL_RGB, 32), rgb);
    EXPECT_EQ(texels(mip, GL_RGB, 32), rgb);
    struct Expect {
        GLuint name;
        GLenum p;
        GLint value;
    };
    const Expect expects[] = {
        {plain, GL_TEXTURE_WRAP_S, GL_REPEAT},
        {plain, GL_TEXTURE_WRAP_T, GL_REPEAT},
        {plain, GL_TEXTURE_MAG_FILTER, GL_LINEAR},
        {plain, GL_TEXTURE_MIN_FILTER, GL_LINEAR},
        {mip, GL_TEXTURE_WRAP_S, GL_REPEAT},
        {mip, GL_TEXTURE_WRAP_T, GL_REPEAT},
        {mip, GL_TEXTURE_MAG_FILTER, GL_LINEAR},
        {mip, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR},
    };
    for (const Expect& e : expects)
        EXPECT_EQ(param(e.name, e.p), e.value) << std::hex << e.p;
    // The mipmapped variant has the full chain down to 1 x 1 (8 x 4 has levels 0 to 3).
    EXPECT_EQ(level_param(mip, 3, GL_TEXTURE_WIDTH), 1);
    EXPECT_EQ(level_param(mip, 3, GL_TEXTURE_HEIGHT), 1);
    EXPECT_EQ(level_param(plain, 1, GL_TEXTURE_WIDTH), 0);

    load_texture(path, 31, GL_CLAMP);
    EXPECT_EQ(param(texture_names_plain[31], GL_TEXTURE_WRAP_S), GL_CLAMP);
    EXPECT_EQ(param(texture_names_mipmapped[31], GL_TEXTURE_WRAP_T), GL_CLAMP);
}

TEST_F(TexturesGl, RowsOfOddWidthArriveUnskewed) {
    // 3 x 2 RGB: 9 bytes a row, which the default unpack alignment of 4 would misread.
    std::vector<uint8_t> bytes = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 2, 0, 24, 0};
    std::vector<uint8_t> rgb;
    for (uint8_t i = 0; i < 6; ++i) {
        bytes.insert(bytes.end(), {uint8_t(i * 40 + 2), uint8_t(i * 40 + 1), uint8_t(i * 40)});
        rgb.insert(rgb.end(), {uint8_t(i * 40), uint8_t(i * 40 + 1), uint8_t(i * 40 + 2)});
    }
    load_texture(file("odd.tga", bytes), 33, GL_CLAMP);
    // The mipmapped variant is scaled to powers of two by GLU, so only the plain one is exact.
    EXPECT_EQ(texels(texture_names_plain[33], GL_RGB, 6), rgb);
}

TEST_F(TexturesGl, ThirtyTwoBitTgaKeepsColoursAndLosesAlpha) {
    std::vector<uint8_t> rgb;
    const std::string path = file("alpha.tga", tga_file(4, rgb));
    load_texture(path, 32, GL_CLAMP);
    for (GLuint name : {texture_names_plain[32], texture_names_mipmapped[32]}) {
        EXPECT_EQ(texels(name, GL_RGB, 32), rgb);
        EXPECT_EQ(level_param(name, 0, GL_TEXTURE_ALPHA_SIZE), 0);
        const std::vector<uint8_t> rgba = texels(name, GL_RGBA, 32);
        for (size_t i = 3; i < rgba.size(); i += 4)
            EXPECT_EQ(rgba[i], 255);
    }
}

TEST_F(TexturesGl, BmpIsSearchedFirstInTheName) {
    BmpLayout s;
    s.width = 4, s.height = 2, s.bits = 24;
    s.values = test_picture(4, 2);
    const std::vector<uint8_t> bmp = build_bmp(s);
    std::vector<uint8_t> expected; // bottom row first
    for (int y = 1; y >= 0; --y)
        for (int x = 0; x < 4; ++x) {
            const uint32_t c = s.values[size_t(y) * 4 + x];
            expected.insert(expected.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
        }
    const char* names[] = {"a.bmp", "b.tga.bmp", "c.bmp.tga", "d.bmpx"};
    TextureId id = 40;
    for (const char* n : names) {
        SCOPED_TRACE(n);
        load_texture(file(n, bmp), id, GL_CLAMP);
        EXPECT_EQ(texels(texture_names_plain[id], GL_RGB, 8), expected);
        EXPECT_EQ(texels(texture_names_mipmapped[id], GL_RGB, 8), expected);
        ++id;
    }
}

TEST_F(TexturesGl, FailuresLeaveTheNamesEmptyWithTheirMessages) {
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        bool create;
        const char* message;
    };
    const Case cases[] = {
        {"picture.png", {1, 2, 3}, true, "ERROR: cannot open texture files\n"},
        {"missing.tga", {}, false, "Unable to load TGA File!\n"},
        {"eight_bit.tga", {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 8, 0, 5}, true, ""},
        {"missing.bmp", {}, false, ""},
        {"broken.bmp", {'B', 'M', 0, 0}, true, ""},
    };
    TextureId id = 50;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = c.create ? file(c.name, c.bytes) : dir_ + c.name;
        testing::internal::CaptureStderr();
        load_texture(path, id, GL_REPEAT);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
        EXPECT_EQ(level_param(texture_names_plain[id], 0, GL_TEXTURE_WIDTH), 0);
        EXPECT_EQ(level_param(texture_names_mipmapped[id], 0, GL_TEXTURE_WIDTH), 0);
        ++id;
    }
}

TEST_F(TexturesGl, BindingRule) {
    std::vector<uint8_t> rgb;
    load_texture(file("bind.tga", tga_file(3, rgb)), 60, GL_REPEAT);
    const GLuint plain = texture_names_plain[60], mip = texture_names_mipmapped[60];
    struct Case {
        int32_t mipmapping, mode;
        GLuint texture_mipmapped;
        GLuint expect_bound;
        GLint expect_mip_min; // MIN filter of the mipmapped name afterwards
    };
    const Case cases[] = {
        {0, 0, mip, plain, GL_LINEAR_MIPMAP_LINEAR},
        {1, 1, mip, mip, GL_NEAREST_MIPMAP_LINEAR},
        {1, 2, mip, mip, GL_LINEAR_MIPMAP_NEAREST},
        {0, 0, mip, plain, GL_LINEAR_MIPMAP_NEAREST}, // off: nothing changes
        {1, 0, mip, mip, GL_LINEAR_MIPMAP_LINEAR},
        {1, 1, 0, plain, GL_LINEAR_MIPMAP_LINEAR}, // no mipmapped name: plain, no change
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const Case& c = cases[i];
        mipmapping = c.mipmapping;
        mipmap_filter_mode = c.mode;
        glBindTexture(GL_TEXTURE_2D, 0);
        bind_surface_texture(plain, c.texture_mipmapped);
        EXPECT_EQ(bound(), c.expect_bound);
        EXPECT_EQ(param(mip, GL_TEXTURE_MIN_FILTER), c.expect_mip_min);
        EXPECT_EQ(param(plain, GL_TEXTURE_MIN_FILTER), GL_LINEAR);
        EXPECT_EQ(param(mip, GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    }
    mipmapping = 0;
    mipmap_filter_mode = 0;
}

TEST_F(TexturesGl, MenuPicturesGoUpAsRgbWhateverTheirDepth) {
    std::vector<uint8_t> rgb;
    ASSERT_TRUE(upload_menu_picture(file("menu.tga", tga_file(4, rgb)), TEX_ANFANG_MENU));
    const GLuint name = texture_names_plain[TEX_ANFANG_MENU];
    EXPECT_EQ(bound(), name);
    EXPECT_EQ(texels(name, GL_RGB, 32), rgb);
    EXPECT_EQ(param(name, GL_TEXTURE_WRAP_S), GL_CLAMP);
    EXPECT_EQ(param(name, GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(level_param(texture_names_mipmapped[TEX_ANFANG_MENU], 0, GL_TEXTURE_WIDTH), 0);
    EXPECT_FALSE(upload_menu_picture(dir_ + "missing_field.bmp", TEX_BACK_FIELD));
}

TEST_F(TexturesGl, GeneratedPicturesLoadFromTheWorkingDirectory) {
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(std::string(DH_BUILD_DIR) + "/run");
    testing::internal::CaptureStderr();
    load_texture_list();
    bool menus_ok = true;
    for (const TextureFile& t : MENU_PICTURE_TABLE)
        menus_ok = upload_menu_picture(t.file, t.id) && menus_ok;
    const std::string errors = testing::internal::GetCapturedStderr();
    std::filesystem::current_path(before);
    EXPECT_EQ(errors, "");
    EXPECT_TRUE(menus_ok);
    for (const TextureFile& t : TEXTURE_TABLE) {
        SCOPED_TRACE(t.file);
        EXPECT_GT(level_param(texture_names_plain[t.id], 0, GL_TEXTURE_WIDTH), 0);
        EXPECT_GT(level_param(texture_names_mipmapped[t.id], 0, GL_TEXTURE_WIDTH), 0);
        EXPECT_EQ(param(texture_names_plain[t.id], GL_TEXTURE_WRAP_S), t.wrap);
    }
    for (const TextureFile& t : MENU_PICTURE_TABLE)
        EXPECT_GT(level_param(texture_names_plain[t.id], 0, GL_TEXTURE_WIDTH), 0) << t.file;
    EXPECT_EQ(level_param(texture_names_plain[2], 0, GL_TEXTURE_WIDTH), 0); // id 2 is never loaded
}

} // namespace
