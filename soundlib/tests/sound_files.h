// Test fixtures: sound files written with libsndfile's own writer into a private temp folder.
#pragma once

#include <sndfile.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zelvo_test {

inline std::filesystem::path temp_dir() {
    static std::filesystem::path dir = [] {
        char pattern[] = "/tmp/zelvo_test_XXXXXX";
        return std::filesystem::path(mkdtemp(pattern));
    }();
    return dir;
}

// A recognisable ramp-and-sine signal: frame f, channel c.
inline int16_t test_value(int f, int c) {
    return int16_t(std::lrint(12000.0 * std::sin(0.05 * f + c) + 100 * c));
}

// Writes frames of test_value (16-bit data; 8-bit formats keep the top byte) in the given format.
// Returns the path. loop_start/loop_end >= 0 add an instrument loop.
inline std::string write_sound(const std::string& name, int format, int channels, int rate,
                               int frames, int loop_start = -1, int loop_end = -1) {
    std::string path = (temp_dir() / name).string();
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) return "";
    if (loop_start >= 0) {
        SF_INSTRUMENT inst{};
        inst.basenote = 60;
        inst.velocity_hi = inst.key_hi = 127;
        inst.loop_count = 1;
        inst.loops[0].mode = SF_LOOP_FORWARD;
        inst.loops[0].start = unsigned(loop_start);
        inst.loops[0].end = unsigned(loop_end);
        sf_command(f, SFC_SET_INSTRUMENT, &inst, sizeof inst);
    }
    std::vector<int16_t> data(size_t(frames) * channels);
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            data[size_t(i) * channels + c] = test_value(i, c);
    sf_writef_short(f, data.data(), frames);
    sf_close(f);
    return path;
}

inline std::vector<uint8_t> read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string write_bytes(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::string path = (temp_dir() / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}

} // namespace zelvo_test
