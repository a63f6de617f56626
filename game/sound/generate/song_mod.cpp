// "barbaria.mod": a driving A-minor march for four channels (drums, bass, lead, harp) with
// instruments synthesised here. Eight patterns of four bars, ending on E so the loop falls home.
#include "game/sound/generate/songs.h"

#include "game/sound/generate/mod_writer.h"
#include "game/sound/generate/notes.h"
#include "game/sound/generate/synth.h"

#include <algorithm>
#include <map>
#include <string>

namespace song_writer {

namespace {

using namespace synth;

// Samples are made at the rate a note C-3 plays them, so drums play at their natural speed there.
constexpr int RATE = 16574;
enum { S_KICK = 1, S_SNARE, S_HAT, S_BASS, S_LEAD, S_HARP };
constexpr int C3 = 24; // note index of C-3

std::vector<int8_t> to_8bit(const Buffer& b) {
    std::vector<int8_t> out(b.size() + 2, 0); // two leading zeros: the format's idle loop
    for (size_t i = 0; i < b.size(); ++i)
        out[i + 2] = int8_t(std::clamp(std::lround(b[i] * 127.0), -127L, 127L));
    return out;
}

ModSample drum(const char* name, double seconds, auto&& voice) {
    Buffer b(size_t(seconds * RATE));
    for (size_t i = 0; i < b.size(); ++i)
        b[i] = float(voice(double(i) / RATE));
    normalise(b, 0.95, 0.001, RATE);
    return {name, to_8bit(b), 64, 0, 0, 0};
}

// A looped tone: cycles of length period samples; the loop is the whole sample.
ModSample looped(const char* name, int period, int cycles, auto&& wave, int volume) {
    Buffer b(size_t(period * cycles));
    for (size_t i = 0; i < b.size(); ++i)
        b[i] = float(wave(double(i), double(period)));
    float m = 0;
    for (float v : b)
        m = std::max(m, std::fabs(v));
    for (float& v : b)
        v = v / m * 0.95f;
    ModSample s{name, {}, volume, 0, 0, 0};
    for (float v : b)
        s.data.push_back(int8_t(std::lround(v * 127.0f)));
    s.loop_start = 0;
    s.loop_length = uint32_t(s.data.size());
    return s;
}

std::vector<ModSample> instruments() {
    std::vector<ModSample> s;
    Noise noise(7);
    s.push_back(drum("kick", 0.35, [](double t) {
        double f = 45 + 90 * std::exp(-t / 0.03);
        static double phase = 0;
        phase += 2 * PI * f / RATE;
        return std::sin(phase) * ad_env(t, 0.001, 0.11);
    }));
    Svf snare_filter;
    s.push_back(drum("snare", 0.25, [&](double t) {
        snare_filter.step(noise.next(), 2400, 0.9, RATE);
        return 0.8 * snare_filter.band * ad_env(t, 0.001, 0.07) +
               0.5 * std::sin(2 * PI * 190 * t) * ad_env(t, 0.001, 0.04);
    }));
    Svf hat_filter;
    s.push_back(drum("hat", 0.09, [&](double t) {
        hat_filter.step(noise.next(), 6000, 0.7, RATE);
        return hat_filter.high * ad_env(t, 0.0005, 0.022);
    }));
    // Bass: 64 samples per cycle (C-3 sounds C4; the bass plays two octaves lower).
    s.push_back(looped(
        "bass", 64, 8,
        [](double i, double p) {
            double ph = 2 * PI * i / p;
            return 0.7 * additive(ph, RATE / p, RATE, false, 0.55) + 0.6 * std::sin(ph);
        },
        56));
    // Lead: 32 samples per cycle, a soft pulse with a second voice drifting one cycle per loop.
    s.push_back(looped(
        "lead", 32, 64,
        [](double i, double p) {
            double ph = 2 * PI * i / p, ph2 = 2 * PI * i * 65.0 / (p * 64.0);
            return additive(ph, RATE / p, RATE, true, 0.7) +
                   0.6 * additive(ph2, RATE / p, RATE, false, 0.6);
        },
        44));
    // Harp: a plucked string (Karplus-Strong), 32 samples per cycle like the lead, left to ring.
    {
        Buffer b(size_t(RATE * 0.9));
        std::vector<float> line(32);
        for (float& v : line)
            v = noise.next();
        for (size_t i = 0; i < b.size(); ++i) {
            size_t k = i % 32;
            float next = line[(k + 1) % 32];
            b[i] = line[k];
            line[k] = 0.4993f * (line[k] + next);
        }
        normalise(b, 0.9, 0.0005, RATE);
        s.push_back({"harp", to_8bit(b), 50, 0, 0, 0});
    }
    return s;
}

// Chord roots and tones as MIDI keys (around the fourth octave).
const std::map<std::string, std::vector<int>> CHORDS = {
    {"Am", {57, 60, 64}}, {"F", {53, 57, 60}}, {"C", {48, 52, 55}},
    {"G", {55, 59, 62}},  {"E", {52, 56, 59}}, {"Dm", {50, 53, 57}},
};

struct PatternPlan {
    const char* chords[4];
    const char* melody; // 64 rows, or nullptr
    int drums;          // 0 none, 1 half time, 2 full, 3 full with a fill at the end
    bool harp;
};

void put(ModPattern& p, int row, int channel, int note, int sample, int effect = 0, int param = 0) {
    if (row < 0 || row >= 64) return;
    p.rows[size_t(row)][size_t(channel)] = {note, sample, effect, param};
}

ModPattern build(const PatternPlan& plan) {
    ModPattern p;
    for (int bar = 0; bar < 4; ++bar) {
        const std::vector<int>& chord = CHORDS.at(plan.chords[bar]);
        const int r0 = bar * 16;
        // Drums (channel 0): one voice, so kick, snare and hat take turns.
        if (plan.drums) {
            for (int r = 0; r < 16; r += 2) {
                int sample = 0, volume = 64;
                if (r == 0 || (plan.drums >= 2 && (r == 8 || r == 10)))
                    sample = S_KICK;
                else if (r == 4 || r == 12)
                    sample = plan.drums >= 2 || r == 12 ? S_SNARE : S_HAT;
                else
                    sample = S_HAT, volume = 24;
                if (plan.drums == 1 && r == 8) sample = S_KICK;
                put(p, r0 + r, 0, C3, sample, 0xC, volume);
            }
            if (plan.drums == 3 && bar == 3)
                for (int r = 8; r < 16; ++r)
                    put(p, r0 + r, 0, C3, S_SNARE, 0xC, 24 + 5 * (r - 8));
        }
        // Bass (channel 1): driving eighths on the root, an octave jump on the off-beats.
        int bass_key = chord[0];
        while (bass_key > 52)
            bass_key -= 12;
        while (bass_key < 40)
            bass_key += 12;
        for (int r = 0; r < 16; r += 2)
            put(p, r0 + r, 1, bass_key - 36 + (r % 8 == 6 ? 12 : 0), S_BASS, 0xC,
                r % 4 == 0 ? 64 : 48);
        // Harp (channel 3): sixteenth arpeggios up and down the chord.
        if (plan.harp) {
            const int up[8] = {0, 1, 2, 3, 4, 3, 2, 1};
            for (int r = 0; r < 16; ++r) {
                int step = up[r % 8];
                int key = chord[size_t(step % 3)] + 12 * (step / 3);
                put(p, r0 + r, 3, std::clamp(key - 48, 0, 35), S_HARP, 0xC, r % 4 == 0 ? 44 : 30);
            }
        }
    }
    // Lead (channel 2): the melody, with vibrato on the rows a long note is held.
    if (plan.melody) {
        int row = 0;
        for (const Note& n : parse_notes(plan.melody)) {
            if (n.key >= 0) {
                put(p, row, 2, std::clamp(n.key - 48, 0, 35), S_LEAD);
                for (int r = row + 2; r < row + n.length; ++r)
                    put(p, r, 2, -1, 0, 0x4, 0x46);
            } else {
                put(p, row, 2, -1, 0, 0xC, 0); // a rest silences the held note
            }
            row += n.length;
        }
    }
    return p;
}

} // namespace

std::vector<uint8_t> make_barbaria() {
    ModSong song;
    song.title = "barbaria";
    song.samples = instruments();
    const PatternPlan plans[8] = {
        {{"Am", "F", "C", "G"}, nullptr, 1, true},
        {{"Am", "F", "G", "E"}, nullptr, 2, true},
        {{"Am", "F", "C", "G"},
         "A4:4 C5:2 E5:2 D5:4 C5:2 B4:2  C5:6 A4:2 F4:4 A4:4  G4:4 C5:2 E5:2 G5:4 E5:4  D5:6 B4:2 "
         "G4:8",
         2,
         false},
        {{"Am", "F", "G", "E"},
         "A4:4 C5:2 E5:2 A5:4 G5:2 E5:2  F5:6 E5:2 C5:4 A4:4  B4:4 D5:4 G5:4 F5:2 D5:2  E5:8 G#4:4 "
         "B4:4",
         2,
         true},
        {{"F", "G", "Am", "Am"},
         "A5:4 F5:4 C5:4 F5:4  G5:6 F5:2 E5:4 D5:4  E5:8 C5:4 A4:4  A4:12 R:4",
         2,
         true},
        {{"F", "G", "E", "E"},
         "A5:4 F5:4 C5:4 F5:4  B5:6 A5:2 G5:4 D5:4  E5:4 G#5:4 B5:8  B5:4 A5:4 G#5:4 E5:4",
         3,
         true},
        {{"Dm", "Am", "Dm", "E"}, "D5:16  C5:8 E5:8  F5:16  E5:8 G#4:8", 1, true},
        {{"Am", "F", "G", "E"}, "R:48 E5:2 D5:2 C5:2 B4:2 A4:2 G#4:2 B4:4", 3, true},
    };
    for (const PatternPlan& plan : plans)
        song.patterns.push_back(build(plan));
    for (int i = 0; i < 8; ++i)
        song.order.push_back(i);
    return write_mod(song);
}

} // namespace song_writer
