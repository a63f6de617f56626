// Drawing of the font, the menu and the HUD in a real GL context (Mesa under Xvfb).
#include "game/image/tga.h"
#include "game/shell/overlay/font.h"
#include "game/shell/overlay/glyph_table.h"
#include "game/shell/overlay/hud.h"
#include "game/shell/overlay/menu.h"
#include "game/shell/overlay/message_queue.h"
#include "game/shell/overlay/pictures.h"
#include "game/shell/overlay/tests/gl_window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

constexpr int FONT_SIDE = 512;

// A font picture in which every glyph cell is lit: its upper half red, its lower half green.
// Rows run from the picture's bottom (t = 0), as the font reader hands them over.
std::vector<uint8_t> font_picture(int channels) {
    std::vector<uint8_t> px(FONT_SIDE * FONT_SIDE * channels, 0);
    Font table;
    table.load_glyph_table(GLYPH_TABLE, GLYPH_TABLE_SIZE);
    for (const Glyph& g : table.glyphs) {
        if (!g.present) continue;
        for (int from_top = g.tex_y - 47; from_top < g.tex_y; ++from_top) {
            const int row = FONT_SIDE - 1 - from_top;
            const bool upper = from_top < g.tex_y - 47 / 2;
            for (int x = g.tex_x; x < g.tex_x + g.width; ++x) {
                uint8_t* p = &px[(static_cast<std::size_t>(row) * FONT_SIDE + x) * channels];
                p[0] = upper ? 255 : 0;
                p[1] = upper ? 0 : 255;
                if (channels == 4) p[3] = 255;
            }
        }
    }
    return px;
}

class Draw : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { open_test_window(); }
    void SetUp() override { forget_missing_pictures(); }

    static Font fixture_font() {
        static GLuint texture = make_texture(FONT_SIDE, FONT_SIDE, font_picture(4));
        Font f;
        f.load_glyph_table(GLYPH_TABLE, GLYPH_TABLE_SIZE);
        f.texture = texture;
        f.texture_width = f.texture_height = FONT_SIDE;
        return f;
    }
};

TEST_F(Draw, GlyphsScaleWithTheWindowFromTheVirtualScreen) {
    const Font font = fixture_font();
    struct Size {
        int w, h;
    };
    for (Size s : {Size{1024, 768}, Size{1280, 1024}, Size{640, 480}}) {
        SCOPED_TRACE(std::to_string(s.w) + "x" + std::to_string(s.h));
        start_frame(s.w, s.h);
        font.draw_text("A", 0.5f, 0.5f, 1.0f, s.w, s.h);
        const Pixels p = read_frame(s.w, s.h);
        const Box box = lit_box(p);
        ASSERT_FALSE(box.empty());
        const float sx = s.w / 1024.0f, sy = s.h / 768.0f;
        // "A" is 40 points wide, 47 high, standing on the baseline at (512, 384).
        EXPECT_NEAR(box.left, 512 * sx, 1.0);
        EXPECT_NEAR(box.right + 1, (512 + 40) * sx, 1.0);
        EXPECT_NEAR(box.top, (384 - 47) * sy, 1.0);
        EXPECT_NEAR(box.bottom + 1, 384 * sy, 1.0);
        // The cell's upper half is red in the picture and must be on top on screen.
        const int cx = (box.left + box.right) / 2;
        EXPECT_GT(p.red(cx, box.top + 2), 200);
        EXPECT_LT(p.green(cx, box.top + 2), 50);
        EXPECT_GT(p.green(cx, box.bottom - 2), 200);
        EXPECT_LT(p.red(cx, box.bottom - 2), 50);
    }
}

TEST_F(Draw, TextAddsOntoThePictureWeightedByAlpha) {
    const Font font = fixture_font();
    start_frame(1024, 768, 0.25f);
    font.draw_text("A", 0.5f, 0.5f, 0.5f, 1024, 768);
    const Pixels p = read_frame(1024, 768);
    // Upper half: 0.25 grey + 0.5 x red; lower half: 0.25 grey + 0.5 x green.
    EXPECT_NEAR(p.red(530, 345), 191, 3);
    EXPECT_NEAR(p.green(530, 345), 64, 3);
    EXPECT_NEAR(p.blue(530, 345), 64, 3);
    EXPECT_NEAR(p.green(530, 380), 191, 3);
    EXPECT_NEAR(p.red(10, 10), 64, 3) << "outside the glyph the picture is unchanged";
    // The blend is only enabled inside the call; the projection stays the window's ortho.
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GLdouble proj[16];
    glGetDoublev(GL_PROJECTION_MATRIX, proj);
    EXPECT_NEAR(proj[0], 2.0 / 1024, 1e-9);
    EXPECT_NEAR(proj[5], -2.0 / 768, 1e-9);
}

TEST_F(Draw, LinesAndTabsOfAScreenText) {
    const Font font = fixture_font();
    start_frame(1024, 768);
    // Two lines, the second indented by a tab: pen 102.4 moves to 140.
    font.draw_text("A\n\tA", 0.1f, 0.3f, 1.0f, 1024, 768);
    const Pixels p = read_frame(1024, 768);
    const Box first = lit_box(p, 60, 0, 0, 1024, static_cast<int>(0.3f * 768) + 1);
    const Box second = lit_box(p, 60, 0, static_cast<int>(0.3f * 768) + 1);
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    EXPECT_NEAR(first.left, 102.4, 1.0);
    EXPECT_NEAR(second.left, 140, 1.0);
    EXPECT_NEAR(second.bottom - first.bottom, 54, 1.0);
}

TEST_F(Draw, HudShowsFrameRateOnlyWhenAskedAndSignedHitPoints) {
    const Font font = fixture_font();
    message_queue.clear();
    alert_queue.clear();
    for (bool fps : {false, true}) {
        start_frame(1280, 1024);
        draw_hud_with(font, fps, 100, -1, 1280, 1024);
        const Pixels p = read_frame(1280, 1024);
        const Box left = lit_box(p, 60, 0, 0, 640, 1024);
        const Box right = lit_box(p, 60, 640, 0, 1280, 1024);
        EXPECT_EQ(left.empty(), !fps);
        if (fps) {
            EXPECT_NEAR(left.left, 0.01 * 1280, 1.0);
        }
        ASSERT_FALSE(right.empty());
        EXPECT_NEAR(right.left, 0.82 * 1280, 1.0);
        EXPECT_NEAR(right.bottom + 1, 0.1 * 1024, 1.0);
        // "HP: -1": H 37, P 41, : 8, space 15, - 16, 1 12 points.
        EXPECT_NEAR(right.right + 1, (0.82 * 1024 + 37 + 41 + 8 + 15 + 16 + 12) * 1.25, 1.5);
    }
}

TEST_F(Draw, QueueDrawsOnlyItsFrontMessageAfterItsDelay) {
    const Font font = fixture_font();
    MessageQueue q;
    q.post({.text = "A", .x = 0.1f, .y = 0.5f, .hold_time = 1.0f, .delay = 0.05f});
    q.post({.text = "A", .x = 0.6f, .y = 0.5f, .hold_time = 1.0f, .delay = 0.0f});
    start_frame(1024, 768);
    q.draw(font, 1024, 768);
    EXPECT_TRUE(lit_box(read_frame(1024, 768)).empty());
    q.update(0.1f);
    start_frame(1024, 768);
    q.draw(font, 1024, 768);
    const Box box = lit_box(read_frame(1024, 768));
    ASSERT_FALSE(box.empty());
    EXPECT_NEAR(box.left, 102.4, 1.0);
    EXPECT_LT(box.right, 512);
}

TEST_F(Draw, BackgroundFillsTheWindowFirstRowAtTheBottom) {
    // Picture rows from t = 0: red, green / blue, white.
    const GLuint picture =
        make_texture(2, 2, {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255});
    Menu menu;
    menu.background = picture;
    start_frame(1024, 768);
    menu.draw_background(1024, 768);
    const Pixels p = read_frame(1024, 768);
    EXPECT_EQ(p.red(0, 767), 255); // bottom left: first row, first pixel
    EXPECT_EQ(p.green(1023, 767), 255);
    EXPECT_EQ(p.red(1023, 767), 0); // bottom right: green
    EXPECT_EQ(p.blue(0, 0), 255);   // top left: blue
    EXPECT_EQ(p.red(0, 0), 0);
    EXPECT_EQ(p.red(1023, 0) + p.green(1023, 0) + p.blue(1023, 0), 765);

    // A picture that could not be read is left out.
    mark_picture_missing(picture);
    start_frame(1024, 768);
    menu.draw_background(1024, 768);
    EXPECT_TRUE(lit_box(read_frame(1024, 768), 0).empty());
}

Menu menu_with_solid_buttons() {
    Menu m;
    m.max_scale = menu_full_scale();
    const GLuint orange = make_texture(1, 1, {128, 64, 0, 255});
    m.add_button(0.8f, 0.55f, 0.3f, 0.35f, 0.05f, 0.105f, orange);
    m.add_button(0.8f, 0.75f, 0.3f, 0.35f, 0.01f, 0.105f, orange);
    for (int i = 0; i < 3; ++i)
        m.add_button(0.815f, 0.85f, 0.3f, 0.35f, 0.05f, 0.105f, orange);
    return m;
}

TEST_F(Draw, ButtonsAddOntoTheBackgroundAndGrowAboutTheirCentre) {
    Menu m = menu_with_solid_buttons();
    m.buttons[1].texture = make_texture(1, 1, {0, 0, 0, 255}); // only the Start field shows
    const int W = 1024, H = 768;
    for (float scale : {1.0f, 1.16f, 1.19f}) {
        SCOPED_TRACE(scale);
        m.buttons[0].scale = scale;
        start_frame(W, H, 0.25f);
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ONE);
        m.draw_buttons(W, H);
        glDisable(GL_BLEND);
        const Pixels p = read_frame(W, H);
        // Grey 64 plus the picture's (128, 64, 0).
        const Box box = lit_box(p, 380);
        ASSERT_FALSE(box.empty());
        EXPECT_NEAR(p.red(box.left + 5, box.top + 5), 192, 2);
        EXPECT_NEAR(p.green(box.left + 5, box.top + 5), 128, 2);
        EXPECT_NEAR(p.blue(box.left + 5, box.top + 5), 64, 2);
        // Centred on x; top edge at (y - scale * width / 2) * H; size scale times its own.
        EXPECT_NEAR((box.left + box.right + 1) / 2.0, 0.8 * W, 2.0 * scale);
        EXPECT_NEAR(box.top, (0.55 - scale * 0.15) * H, 2.0 * scale);
        EXPECT_NEAR(box.right + 1 - box.left, scale * 0.3 * W, 2.0 * scale);
        EXPECT_NEAR(box.bottom + 1 - box.top, scale * 0.35 * H, 2.0 * scale);
    }
}

TEST_F(Draw, OnlyTheShownScreensButtonsAreDrawn) {
    Menu m = menu_with_solid_buttons();
    m.screen = SCREEN_STORY;
    start_frame(1024, 768);
    m.draw_buttons(1024, 768);
    const Box box = lit_box(read_frame(1024, 768), 100);
    ASSERT_FALSE(box.empty());
    // The Back field only: x 0.665..0.965 of the width.
    EXPECT_NEAR(box.left, static_cast<int>((0.815 - 0.15) * 1024), 1.0);
    EXPECT_NEAR(box.top, static_cast<int>((0.85 - 0.15) * 768), 1.0);
    m.screen = SCREEN_END;
    mark_picture_missing(m.buttons[4].texture);
    start_frame(1024, 768);
    m.draw_buttons(1024, 768);
    EXPECT_TRUE(lit_box(read_frame(1024, 768), 100).empty());
}

// Font start-up from the picture file in the working directory.
class FontFile : public Draw {
  protected:
    void SetUp() override {
        Draw::SetUp();
        old_ = std::filesystem::current_path();
        dir_ =
            std::filesystem::temp_directory_path() / ("overlay_font_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        std::filesystem::current_path(dir_);
    }
    void TearDown() override {
        std::filesystem::current_path(old_);
        std::filesystem::remove_all(dir_);
    }
    std::filesystem::path old_, dir_;
};

TEST_F(FontFile, TwentyFourBitPictureIsWidenedToRgba) {
    std::vector<uint8_t> rgb = font_picture(3);
    ASSERT_TRUE(write_tga("font_klar.tga", {FONT_SIDE, FONT_SIDE, rgb.data()}));
    GLuint name = 0;
    glGenTextures(1, &name);
    const Font font(name);
    EXPECT_EQ(font.texture, name);
    EXPECT_EQ(font.texture_width, FONT_SIDE);
    EXPECT_EQ(font.texture_height, FONT_SIDE);
    ASSERT_NE(font.glyph('X'), nullptr);
    EXPECT_EQ(font.glyph('X')->x_offset, -2);
    GLint components = 0;
    glBindTexture(GL_TEXTURE_2D, name);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_ALPHA_SIZE, &components);
    EXPECT_GT(components, 0) << "the font keeps an alpha channel";
    start_frame(1024, 768);
    font.draw_text("A", 0.5f, 0.5f, 1.0f, 1024, 768);
    const Pixels p = read_frame(1024, 768);
    EXPECT_GT(p.red(530, 345), 200);
    EXPECT_GT(p.green(530, 380), 200);
}

TEST_F(FontFile, MissingPictureIsReportedAndTextIsLeftOut) {
    GLuint name = 0;
    glGenTextures(1, &name);
    testing::internal::CaptureStderr();
    const Font font(name);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("\"font_klar.tga\""), std::string::npos) << err;
    EXPECT_EQ(font.texture_width, 0.0f);
    start_frame(1024, 768);
    font.draw_text("HP: 45", 0.5f, 0.5f, 1.0f, 1024, 768);
    EXPECT_TRUE(lit_box(read_frame(1024, 768), 0).empty());
}

} // namespace
