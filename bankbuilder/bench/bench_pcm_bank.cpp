// Building one PCM bank from about 210 MB of WAV files with the real wavecrate program, beside
// copying the same files with cp in the same run. Prints both rates and their ratio.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace fs = std::filesystem;

namespace {
constexpr int FILES = 20;
constexpr uint32_t RATE = 44100;
constexpr uint32_t FRAMES = RATE * 60; // one minute of 16-bit stereo: 10.6 MB a file

void put32(std::FILE* f, uint32_t v) {
    uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    std::fwrite(b, 1, 4, f);
}
void put16(std::FILE* f, uint16_t v) {
    uint8_t b[2] = {uint8_t(v), uint8_t(v >> 8)};
    std::fwrite(b, 1, 2, f);
}

// A 16-bit stereo WAV of noise.
uint64_t write_wav(const std::string& path, std::mt19937& rng) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::exit(1);
    uint32_t data = FRAMES * 4;
    std::fwrite("RIFF", 1, 4, f);
    put32(f, 36 + data);
    std::fwrite("WAVEfmt ", 1, 8, f);
    put32(f, 16);
    put16(f, 1);
    put16(f, 2);
    put32(f, RATE);
    put32(f, RATE * 4);
    put16(f, 4);
    put16(f, 16);
    std::fwrite("data", 1, 4, f);
    put32(f, data);
    std::vector<int16_t> samples(FRAMES * 2);
    for (auto& s : samples)
        s = int16_t(int32_t(rng() % 40000) - 20000);
    std::fwrite(samples.data(), 2, samples.size(), f);
    std::fclose(f);
    return 44 + uint64_t(data);
}

double child_cpu_seconds() {
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct Timing {
    double wall, cpu;
};

// Wall time and the processor time (user + system) of the command's processes: on a shared
// machine the second shows the work done even when the first shows the waiting.
Timing time_of(const std::string& command) {
    double cpu0 = child_cpu_seconds();
    auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "failed: %s\n", command.c_str());
        std::exit(1);
    }
    double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return {wall, child_cpu_seconds() - cpu0};
}
} // namespace

int main() {
    fs::path dir = fs::temp_directory_path() / "wavecrate-bench";
    fs::remove_all(dir);
    fs::create_directories(dir / "src");
    std::mt19937 rng(7);
    uint64_t total = 0;
    for (int i = 0; i < FILES; ++i)
        total += write_wav((dir / "src" / ("s" + std::to_string(i) + ".wav")).string(), rng);
    const double mb = double(total) / (1024.0 * 1024.0);
    const std::string d = dir.string();
    const std::string wavecrate = DH_BUILD_DIR "/bin/wavecrate";

    // One untimed pass of each warms the page cache for both.
    std::string copy = "rm -rf '" + d + "/copy' && cp -r '" + d + "/src' '" + d + "/copy'";
    std::string build = "env -u DISPLAY ZELVO_OUTPUT=null XDG_CONFIG_HOME='" + d + "/config' '" +
                        wavecrate + "' '" + d + "/src' -o '" + d + "/bank.wvc'";
    time_of(copy);
    time_of(build);
    std::vector<Timing> cp_times, build_times;
    for (int run = 0; run < 5; ++run) {
        cp_times.push_back(time_of(copy));
        build_times.push_back(time_of(build));
    }
    auto by_wall = [](const Timing& a, const Timing& b) { return a.wall < b.wall; };
    std::sort(cp_times.begin(), cp_times.end(), by_wall);
    std::sort(build_times.begin(), build_times.end(), by_wall);
    const Timing cp = cp_times[2], wc = build_times[2];
    std::printf("PCM bank from %d WAV files, %.1f MB (median of 5 runs by wall time)\n", FILES, mb);
    std::printf("  wavecrate -f pcm : %7.3f s wall %8.1f MB/s   %7.3f s cpu %8.1f MB/s\n", wc.wall,
                mb / wc.wall, wc.cpu, mb / wc.cpu);
    std::printf("  cp -r            : %7.3f s wall %8.1f MB/s   %7.3f s cpu %8.1f MB/s\n", cp.wall,
                mb / cp.wall, cp.cpu, mb / cp.cpu);
    std::printf("  ratio wavecrate / cp: %.2f by wall time, %.2f by cpu time\n", cp.wall / wc.wall,
                cp.cpu / wc.cpu);
    fs::remove_all(dir);
    return 0;
}
