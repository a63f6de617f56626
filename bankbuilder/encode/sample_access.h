// Reading a loaded sample for the codec encoders: its layout from the mode word, and its
// decoded values as signed 16-bit numbers per channel (8-bit values times 256).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "soundlib/zelvo.h"

struct SampleLayout {
    int channels = 1;    // 2 for stereo, else 1
    int value_bytes = 2; // 2 for 16-bit, else 1
    uint32_t length = 0; // frames
};

SampleLayout sample_layout(ZVOICE_SAMPLE sample);

// Locks the sample, copies channel `channel` of every frame as 16-bit values into `out`
// (resized to the length; 8-bit values times 256) for each channel in turn, and unlocks it.
// `out[k]` is channel k. Returns false when the data cannot be locked.
bool read_channels(ZVOICE_SAMPLE sample, const SampleLayout& layout,
                   std::vector<std::vector<int16_t>>& out);
