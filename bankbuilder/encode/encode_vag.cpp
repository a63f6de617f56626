// The PlayStation 2 VAG encoder: 28-sample blocks through the VAG library, 16 bytes each,
// channels interleaved block by block.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <vector>

#include "bankbuilder/build_state.h"
#include "bankbuilder/encode/encoder_libraries.h"
#include "bankbuilder/encode/piece_writer.h"
#include "bankbuilder/encode/sample_access.h"
#include "bankbuilder/encoder.h"

namespace {
constexpr uint32_t VAG_FRAMES = 28;
constexpr size_t VAG_BYTES = 16;
constexpr int VAG_ATTRIBUTE_BODY = 3;
constexpr int VAG_ATTRIBUTE_LAST = 4;
} // namespace

bool encode_vag(const std::string& path, ZVOICE_SAMPLE sample, std::FILE* working, uint32_t& bytes,
                uint32_t& frames, std::vector<std::string>& warnings) {
    const SampleLayout layout = sample_layout(sample);
    const uint32_t rounded = layout.length / VAG_FRAMES * VAG_FRAMES;
    if (rounded < VAG_FRAMES) {
        char text[64];
        std::snprintf(text, sizeof text, "%u", rounded);
        warnings.push_back(path + " - ERROR!  File is less than 28 samples long! (length was " +
                           text + " samples)");
        return false;
    }
    if (!encoder_functions.enc_vag_init || !encoder_functions.enc_vag) {
        warnings.push_back(path + " - ERROR!  The VAG encoder library is not loaded");
        return false;
    }
    const size_t blocks = rounded / VAG_FRAMES;
    const int stride_estimate = std::max({build_state.interleave_channels, layout.channels, 1});
    if (uint64_t{blocks} * VAG_BYTES * stride_estimate > INT32_MAX) {
        warnings.push_back(path + " - ERROR!  File is too long for a bank");
        return false;
    }
    std::vector<std::vector<int16_t>> channels;
    if (!read_channels(sample, layout, channels)) {
        warnings.push_back(path + " - ERROR!  Couldn't read the decoded sample");
        return false;
    }

    long start = 0;
    if (!building_interleaved()) {
        build_state.interleave_channels = layout.channels;
        build_state.interleave_offset = 0;
        std::fseek(working, 0, SEEK_END);
        start = std::ftell(working);
    }
    const int stride = std::max(build_state.interleave_channels, 1);
    std::vector<uint8_t> coded(blocks * VAG_BYTES);
    for (int k = 0; k < layout.channels && !build_state.cancel_requested; ++k) {
        encoder_functions.enc_vag_init(1);
        for (size_t i = 0; i < blocks; ++i) {
            if (build_state.cancel_requested) break;
            encoder_functions.enc_vag(channels[k].data() + i * VAG_FRAMES,
                                      coded.data() + i * VAG_BYTES,
                                      i + 1 == blocks ? VAG_ATTRIBUTE_LAST : VAG_ATTRIBUTE_BODY);
        }
        if (build_state.cancel_requested) break;
        write_pieces(working, start, coded.data(), blocks, VAG_BYTES, stride,
                     build_state.interleave_offset);
        build_state.interleave_offset += 1;
    }
    std::fseek(working, 0, SEEK_END);
    bytes = static_cast<uint32_t>(static_cast<size_t>(stride) * blocks * VAG_BYTES);
    frames = rounded;
    return !build_state.cancel_requested;
}
