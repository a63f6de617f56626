// The real game under a private Xvfb with the WAV output: its capture holds the menu song; a
// missing "hit.wav" ends the start with "File not found", a missing "snd_klirr.wav" does not.
#include "tests/support/process.h"

#include <sndfile.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

const std::string GAME = std::string(DH_BUILD_DIR) + "/bin/durnhold";
const std::string RUN_DIR = std::string(DH_BUILD_DIR) + "/run";

class GameSound : public testing::Test {
  protected:
    VirtualDisplay display{"1280x1024x24"};
    TempDir dir;

    void SetUp() override {
        ASSERT_TRUE(display.ok()) << "Xvfb did not start";
        copy_game_run_dir(dir.path());
    }
    std::vector<std::string> env(const std::string& output) const {
        return {"DISPLAY=" + display.name(), "ZELVO_OUTPUT=" + output};
    }
    // Waits until the game's window is up (the sound start-up is behind it).
    bool window_up(Process& game) {
        return wait_until(
            [&] {
                return !game.running() ||
                       display.run("xwininfo -root -children 2>/dev/null").find("durnhold") !=
                           std::string::npos ||
                       display.run("xdotool search --onlyvisible --name . 2>/dev/null").size() > 0;
            },
            30s);
    }
};

TEST_F(GameSound, CaptureOfAGameStartHoldsTheMenuSong) {
    const std::string capture = dir.path() + "/capture.wav";
    Process game({GAME}, dir.path(), env("wav:" + capture));
    ASSERT_TRUE(window_up(game)) << game.err_so_far();
    ASSERT_TRUE(game.running()) << game.err_so_far();
    // The menu song starts once the level is built and the menu shows: wait until the capture
    // holds more than two seconds of it (the output rewrites the WAV header as it goes).
    auto song_seconds = [&] {
        SF_INFO info{};
        SNDFILE* f = sf_open(capture.c_str(), SFM_READ, &info);
        if (!f) return 0.0;
        std::vector<float> pcm(size_t(info.frames) * 2);
        sf_readf_float(f, pcm.data(), info.frames);
        sf_close(f);
        size_t onset = 0;
        while (onset < pcm.size() && std::fabs(pcm[onset]) < 0.01f)
            ++onset;
        return double(pcm.size() - onset) / (2 * 32000);
    };
    EXPECT_TRUE(wait_until([&] { return !game.running() || song_seconds() > 2.5; }, 90s));
    display.run("xdotool mousemove 640 512 key Escape");
    ProcessResult r = game.wait(120s);
    ASSERT_TRUE(r.exited) << r.err;
    EXPECT_EQ(r.exit_code, 0);

    // Escape ends through exit(): the file must still be complete.
    SF_INFO info{};
    SNDFILE* f = sf_open(capture.c_str(), SFM_READ, &info);
    ASSERT_TRUE(f) << sf_strerror(nullptr);
    EXPECT_EQ(info.samplerate, 32000);
    EXPECT_EQ(info.channels, 2);
    std::vector<float> pcm(size_t(info.frames) * 2);
    sf_readf_float(f, pcm.data(), info.frames);
    sf_close(f);
    size_t onset = 0;
    while (onset < pcm.size() && std::fabs(pcm[onset]) < 0.01f)
        ++onset;
    ASSERT_GT(pcm.size(), onset + 2 * 32000 * 2) << "less than two seconds of song";
    // Every quarter second of the song's first two seconds carries sound.
    for (size_t at = onset; at + 16000 < onset + 2 * 32000 * 2; at += 16000) {
        double sum = 0;
        for (size_t i = at; i < at + 16000; ++i)
            sum += double(pcm[i]) * pcm[i];
        EXPECT_GT(std::sqrt(sum / 16000), 0.03) << "silence at " << (at - onset) / 64000.0 << " s";
    }
}

TEST_F(GameSound, MissingHitEndsTheStartMissingKlirrDoesNot) {
    fs::remove(dir.path() + "/hit.wav");
    Process broken({GAME}, dir.path(), env("null"));
    ProcessResult r = broken.wait(120s);
    ASSERT_TRUE(r.exited);
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "File not found\n");

    fs::copy_file(RUN_DIR + "/hit.wav", dir.path() + "/hit.wav");
    fs::remove(dir.path() + "/snd_klirr.wav");
    Process game({GAME}, dir.path(), env("null"));
    ASSERT_TRUE(window_up(game));
    std::this_thread::sleep_for(1s);
    ASSERT_TRUE(game.running()) << game.err_so_far();
    display.run("xdotool mousemove 640 512 key Escape");
    ProcessResult ok = game.wait(120s); // the level is built before the main loop reads the key
    ASSERT_TRUE(ok.exited);
    EXPECT_EQ(ok.exit_code, 0);
    EXPECT_EQ(ok.out, "");
}

} // namespace
