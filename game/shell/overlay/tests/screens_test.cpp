// The menu screens and the HUD drawn from the game's own pictures in the working directory,
// as the menu and game displays draw them; each frame is also saved as a PNG for review
// (build/tests/screens). The window is the X screen's size, so running under
// XVFB_SCREEN=1024x768x24 and 1280x1024x24 shows both layouts.
#include "game/image/textures.h"
#include "game/shell/overlay/font.h"
#include "game/shell/overlay/hud.h"
#include "game/shell/overlay/menu.h"
#include "game/shell/overlay/message_queue.h"
#include "game/shell/overlay/overlay_start_up.h"
#include "game/shell/overlay/screens.h"
#include "game/shell/overlay/tests/gl_window.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

class Screens : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        open_test_window();
        width_ = glutGet(GLUT_SCREEN_WIDTH) < 1280 ? 1024 : 1280;
        height_ = glutGet(GLUT_SCREEN_HEIGHT) < 1024 ? 768 : 1024;
        const fs::path run = fs::path(DH_BUILD_DIR) / "run";
        if (!fs::exists(run / "font_klar.tga")) return;
        out_ = fs::path(DH_BUILD_DIR) / "tests" / "screens";
        fs::create_directories(out_);
        const fs::path old = fs::current_path();
        fs::current_path(run);
        create_texture_names();
        testing::internal::CaptureStderr();
        overlay_start_up();
        start_up_errors_ = testing::internal::GetCapturedStderr();
        fs::current_path(old);
        ready_ = true;
    }

    void SetUp() override {
        if (!ready_) GTEST_SKIP() << "the game's pictures are not in build/run";
    }

    // menu_display's drawing: background, additive buttons, then the front messages.
    static Pixels menu_frame(int w, int h, bool with_text = true) {
        start_frame(w, h);
        glPushAttrib(GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_POLYGON_BIT);
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_CULL_FACE);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        start_menu.draw_background(w, h);
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ONE);
        start_menu.draw_buttons(w, h);
        if (with_text) {
            message_queue.draw(hud_font, w, h);
            alert_queue.draw(hud_font, w, h);
        }
        glPopAttrib();
        return read_frame(w, h);
    }

    static std::string name(const char* what, int w, int h) {
        return (out_ /
                (std::string(what) + "_" + std::to_string(w) + "x" + std::to_string(h) + ".png"))
            .string();
    }

    // Pixels that the text changed: its bounding box.
    static Box text_box(const Pixels& with, const Pixels& without) {
        Pixels diff = with;
        for (std::size_t i = 0; i < diff.rgb.size(); ++i)
            diff.rgb[i] = static_cast<uint8_t>(std::abs(with.rgb[i] - without.rgb[i]));
        return lit_box(diff, 90);
    }

    static inline int width_ = 0, height_ = 0;
    static inline bool ready_ = false;
    static inline fs::path out_;
    static inline std::string start_up_errors_;
};

TEST_F(Screens, StartUpReadsEveryPicture) {
    EXPECT_EQ(start_up_errors_, "");
    EXPECT_GT(hud_font.texture_width, 0.0f);
    EXPECT_EQ(start_menu.button_count, 5);
    EXPECT_FLOAT_EQ(start_menu.max_scale, 1.16f);
    EXPECT_EQ(start_menu.background, texture_names_plain[TEX_ANFANG_MENU]);
    EXPECT_EQ(start_menu.buttons[0].texture, texture_names_plain[TEX_START_FIELD]);
    EXPECT_EQ(start_menu.buttons[1].texture, texture_names_plain[TEX_STORY_FIELD]);
    for (int i = 2; i < 5; ++i)
        EXPECT_EQ(start_menu.buttons[i].texture, texture_names_plain[TEX_BACK_FIELD]);
}

TEST_F(Screens, MainMenuPictureFillsTheWindowAndButtonsAddOntoIt) {
    const int w = width_, h = height_;
    show_screen(SCREEN_MAIN);
    const Pixels menu = menu_frame(w, h);
    ASSERT_TRUE(save_png(menu, name("menu_main", w, h)));
    // The background alone, to see what the buttons add.
    Menu without_buttons = start_menu;
    without_buttons.button_count = 0;
    std::swap(start_menu, without_buttons);
    const Pixels background = menu_frame(w, h);
    std::swap(start_menu, without_buttons);

    // The picture reaches every corner.
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
        EXPECT_GT(background.red(x, y) + background.green(x, y) + background.blue(x, y), 0)
            << x << "," << y;
    // Inside each button the frame is at least as bright as the picture, and brighter overall.
    for (int i = 0; i < 2; ++i) {
        const MenuButton& b = start_menu.buttons[i];
        long added = 0;
        int darker = 0;
        for (int y = static_cast<int>((b.y - 0.1f) * h); y < (b.y + 0.1f) * h; ++y)
            for (int x = static_cast<int>((b.x - 0.1f) * w); x < (b.x + 0.1f) * w; ++x)
                for (int c = 0; c < 3; ++c) {
                    const int d = menu.at(x, y)[c] - background.at(x, y)[c];
                    added += d;
                    darker += d < 0;
                }
        EXPECT_GT(added, 0) << "button " << i;
        EXPECT_EQ(darker, 0) << "button " << i;
    }
    // Outside the buttons, the frame is the picture.
    EXPECT_EQ(menu.red(w / 10, h / 10), background.red(w / 10, h / 10));
}

TEST_F(Screens, GrownStartFieldIsLargerAboutTheSameCentre) {
    const int w = width_, h = height_;
    show_screen(SCREEN_MAIN);
    start_menu.hover(static_cast<int>(0.8f * w), static_cast<int>(0.55f * h), w, h);
    for (int i = 0; i < 12; ++i)
        start_menu.animate();
    ASSERT_EQ(start_menu.buttons[0].hover_state, HOVER_GROWN);
    const Pixels grown = menu_frame(w, h);
    ASSERT_TRUE(save_png(grown, name("menu_start_hovered", w, h)));
    start_menu.hover(0, 0, w, h);
    for (int i = 0; i < 12; ++i)
        start_menu.animate();
    EXPECT_EQ(start_menu.buttons[0].hover_state, HOVER_IDLE);
}

// Story and controls: the text starts at x 0.1 with its first baseline at the screen's y,
// in glyphs that scale with the window.
TEST_F(Screens, TextScreensPlaceTheirTextAndScaleWithTheWindow) {
    struct Case {
        int16_t screen;
        const char* file;
        float y;
    };
    for (Case c :
         {Case{SCREEN_STORY, "menu_story", 0.37f}, Case{SCREEN_CONTROLS, "menu_controls", 0.33f}}) {
        SCOPED_TRACE(c.file);
        show_screen(c.screen);
        Box boxes[2];
        const std::pair<int, int> sizes[2] = {{1024, 768}, {width_, height_}};
        for (int k = 0; k < 2; ++k) {
            const auto [w, h] = sizes[k];
            const Pixels with = menu_frame(w, h);
            const Pixels without = menu_frame(w, h, false);
            ASSERT_TRUE(save_png(with, name(c.file, w, h)));
            boxes[k] = text_box(with, without);
            ASSERT_FALSE(boxes[k].empty());
            const float sx = w / 1024.0f, sy = h / 768.0f;
            EXPECT_NEAR(boxes[k].left, 0.1 * w, 6 * sx);
            // Cells are 47 points high and rest on the baseline; the first line's letters
            // reach into the upper half of the cell.
            EXPECT_LT(boxes[k].top, c.y * h - 25 * sy);
            EXPECT_GT(boxes[k].top, c.y * h - 47 * sy - 1);
        }
        // Every distance from the text origin scales by W / 1024 and H / 768.
        const double sx = width_ / 1024.0, sy = height_ / 768.0;
        EXPECT_NEAR(boxes[1].right - 0.1 * width_, (boxes[0].right - 0.1 * 1024) * sx, 2 * sx);
        EXPECT_NEAR(boxes[1].bottom - c.y * height_, (boxes[0].bottom - c.y * 768) * sy, 2 * sy);
    }
}

TEST_F(Screens, EndScreenShowsItsPictureAndText) {
    const int w = width_, h = height_;
    start_menu.background = texture_names_plain[TEX_ENDE_MENU];
    show_screen(SCREEN_END);
    const Pixels with = menu_frame(w, h);
    ASSERT_TRUE(save_png(with, name("menu_end", w, h)));
    EXPECT_FALSE(text_box(with, menu_frame(w, h, false)).empty());
    start_menu.background = texture_names_plain[TEX_ANFANG_MENU];
    show_screen(SCREEN_MAIN);
}

TEST_F(Screens, HudOverAScene) {
    const int w = width_, h = height_;
    message_queue.clear();
    alert_queue.clear();
    message_queue.post({.alpha = 1.0f,
                        .fade_step = 0.1f,
                        .text = "Wireframe Mode ON",
                        .x = 0.25f,
                        .y = 0.2f,
                        .hold_time = 1.0f,
                        .delay = 0.0f});
    alert_queue.post({.alpha = 1.0f,
                      .fade_step = 0.1f,
                      .text = "You are dead!",
                      .x = 0.05f,
                      .y = 0.8f,
                      .hold_time = 4.0f,
                      .delay = 0.0f});
    start_frame(w, h, 0.2f);
    draw_hud_with(hud_font, true, 100, -1, w, h);
    const Pixels p = read_frame(w, h);
    ASSERT_TRUE(save_png(p, name("hud", w, h)));
    // Four texts, each in its own place: the corners at the top, the notice, the alert.
    EXPECT_FALSE(lit_box(p, 300, 0, 0, w / 4, h / 6).empty());
    EXPECT_FALSE(lit_box(p, 300, w * 3 / 4, 0, w, h / 6).empty());
    EXPECT_FALSE(lit_box(p, 300, w / 4, h / 8, w * 3 / 4, h / 4).empty());
    EXPECT_FALSE(lit_box(p, 300, 0, h * 2 / 3, w / 2, h * 5 / 6).empty());
    message_queue.clear();
    alert_queue.clear();
}

} // namespace
