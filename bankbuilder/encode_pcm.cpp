// The PCM writer: the decoded frames as they are, 8 or 16 bits per value.
#include <algorithm>
#include <cstring>
#include <vector>

#include "bankbuilder/build_state.h"
#include "bankbuilder/encoder.h"

namespace {
// Frames handled per write; cancel is polled between chunks.
constexpr uint64_t CHUNK_FRAMES = 16384;
} // namespace

bool encode_pcm(const std::string& path, ZVOICE_SAMPLE sample, std::FILE* working, uint32_t& bytes,
                uint32_t& frames, std::vector<std::string>& warnings) {
    const uint32_t mode = ZVOICE_Sample_GetMode(sample);
    const int channels = (mode & WVC_MODE_STEREO) ? 2 : 1;
    const int value_bytes = (mode & WVC_MODE_16BITS) ? 2 : 1;
    const uint64_t length = ZVOICE_Sample_GetLength(sample);
    const uint64_t frame_bytes = uint64_t(channels) * value_bytes;

    const bool interleaved = building_interleaved();
    if (!interleaved) {
        build_state.interleave_channels = channels;
        build_state.interleave_offset = 0;
    }
    const int total_channels = std::max(build_state.interleave_channels, channels);
    const uint64_t out_frame_bytes = uint64_t(total_channels) * value_bytes;
    if (length * out_frame_bytes > INT32_MAX) {
        warnings.push_back(path + " - ERROR!  File is too long for a bank");
        return false;
    }

    void *p1 = nullptr, *p2 = nullptr;
    unsigned int l1 = 0, l2 = 0;
    const uint64_t source_bytes = length * frame_bytes;
    // An empty sample has nothing to lock (the library refuses a lock at its end).
    if (source_bytes > 0 &&
        (!ZVOICE_Sample_Lock(sample, 0, int(source_bytes), &p1, &p2, &l1, &l2) || !p1 ||
         l1 < source_bytes)) {
        if (p1) ZVOICE_Sample_Unlock(sample, p1, p2, l1, l2);
        warnings.push_back(path + " - ERROR!  Couldn't read the decoded sample");
        return false;
    }
    const auto* src = static_cast<const uint8_t*>(p1);

    long start = 0;
    if (!interleaved) {
        std::fseek(working, 0, SEEK_END);
        start = std::ftell(working);
    }
    const uint64_t channel_offset = uint64_t(build_state.interleave_offset) * value_bytes;
    std::fseek(working, start, SEEK_SET);

    bool cancelled = false;
    std::vector<uint8_t> chunk;
    for (uint64_t f0 = 0; f0 < length; f0 += CHUNK_FRAMES) {
        if (build_state.cancel_requested) {
            cancelled = true;
            break;
        }
        const uint64_t n = std::min(CHUNK_FRAMES, length - f0);
        if (out_frame_bytes == frame_bytes) {
            // Only this file's channels in a frame: the data goes out as it is.
            std::fwrite(src + f0 * frame_bytes, 1, size_t(n * frame_bytes), working);
            continue;
        }
        // Several files share each frame: read what the earlier files wrote in this stretch
        // (zeros past the end), put this file's channels in place and write it back.
        const long at = long(start + f0 * out_frame_bytes);
        chunk.assign(size_t(n * out_frame_bytes), 0);
        std::fseek(working, at, SEEK_SET);
        size_t got = std::fread(chunk.data(), 1, chunk.size(), working);
        (void)got;
        std::clearerr(working);
        for (uint64_t i = 0; i < n; ++i)
            std::memcpy(chunk.data() + i * out_frame_bytes + channel_offset,
                        src + (f0 + i) * frame_bytes, size_t(frame_bytes));
        std::fseek(working, at, SEEK_SET);
        std::fwrite(chunk.data(), 1, chunk.size(), working);
    }
    if (p1) ZVOICE_Sample_Unlock(sample, p1, p2, l1, l2);
    if (cancelled || std::ferror(working)) return false;
    build_state.interleave_offset += channels;
    bytes = uint32_t(length * out_frame_bytes);
    frames = uint32_t(length);
    return true;
}
