// "dreamles.it": a slow, glowing piece in D major for the end screen: a three-voice pad, a bell
// arpeggio with its echo in the other ear, a round bass and a breathy flute melody.
#include "game/sound/generate/songs.h"

#include "game/sound/generate/it_writer.h"
#include "game/sound/generate/notes.h"
#include "game/sound/generate/synth.h"

#include <algorithm>
#include <map>
#include <string>

namespace song_writer {

namespace {

using namespace synth;
constexpr int RATE = 44100;
enum { I_PAD = 1, I_BASS, I_BELL, I_FLUTE };
enum { CH_PAD = 0, CH_BASS = 3, CH_BELL = 4, CH_ECHO = 5, CH_FLUTE = 6 };

// Looped tones use whole-hertz partials over a one-second loop, so the loop point is seamless
// whatever the detuning. base is the fundamental in Hz; c5_speed maps it to its note.
ItSample looped_tone(const char* name, int base, double key, auto&& partials, int volume) {
    ItSample s;
    s.name = name;
    Buffer b(RATE);
    for (size_t i = 0; i < b.size(); ++i)
        b[i] = float(partials(double(i) / RATE, double(base)));
    normalise(b, 0.9, 0.0, RATE);
    for (float v : b)
        s.data.push_back(int16_t(std::lround(v * 32767.0f)));
    s.loop = true;
    s.loop_start = 0;
    s.loop_end = uint32_t(s.data.size());
    s.c5_speed = uint32_t(std::lround(RATE * midi_hz(60) / midi_hz(key) * (midi_hz(key) / base)));
    s.volume = volume;
    return s;
}

std::vector<ItSample> samples() {
    std::vector<ItSample> out;
    // Pad: three saws a hertz apart, dark (partials fall off quickly) for a slow chorus shimmer.
    out.push_back(looped_tone(
        "pad", 262, 60,
        [](double t, double f) {
            double v = 0;
            for (int d = -1; d <= 1; ++d)
                for (int k = 1; k <= 12; ++k)
                    v += std::sin(2 * PI * k * (f + d) * t + d * k) / k * std::pow(0.62, k - 1);
            return v;
        },
        48));
    // Bass: a round sine with a little second and third harmonic.
    out.push_back(looped_tone(
        "bass", 65, 36,
        [](double t, double f) {
            return std::sin(2 * PI * f * t) + 0.25 * std::sin(4 * PI * f * t) +
                   0.1 * std::sin(6 * PI * f * t);
        },
        60));
    // Flute: nearly a sine, with breath noise that repeats every loop (a second: inaudible).
    {
        Noise noise(11);
        Buffer breath(RATE);
        Svf filter;
        for (float& v : breath) {
            filter.step(noise.next(), 2600, 0.8, RATE);
            v = filter.band;
        }
        out.push_back(looped_tone(
            "flute", 523, 72,
            [&](double t, double f) {
                size_t i = size_t(t * RATE) % breath.size();
                return std::sin(2 * PI * f * t) + 0.18 * std::sin(4 * PI * f * t) +
                       0.06 * std::sin(6 * PI * f * t) + 0.08 * breath[i];
            },
            52));
    }
    // Bell: inharmonic partials with their own decays, played once.
    {
        ItSample s;
        s.name = "bell";
        const double f = midi_hz(72);
        const double ratio[5] = {1.0, 2.0, 2.76, 4.07, 5.43};
        const double amp[5] = {1.0, 0.45, 0.35, 0.18, 0.1};
        const double tau[5] = {1.4, 0.9, 0.5, 0.3, 0.2};
        Buffer b(size_t(RATE * 2.5));
        for (size_t i = 0; i < b.size(); ++i) {
            double t = double(i) / RATE, v = 0;
            for (int k = 0; k < 5; ++k)
                v += amp[k] * std::sin(2 * PI * f * ratio[k] * t) * ad_env(t, 0.002, tau[k]);
            b[i] = float(v);
        }
        normalise(b, 0.9, 0.01, RATE);
        for (float v : b)
            s.data.push_back(int16_t(std::lround(v * 32767.0f)));
        s.c5_speed = uint32_t(std::lround(RATE * midi_hz(60) / f));
        s.volume = 40;
        out.push_back(s);
    }
    // Samples in instrument order: pad, bass, bell, flute.
    std::swap(out[2], out[3]);
    return out;
}

std::vector<ItInstrument> instruments() {
    return {
        {"pad", 1, 200, 2, 110, {{0, 0}, {56, 40}, {48, 80}, {0, 140}}, 2},
        {"bass", 2, 300, 2, 120, {{0, 0}, {64, 2}, {52, 30}, {0, 48}}, 2},
        {"bell", 3, 64, 1, 100, {}, -1},
        {"flute", 4, 256, 2, 100, {{0, 0}, {60, 6}, {52, 20}, {0, 34}}, 2},
    };
}

const std::map<std::string, std::vector<int>> CHORDS = {
    {"D", {62, 66, 69}}, {"G", {62, 67, 71}},  {"Bm", {62, 66, 71}},
    {"A", {61, 64, 69}}, {"Em", {64, 67, 71}}, {"Gmaj7", {62, 66, 71}},
};
const std::map<std::string, int> ROOTS = {{"D", 38}, {"G", 43},  {"Bm", 47},
                                          {"A", 45}, {"Em", 40}, {"Gmaj7", 43}};

struct PatternPlan {
    const char* chords[4];
    const char* melody;
    bool bass;
    bool bells;
    int melody_volume;
};

ItPattern build(const PatternPlan& plan, int channels) {
    ItPattern p;
    p.cells.assign(64, std::vector<ItCell>(size_t(channels)));
    auto at = [&](int row, int ch) -> ItCell& { return p.cells[size_t(row)][size_t(ch)]; };
    for (int bar = 0; bar < 4; ++bar) {
        const int r0 = bar * 16;
        const std::string name = plan.chords[bar];
        const std::vector<int>& chord = CHORDS.at(name);
        for (int v = 0; v < 3; ++v)
            at(r0, CH_PAD + v) = {chord[size_t(v)] - 12, I_PAD, 40, 0, 0};
        if (plan.bass) {
            at(r0, CH_BASS) = {ROOTS.at(name), I_BASS, 60, 0, 0};
            at(r0 + 10, CH_BASS) = {ROOTS.at(name) + 7, I_BASS, 44, 0, 0};
            at(r0 + 14, CH_BASS) = {255, 0, -1, 0, 0};
        }
        if (plan.bells) {
            const int walk[8] = {0, 1, 2, 3, 5, 4, 2, 1};
            for (int i = 0; i < 8; ++i) {
                int step = walk[i];
                int key = chord[size_t(step % 3)] + 12 * (step / 3);
                at(r0 + 2 * i, CH_BELL) = {key, I_BELL, i % 4 == 0 ? 44 : 32, 0, 0};
                int echo = r0 + 2 * i + 3;
                if (echo < 64) at(echo, CH_ECHO) = {key, I_BELL, 14, 0, 0};
            }
        }
    }
    if (plan.melody) {
        int row = 0;
        for (const Note& n : parse_notes(plan.melody)) {
            if (n.key >= 0) {
                at(row, CH_FLUTE) = {n.key, I_FLUTE, plan.melody_volume, 0, 0};
                // Vibrato ('H') grows in on the held rows of long notes.
                for (int r = row + 3; r < row + n.length && r < 64; ++r)
                    at(r, CH_FLUTE).command = 8, at(r, CH_FLUTE).param = 0x42;
            } else if (row < 64) {
                at(row, CH_FLUTE) = {255, 0, -1, 0, 0};
            }
            row += n.length;
        }
    }
    return p;
}

} // namespace

std::vector<uint8_t> make_dreamless() {
    ItSong song;
    song.title = "dreamless";
    song.speed = 6;
    song.tempo = 90;
    song.mix_volume = 56;
    song.channels = 7;
    song.channel_pan = {20, 32, 44, 32, 18, 46, 36};
    song.samples = samples();
    song.instruments = instruments();
    const PatternPlan plans[8] = {
        {{"D", "G", "Bm", "A"}, nullptr, false, true, 0},
        {{"D", "G", "Em", "A"}, nullptr, true, true, 0},
        {{"D", "G", "Bm", "A"},
         "F#5:8 A5:4 E5:4  D5:8 B4:4 D5:4  C#5:4 D5:4 F#5:8  E5:16",
         true,
         true,
         50},
        {{"D", "G", "Em", "A"},
         "F#5:8 A5:4 B5:4  D6:8 B5:4 A5:4  G5:4 F#5:4 E5:4 B4:4  E5:12 C#5:4",
         true,
         true,
         50},
        {{"Bm", "G", "D", "A"},
         "D5:4 F#5:4 B5:8  A5:4 G5:4 D5:8  F#5:4 A5:4 D6:8  C#6:8 A5:8",
         true,
         true,
         54},
        {{"G", "A", "D", "D"},
         "B5:8 A5:4 G5:4  E5:4 F#5:4 G5:4 A5:4  F#5:16  D5:12 R:4",
         true,
         true,
         50},
        {{"D", "G", "Bm", "A"},
         "F#4:8 A4:4 E4:4  D4:8 B3:4 D4:4  C#4:4 D4:4 F#4:8  E4:12 R:4",
         true,
         true,
         40},
        {{"Gmaj7", "A", "Bm", "A"}, nullptr, true, true, 0},
    };
    for (const PatternPlan& plan : plans)
        song.patterns.push_back(build(plan, song.channels));
    for (int i = 0; i < 8; ++i)
        song.order.push_back(i);
    return write_it(song);
}

} // namespace song_writer
