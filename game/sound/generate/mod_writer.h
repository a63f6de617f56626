// Four-channel 31-sample module ("M.K.") writer: samples, 64-row patterns and an order list.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace song_writer {

struct ModSample {
    std::string name;
    std::vector<int8_t> data; // an odd length is padded by one zero
    int volume = 64;          // 0..64
    int finetune = 0;         // -8..7
    uint32_t loop_start = 0;  // in samples, even; loop_length 0 = no loop
    uint32_t loop_length = 0;
};

struct ModCell {
    int note = -1;  // 0 = C-1 .. 35 = B-3, -1 none
    int sample = 0; // 1..31, 0 none
    int effect = 0; // 0..15
    int param = 0;  // 0..255
};

struct ModPattern {
    std::array<std::array<ModCell, 4>, 64> rows{};
};

struct ModSong {
    std::string title;
    std::vector<ModSample> samples; // up to 31
    std::vector<ModPattern> patterns;
    std::vector<int> order; // up to 128 pattern numbers
};

// Amiga period of note 0..35 (C-1 .. B-3).
int mod_period(int note);

std::vector<uint8_t> write_mod(const ModSong& song);

} // namespace song_writer
