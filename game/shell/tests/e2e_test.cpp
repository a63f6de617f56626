// The real durnhold binary under a private Xvfb: start-up with and without the configuration
// file, the full-screen window, and the Escape key.
#include "tests/support/process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

const std::string kGame = std::string(DH_BUILD_DIR) + "/bin/durnhold";

// Our own lines of standard error: freeglut's diagnostics ("freeglut (...): ...") left out.
std::vector<std::string> own_lines(const std::string& err) {
    std::vector<std::string> lines;
    std::istringstream in(err);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("freeglut (", 0) != 0) lines.push_back(line);
    return lines;
}

struct TopWindow {
    std::string id;
    int width = 0, height = 0;
};

// Mapped top-level windows, from xwininfo's listing of the root's children.
std::vector<TopWindow> top_windows(const VirtualDisplay& display) {
    std::vector<TopWindow> found;
    const std::string listing = display.run("xwininfo -root -children 2>/dev/null");
    static const std::regex row(R"((0x[0-9a-f]+) .*\)\s+(\d+)x(\d+)\+)");
    std::istringstream in(listing);
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (!std::regex_search(line, m, row)) continue;
        const std::string state = display.run("xwininfo -id " + m[1].str() + " 2>/dev/null");
        if (state.find("IsViewable") == std::string::npos) continue;
        found.push_back({m[1].str(), std::stoi(m[2].str()), std::stoi(m[3].str())});
    }
    return found;
}

class Durnhold : public testing::Test {
  protected:
    VirtualDisplay display{"1280x1024x24"};
    TempDir dir;

    void SetUp() override { ASSERT_TRUE(display.ok()) << "Xvfb did not start"; }

    std::vector<std::string> env() const {
        return {"DISPLAY=" + display.name(), "ZELVO_OUTPUT=null"};
    }
};

TEST_F(Durnhold, WithoutConfigurationFileSaysSoAndEndsBeforeAnyWindow) {
    // Watch the root for any window being created while the game runs.
    Process watch({"/usr/bin/xev", "-root", "-event", "substructure"}, dir.path(), env());
    ASSERT_TRUE(wait_until([&] { return watch.running(); }, 2s));
    std::this_thread::sleep_for(300ms);

    Process game({kGame}, dir.path(), env());
    ProcessResult r = game.wait(20s);
    ASSERT_TRUE(r.exited);
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(own_lines(r.err),
              std::vector<std::string>{"ERROR: cannot open configuration file \"dnh_config.cfg\""});
    std::this_thread::sleep_for(300ms);
    ProcessResult w = watch.wait(0ms);
    EXPECT_EQ(w.out.find("CreateNotify"), std::string::npos) << w.out;
}

TEST_F(Durnhold, OpensOneFullScreenWindowAndEscapeEndsWithCode0) {
    copy_game_run_dir(dir.path());
    ASSERT_TRUE(fs::exists(dir.path() + "/dnh_config.cfg"));

    Process game({kGame}, dir.path(), env());
    std::vector<TopWindow> windows;
    ASSERT_TRUE(wait_until(
        [&] {
            windows = top_windows(display);
            return !windows.empty() || !game.running();
        },
        30s))
        << game.err_so_far();
    ASSERT_EQ(windows.size(), 1u) << game.err_so_far();
    EXPECT_EQ(windows[0].width, 1280);
    EXPECT_EQ(windows[0].height, 1024);

    // Xvfb cannot switch modes: the game says so once and plays in a full-screen window.
    const std::vector<std::string> lines = own_lines(game.err_so_far());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "GameModeString: 1024x768:32");
    EXPECT_EQ(lines[1], "Game mode \"1024x768:32\" is not available; using a full-screen window "
                        "at the current screen size 1280x1024");

    // A screenshot of what the player sees, kept for looking at.
    const std::string shot = std::string(DH_BUILD_DIR) + "/screenshots/start.png";
    fs::create_directories(fs::path(shot).parent_path());
    std::this_thread::sleep_for(1s);
    int rc = -1;
    display.run("/usr/bin/import -window root " + shot, &rc);
    EXPECT_EQ(rc, 0);

    display.run("xdotool mousemove 640 512 key Escape");
    ProcessResult r = game.wait(120s);
    ASSERT_TRUE(r.exited) << r.err;
    EXPECT_EQ(r.exit_code, 0);
}

// How many pixels of two screenshots differ by more than a tenth of the range (ImageMagick).
long differing_pixels(const VirtualDisplay& display, const std::string& a, const std::string& b) {
    const std::string out =
        display.run("/usr/bin/compare -metric AE -fuzz 10% " + a + " " + b + " null: 2>&1");
    return std::atol(out.c_str());
}

TEST_F(Durnhold, EnterStartsTheGameWhereKeysWalkToggleAndShowTheControls) {
    copy_game_run_dir(dir.path());
    Process game({kGame}, dir.path(), env());
    const std::string shots = std::string(DH_BUILD_DIR) + "/screenshots/";
    fs::create_directories(shots);
    auto shot = [&](const std::string& name) {
        display.run("/usr/bin/import -window root " + shots + name);
        return shots + name;
    };
    // The menu shows once the level is built (the first start computes its lightmaps).
    ASSERT_TRUE(wait_until(
        [&] {
            return !game.running() || std::atof(display
                                                    .run("/usr/bin/convert " + shot("menu.png") +
                                                         " -format '%[fx:mean]' info:")
                                                    .c_str()) > 0.05;
        },
        120s))
        << game.err_so_far();
    // F1 in the menu shows the controls screen, and F1 again the main menu.
    display.run("xdotool mousemove 5 5 key F1");
    EXPECT_TRUE(wait_until(
        [&] { return differing_pixels(display, shots + "menu.png", shot("menu_f1.png")) > 20000; },
        10s))
        << "no controls screen";
    display.run("xdotool key F1");
    EXPECT_TRUE(wait_until(
        [&] { return differing_pixels(display, shots + "menu.png", shot("menu_f1.png")) < 2000; },
        10s))
        << "not back at the main menu";

    display.run("xdotool mousemove 640 512 key Return");
    std::string before;
    // In the game the menu picture gives way to the hall; wait until the view holds still.
    ASSERT_TRUE(wait_until(
        [&] {
            const std::string a = shot("game_start.png");
            std::this_thread::sleep_for(300ms);
            before = shot("game_start_again.png");
            return differing_pixels(display, a, before) < 1000 &&
                   differing_pixels(display, shot("menu_now.png"), shots + "menu.png") > 100000;
        },
        30s));

    // Walking forward for a second brings the far wall nearer: the picture changes a lot.
    display.run("xdotool keydown w sleep 1 keyup w");
    std::this_thread::sleep_for(500ms);
    const std::string walked = shot("game_walked.png");
    EXPECT_GT(differing_pixels(display, before, walked), 50000);

    // F2 shows the frame rate at the top left (and its notice for a second).
    display.run("xdotool key F2");
    std::this_thread::sleep_for(2500ms);
    const std::string fps = shot("game_fps.png");
    const std::string corner_before = shots + "corner_before.png";
    const std::string corner_after = shots + "corner_after.png";
    display.run("/usr/bin/convert " + walked + " -crop 300x80+0+0 +repage " + corner_before);
    display.run("/usr/bin/convert " + fps + " -crop 300x80+0+0 +repage " + corner_after);
    EXPECT_GT(differing_pixels(display, corner_before, corner_after), 1000);

    // F6 and F7 announce the render path and the display lists in the upper middle. A notice
    // shows for a second and then fades: the band is grabbed alone, often, to catch it.
    auto band = [&](const std::string& name) {
        display.run("/usr/bin/import -window root -crop 1280x120+0+150 +repage " + shots + name);
        return shots + name;
    };
    std::string quiet;
    ASSERT_TRUE(wait_until(
        [&] {
            const std::string a = band("band_a.png");
            std::this_thread::sleep_for(200ms);
            quiet = band("band_quiet.png");
            return differing_pixels(display, a, quiet) == 0;
        },
        20s));
    for (const char* key : {"F6", "F7"}) {
        display.run(std::string("xdotool key ") + key);
        EXPECT_TRUE(wait_until(
            [&] {
                return differing_pixels(display, quiet, band(std::string("band_") + key + ".png")) >
                       500;
            },
            5s))
            << key << " posted no notice";
        // Let the notice fade before the next key.
        wait_until([&] { return differing_pixels(display, quiet, band("band_fade.png")) == 0; },
                   10s);
    }

    // F1 shows the controls screen over the game, and F1 again returns to it.
    display.run("xdotool key F1");
    std::this_thread::sleep_for(1s);
    const std::string controls = shot("game_controls.png");
    EXPECT_GT(differing_pixels(display, fps, controls), 200000);
    display.run("xdotool key F1");
    std::this_thread::sleep_for(1s);
    EXPECT_LT(differing_pixels(display, fps, shot("game_back.png")), 100000);

    display.run("xdotool key Escape");
    ProcessResult r = game.wait(120s);
    ASSERT_TRUE(r.exited) << r.err;
    EXPECT_EQ(r.exit_code, 0);
}

} // namespace
