// The game's sound start-up, run for real in a child process (it may end the process) in a
// folder holding the generated data, with files taken away to provoke each failure.
#include "game/sound/sound.h"

#include <sndfile.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

TEST(SoundErrorText, CodesAndUnknowns) {
    const std::pair<int, const char*> cases[] = {
        {0, "No errors"},
        {1, "Cannot call this command after ZVOICE_Init.  Call ZVOICE_Close first."},
        {9, "File not found"},
        {10, "Unknown file format"},
        {11, "Error loading file"},
        {12, "Not enough memory "},
        {14, "An invalid parameter was passed to this function"},
        {18, "Required Mediaplayer codec is not installed"},
        {19, "Unknown error"},
        {-1, "Unknown error"},
    };
    for (const auto& [code, text] : cases)
        EXPECT_STREQ(sound_error_text(code), text) << code;
}

TEST(SoundVersion, AcceptsFromExactly371) {
    EXPECT_TRUE(sound_version_ok(3.71f));
    EXPECT_TRUE(sound_version_ok(3.72f));
    EXPECT_FALSE(sound_version_ok(3.70f));
    EXPECT_FALSE(sound_version_ok(3.7099f));
    EXPECT_TRUE(sound_version_ok(ZVOICE_GetVersion())); // our own library passes
    EXPECT_EQ(sound_version_message(),
              "Error : You are using the wrong DLL version!  You should be using Zelvo 3.71\n");
}

struct ChildResult {
    int exit_code;
    std::string out;
};

// Runs body in a forked child inside dir with standard output captured. The child ends with
// exit code 0 when body returns, unless body ends the process itself.
ChildResult run_child(const fs::path& dir, const std::string& output,
                      const std::function<void()>& body) {
    int pipe_fd[2];
    if (pipe(pipe_fd) != 0) return {-1, ""};
    pid_t pid = fork();
    if (pid == 0) {
        close(pipe_fd[0]);
        dup2(pipe_fd[1], STDOUT_FILENO);
        if (chdir(dir.c_str()) != 0) _exit(99);
        setenv("ZELVO_OUTPUT", output.c_str(), 1);
        body();
        std::exit(0);
    }
    close(pipe_fd[1]);
    std::string out;
    char buf[256];
    ssize_t n;
    while ((n = read(pipe_fd[0], buf, sizeof buf)) > 0)
        out.append(buf, size_t(n));
    close(pipe_fd[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

// A private copy of the generated data without the named file.
fs::path data_without(const std::string& missing) {
    static int counter = 0;
    fs::path dir = fs::temp_directory_path() /
                   ("dh_sound_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
    fs::create_directories(dir);
    const fs::path run = fs::path(DH_BUILD_DIR) / "run";
    std::vector<std::string> files(sample_files, sample_files + SND_SAMPLE_COUNT);
    files.insert(files.end(), {"barbaria.mod", "dreamles.it", "Bard_Dance.mid"});
    for (const std::string& f : files)
        if (f != missing) fs::copy_file(run / f, dir / f, fs::copy_options::overwrite_existing);
    return dir;
}

TEST(StartSound, MissingFilesThatMatterEndTheStartOthersDoNot) {
    const struct {
        const char* missing;
        int exit_code;
        const char* out;
    } cases[] = {
        {"", 0, ""},
        {"hit.wav", 1, "File not found\n"},
        {"barbaria.mod", 1, "File not found\n"},
        {"dreamles.it", 1, "File not found\n"},
        {"snd_ston.wav", 1, "File not found\n"},
        {"Message.wav", 1, "File not found\n"},
        {"snd_klirr.wav", 0, ""},
        {"snd_door_reverb.wav", 0, ""},
        {"Bard_Dance.mid", 0, ""},
    };
    for (const auto& c : cases) {
        fs::path dir = data_without(c.missing);
        // start_sound returns only when the start goes on; the child then ends with code 0.
        ChildResult r = run_child(dir, "null", [] { start_sound(); });
        EXPECT_EQ(r.exit_code, c.exit_code) << c.missing;
        EXPECT_EQ(r.out, c.out) << c.missing;
        fs::remove_all(dir);
    }
}

TEST(StartSound, CorruptSampleReportsLoadErrorAndBadOutputReportsDevice) {
    fs::path dir = data_without("");
    {
        std::FILE* f = std::fopen((dir / "whoosh.wav").c_str(), "r+b");
        ASSERT_TRUE(f);
        std::fseek(f, 12, SEEK_SET);
        std::fputs("garbage!", f); // break the "fmt " chunk
        std::fclose(f);
    }
    ChildResult r = run_child(dir, "null", [] { start_sound(); });
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "Error loading file\n");

    r = run_child(dir, "wav:/nonexistent/folder/out.wav", [] { start_sound(); });
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "Error initializing output device.\n");
    fs::remove_all(dir);
}

// Reads a WAV capture; empty when it is not a valid file.
std::vector<float> read_capture(const fs::path& path, int& rate) {
    SF_INFO info{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    if (!f) return {};
    std::vector<float> data(size_t(info.frames) * size_t(info.channels));
    sf_readf_float(f, data.data(), info.frames);
    sf_close(f);
    rate = info.samplerate;
    return data;
}

double rms(const std::vector<float>& v, size_t from, size_t to) {
    double sum = 0;
    for (size_t i = from; i < to; ++i)
        sum += double(v[i]) * v[i];
    return std::sqrt(sum / double(to - from));
}

TEST(StartSound, CaptureHoldsMenuSongAndOverlappingSamplesAfterExit) {
    fs::path dir = data_without("");
    fs::path capture = dir / "capture.wav";
    ChildResult r = run_child(dir, "wav:" + capture.string(), [] {
        start_sound();
        start_menu_song_once();
        start_menu_song_once(); // only once: a second reshape must not restart it
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        play_sample(SND_STEP_L);
        play_sample(SND_STEP_R);
        play_sample(SND_HIT);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        std::exit(0); // as the game's Escape does: no ZVOICE_Close
    });
    ASSERT_EQ(r.exit_code, 0) << r.out;
    int rate = 0;
    std::vector<float> pcm = read_capture(capture, rate);
    ASSERT_EQ(rate, SOUND_MIX_RATE);
    // Recording starts with the library, the song a little later (after the loading): find it.
    size_t onset = 0;
    while (onset < pcm.size() && std::fabs(pcm[onset]) < 0.01f)
        ++onset;
    ASSERT_GT(pcm.size(), onset + size_t(2 * rate * 1.8)) << "the capture ends too early";
    // The menu song plays from there on, loud enough everywhere.
    for (double at = 0.1; at < 1.6; at += 0.25)
        EXPECT_GT(rms(pcm, onset + size_t(2 * rate * at), onset + size_t(2 * rate * (at + 0.25))),
                  0.03)
            << at;
    float peak = 0;
    for (float v : pcm)
        peak = std::max(peak, std::fabs(v));
    EXPECT_LT(peak, 1.0f); // the limiter keeps everything inside full scale
    fs::remove_all(dir);
}

} // namespace
