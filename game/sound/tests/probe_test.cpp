// The game's start-up against a library of the wrong version, and the real audio-device output
// (through SDL's file-writing "disk" driver, which needs no sound card).
#include <gtest/gtest.h>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct ProbeRun {
    int exit_code;
    std::string out;
};

// Runs the probe in the generated data folder with extra environment settings.
// With errors_only, the captured text is standard error instead of standard output.
ProbeRun run_probe(const std::string& environment, const std::string& args = "",
                   bool errors_only = false) {
    const std::string command = "cd " + (fs::path(DH_BUILD_DIR) / "run").string() + " && env " +
                                environment + " " + PROBE_PATH + " " + args +
                                (errors_only ? " 2>&1 >/dev/null" : " 2>/dev/null");
    FILE* p = popen(command.c_str(), "r");
    if (!p) return {-1, ""};
    std::string out;
    char buf[256];
    while (size_t n = fread(buf, 1, sizeof buf, p))
        out.append(buf, n);
    int status = pclose(p);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

TEST(StartProbe, RefusesALibraryOlderThan371WithTheVersionMessage) {
    // In a sanitizer build the preloaded library comes before the sanitizer's runtime; say so.
    ProbeRun r = run_probe(std::string("ASAN_OPTIONS=verify_asan_link_order=0 ZELVO_OUTPUT=null "
                                       "LD_PRELOAD=") +
                           OLD_VERSION_PATH);
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out,
              "Error : You are using the wrong DLL version!  You should be using Zelvo 3.71\n");
    r = run_probe("ZELVO_OUTPUT=null");
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, "started\n");
}

TEST(StartProbe, WithoutADeviceTheGameStartsSilentlyAfterOneLine) {
    // No driver that SDL knows: the same as a machine without sound hardware.
    ProbeRun r = run_probe("-u ZELVO_OUTPUT SDL_AUDIODRIVER=none_here", "0.2", true);
    EXPECT_EQ(r.exit_code, 0);
    ASSERT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
    EXPECT_EQ(r.out.rfind("zelvo: no audio device (", 0), 0u) << r.out;
}

TEST(StartProbe, DeviceOutputPlaysThroughSdl) {
    const fs::path raw = fs::temp_directory_path() / ("dh_sdl_disk_" + std::to_string(getpid()));
    ProbeRun r = run_probe(
        "ZELVO_OUTPUT=device SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=" + raw.string(), "1.0");
    ASSERT_EQ(r.exit_code, 0);
    // The disk driver writes what the device would play: float stereo at the mix rate.
    std::ifstream in(raw, std::ios::binary);
    std::vector<float> pcm;
    float v;
    while (in.read(reinterpret_cast<char*>(&v), sizeof v))
        pcm.push_back(v);
    fs::remove(raw);
    ASSERT_GT(pcm.size(), size_t(2 * 32000 * 0.5));
    double sum = 0;
    for (float x : pcm)
        sum += double(x) * x;
    EXPECT_GT(std::sqrt(sum / double(pcm.size())), 0.02);
}

} // namespace
