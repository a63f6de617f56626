// Fuzz target: arbitrary bytes as a song file (module or MIDI), loaded and briefly rendered.
#include "soundlib/song.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::string path = [] {
        char name[] = "/tmp/zelvo_song_fuzz_XXXXXX";
        int fd = mkstemp(name);
        if (fd >= 0) close(fd);
        return std::string(name);
    }();
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    int error = 0;
    std::unique_ptr<zelvo::Song> song = zelvo::load_song(path.c_str(), 32000, error);
    if (!song) {
        if (error == 0) std::abort(); // a failure must say why
        return 0;
    }
    std::vector<float> out(2 * 2048, 0.0f);
    song->render_add(out.data(), 2048, 1.0f);
    song->restart();
    song->render_add(out.data(), 2048, 1.0f);
    for (float v : out)
        if (!std::isfinite(v)) std::abort();
    return 0;
}
