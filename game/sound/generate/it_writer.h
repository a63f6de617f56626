// Impulse-style module (".it") writer: 16-bit samples, instruments with volume envelopes,
// packed patterns and an order list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace song_writer {

struct ItSample {
    std::string name;
    std::vector<int16_t> data;
    uint32_t c5_speed = 44100; // playback rate of note C-5 (60)
    int volume = 64;           // 0..64
    bool loop = false;
    uint32_t loop_start = 0, loop_end = 0; // end exclusive
};

struct ItEnvelopePoint {
    int value; // 0..64
    int tick;
};

struct ItInstrument {
    std::string name;
    int sample = 1;                        // every note plays this sample (1-based)
    int fadeout = 256;                     // 0..1024
    int new_note_action = 2;               // 0 cut, 1 continue, 2 note off, 3 fade
    int global_volume = 128;               // 0..128
    std::vector<ItEnvelopePoint> envelope; // empty = none
    int sustain_point = -1;                // index into envelope, -1 none
};

struct ItCell {
    int note = -1;      // 0..119 (60 = C-5), 255 note off, 254 cut, -1 none
    int instrument = 0; // 1-based, 0 none
    int volume = -1;    // 0..64, -1 none
    int command = 0;    // 1 = A .. 26 = Z, 0 none
    int param = 0;
};

struct ItPattern {
    int rows = 64;
    std::vector<std::vector<ItCell>> cells; // [row][channel]
};

struct ItSong {
    std::string title;
    int speed = 6, tempo = 125;
    int global_volume = 128, mix_volume = 48;
    int channels = 8;
    std::vector<int> channel_pan; // 0..64 per channel, 32 centre
    std::vector<ItSample> samples;
    std::vector<ItInstrument> instruments;
    std::vector<ItPattern> patterns;
    std::vector<int> order;
};

std::vector<uint8_t> write_it(const ItSong& song);

} // namespace song_writer
