// The start menu of the real game under a private Xvfb, seen from outside: screenshots of the
// root window while xdotool moves the pointer over the buttons and clicks them.
#include "tests/support/process.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

const std::string kGame = std::string(DH_BUILD_DIR) + "/bin/durnhold";

struct Shot {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    // Mean absolute difference per channel against another shot, over a region given in
    // fractions of the screen.
    double difference(const Shot& o, double x0, double y0, double x1, double y1) const {
        long sum = 0, count = 0;
        for (int y = static_cast<int>(y0 * height); y < y1 * height; ++y)
            for (int x = static_cast<int>(x0 * width); x < x1 * width; ++x)
                for (int c = 0; c < 3; ++c, ++count) {
                    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3 + c;
                    sum += std::abs(rgb[i] - o.rgb[i]);
                }
        return count ? static_cast<double>(sum) / count : 0.0;
    }
    double brightness(double x0, double y0, double x1, double y1) const {
        Shot black{width, height, std::vector<uint8_t>(rgb.size(), 0)};
        return difference(black, x0, y0, x1, y1);
    }
};

class MenuFromOutside : public testing::TestWithParam<const char*> {
  protected:
    VirtualDisplay display{GetParam()};
    TempDir dir;

    // The root window as a binary PPM, read back.
    Shot shot(const std::string& keep_as) {
        const std::string ppm = dir.path() + "/shot.ppm";
        int rc = -1;
        display.run("/usr/bin/import -window root -depth 8 " + ppm, &rc);
        Shot s;
        if (rc != 0) return s;
        std::FILE* f = std::fopen(ppm.c_str(), "rb");
        if (!f) return s;
        int maxval = 0;
        if (std::fscanf(f, "P6 %d %d %d", &s.width, &s.height, &maxval) == 3 && maxval == 255 &&
            std::fgetc(f) != EOF) {
            s.rgb.resize(static_cast<std::size_t>(s.width) * s.height * 3);
            if (std::fread(s.rgb.data(), 1, s.rgb.size(), f) != s.rgb.size()) s.rgb.clear();
        }
        std::fclose(f);
        const fs::path keep = fs::path(DH_BUILD_DIR) / "tests" / "screens" / keep_as;
        fs::create_directories(keep.parent_path());
        display.run("/usr/bin/convert " + ppm + " " + keep.string());
        return s;
    }

    void pointer_to(double x, double y, const Shot& size) {
        display.run("xdotool mousemove " + std::to_string(static_cast<int>(x * size.width)) + " " +
                    std::to_string(static_cast<int>(y * size.height)));
    }
    // Long enough for a button to grow fully (twelve steps at 30 a second) or a screen to change.
    static void settle() { std::this_thread::sleep_for(900ms); }

    // Screenshots until `holds` is true of one, for at most 20 s (a loaded machine draws
    // slowly); returns the last one.
    template <typename Pred> Shot until(const std::string& keep_as, Pred holds) {
        Shot s;
        wait_until(
            [&] {
                s = shot(keep_as);
                return !s.rgb.empty() && holds(s);
            },
            20s);
        return s;
    }
};

TEST_P(MenuFromOutside, ButtonsGrowUnderThePointerAndLeadToTheirScreens) {
    ASSERT_TRUE(display.ok());
    copy_game_run_dir(dir.path() + "/run");
    Process game({kGame}, dir.path() + "/run", {"DISPLAY=" + display.name(), "ZELVO_OUTPUT=null"});
    const std::string size = std::string(GetParam()).substr(0, std::string(GetParam()).rfind('x'));

    // Wait for the menu: the picture lights up the screen.
    Shot rest;
    ASSERT_TRUE(wait_until(
        [&] {
            display.run("xdotool mousemove 5 5");
            rest = shot("e2e_menu_" + size + ".png");
            return !game.running() || (!rest.rgb.empty() && rest.brightness(0, 0, 1, 1) > 10);
        },
        40s))
        << game.err_so_far();
    ASSERT_TRUE(game.running()) << game.err_so_far();
    settle();
    rest = shot("e2e_menu_" + size + ".png");
    ASSERT_FALSE(rest.rgb.empty());
    // Two picture buttons add light on the right half, in their own places.
    EXPECT_GT(rest.brightness(0.68, 0.45, 0.92, 0.65), rest.brightness(0.05, 0.45, 0.3, 0.65));

    // Story: the field grows under the pointer; a click shows the story text on the left.
    pointer_to(0.8, 0.75, rest);
    const Shot story_hover = until("e2e_story_hover_" + size + ".png", [&](const Shot& s) {
        return s.difference(rest, 0.6, 0.55, 1.0, 0.95) > 2.0;
    });
    EXPECT_GT(story_hover.difference(rest, 0.6, 0.55, 1.0, 0.95), 2.0) << "Story field grew";
    EXPECT_LT(story_hover.difference(rest, 0.6, 0.35, 1.0, 0.5), 1.0) << "Start field did not";
    settle(); // fully grown: only then does a click count
    display.run("xdotool click 1");
    const Shot story = until("e2e_story_" + size + ".png", [&](const Shot& s) {
        return s.difference(rest, 0.1, 0.3, 0.6, 0.7) > 5.0;
    });
    EXPECT_GT(story.difference(rest, 0.1, 0.3, 0.6, 0.7), 5.0) << "story text appeared";

    // Back returns to the main menu without the text.
    pointer_to(0.815, 0.85, rest);
    settle();
    display.run("xdotool click 1");
    pointer_to(0.3, 0.9, rest);
    const Shot back = until("e2e_back_" + size + ".png", [&](const Shot& s) {
        return s.difference(rest, 0.05, 0.3, 0.6, 0.95) < 1.0;
    });
    EXPECT_LT(back.difference(rest, 0.05, 0.3, 0.6, 0.95), 1.0) << "main menu again";

    // Start: grows, and the click leaves the menu for the game.
    pointer_to(0.8, 0.55, rest);
    const Shot start_hover = until("e2e_start_hover_" + size + ".png", [&](const Shot& s) {
        return s.difference(rest, 0.6, 0.3, 1.0, 0.7) > 2.0;
    });
    EXPECT_GT(start_hover.difference(rest, 0.6, 0.3, 1.0, 0.7), 2.0) << "Start field grew";
    settle();
    display.run("xdotool click 1");
    const Shot playing = until("e2e_game_" + size + ".png", [&](const Shot& s) {
        return s.difference(rest, 0, 0, 1, 0.35) > 10.0;
    });
    EXPECT_GT(playing.difference(rest, 0, 0, 1, 0.35), 10.0) << "the menu picture is gone";

    display.run("xdotool key Escape");
    const ProcessResult r = game.wait(120s);
    ASSERT_TRUE(r.exited) << r.err;
    EXPECT_EQ(r.exit_code, 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, MenuFromOutside, testing::Values("1024x768x24", "1280x1024x24"),
                         [](const auto& info) {
                             return std::string(info.param).substr(0, 4) == "1024" ? "small"
                                                                                   : "large";
                         });

} // namespace
