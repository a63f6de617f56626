// Decoded sample data: what a sound file holds once the library has read it, in the width and
// channel layout callers lock (signed 8-bit or 16-bit, interleaved, mono or stereo).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zelvo {

struct SampleData {
    std::vector<uint8_t> bytes; // interleaved frames, int8_t or int16_t (native byte order)
    int channels = 0;           // 1 or 2
    int bits = 0;               // 8 or 16
    int rate = 0;               // frames per second of the source
    uint32_t frames = 0;
    uint32_t loop_start = 0;
    uint32_t loop_end = 0; // exclusive

    unsigned frame_bytes() const { return unsigned(channels * bits / 8); }
    // Value of one channel of one frame, scaled to -1..1.
    float value(uint32_t frame, int channel) const;
};

// Reads a sound file (WAV, AIFF, Ogg Vorbis, MP3 or anything else libsndfile decodes) from the
// byte range [offset, offset + length) of path; length 0 means up to the end of the file.
// Returns 0 or one of the library's error codes.
int decode_sample_file(const char* path, int64_t offset, int64_t length, SampleData& out);

// The same for a file already in memory (used by the fuzz target and tests).
int decode_sample_memory(const uint8_t* data, size_t size, SampleData& out);

// Upper bound on decoded bytes, so that a header claiming billions of frames cannot exhaust memory.
constexpr uint64_t MAX_DECODED_BYTES = uint64_t(1) << 30;

} // namespace zelvo
