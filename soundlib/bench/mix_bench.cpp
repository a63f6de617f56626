// Mixer benchmark: CPU time to mix 64 overlapping voices, alone and with each of the game's
// songs, for 60 s of audio at 32000 Hz, printed as a fraction of real time and as frames/s.
#include "game/sound/generate/songs.h"
#include "soundlib/mixer.h"
#include "soundlib/song.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>

using namespace zelvo;

namespace {

double cpu_seconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

std::string write_temp(const char* name, const std::vector<uint8_t>& bytes) {
    std::string path = std::string("/tmp/zelvo_bench_") + name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}

void run(const char* label, Song* song) {
    constexpr int RATE = 32000, SECONDS = 60, BLOCK = 320; // 10 ms blocks, as the outputs pull
    Mixer mixer(RATE, 64);
    // 64 voices of different lengths (0.3 .. 1.9 s), mono and stereo, restarted as they end.
    std::vector<std::shared_ptr<MixSource>> sources;
    for (int i = 0; i < 64; ++i) {
        auto s = std::make_shared<MixSource>();
        s->channels = 1 + i % 2;
        size_t frames = size_t(RATE * (0.3 + 0.025 * i));
        s->frames.resize(frames * size_t(s->channels));
        for (size_t j = 0; j < s->frames.size(); ++j)
            s->frames[j] = float(0.3 * std::sin(0.01 * double(j) * (i + 1)));
        sources.push_back(s);
        mixer.play(i, s, 0.5f, 0.5f);
    }
    if (song) {
        mixer.add_song(song);
        song->playing = true;
    }
    std::vector<int16_t> out(BLOCK * 2);
    const double start = cpu_seconds();
    for (int done = 0; done < RATE * SECONDS; done += BLOCK) {
        mixer.render_s16(out.data(), BLOCK);
        if (mixer.active_voices() < 64)
            for (int i = 0; i < 64; ++i)
                mixer.play(i, sources[size_t(i)], 0.5f, 0.5f);
    }
    const double used = cpu_seconds() - start;
    std::printf("%-28s %7.3f s CPU for %d s of audio = %.4f of real time, %.1f Mframes/s\n", label,
                used, SECONDS, used / SECONDS, RATE * SECONDS / used / 1e6);
}

} // namespace

int main() {
    std::printf("mixing 64 voices at 32000 Hz, 60 s of audio (one core)\n");
    run("64 voices", nullptr);
    const struct {
        const char* name;
        std::vector<uint8_t> (*make)();
    } songs[] = {{"barbaria.mod", song_writer::make_barbaria},
                 {"dreamles.it", song_writer::make_dreamless},
                 {"Bard_Dance.mid", song_writer::make_bard_dance}};
    for (const auto& s : songs) {
        int error = 0;
        std::unique_ptr<Song> song = load_song(write_temp(s.name, s.make()).c_str(), 32000, error);
        if (!song) {
            std::printf("%s: cannot load (error %d)\n", s.name, error);
            continue;
        }
        run((std::string("64 voices + ") + s.name).c_str(), song.get());
    }
    return 0;
}
