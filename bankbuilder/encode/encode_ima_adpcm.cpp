// The IMA ADPCM encoder for the cross-platform IMA ADPCM and the Xbox XADPCM formats: the
// codec's own mono or stereo blocks, or in interleaved mode each channel coded as mono and
// interleaved in 2-byte pieces.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <new>
#include <vector>

#include "bankbuilder/build_state.h"
#include "bankbuilder/encode/ima_adpcm.h"
#include "bankbuilder/encode/piece_writer.h"
#include "bankbuilder/encode/sample_access.h"
#include "bankbuilder/encoder.h"

bool encode_ima_adpcm(const std::string& path, ZVOICE_SAMPLE sample, std::FILE* working,
                      uint32_t& bytes, uint32_t& frames, std::vector<std::string>& warnings) {
    const SampleLayout layout = sample_layout(sample);
    const size_t blocks = (size_t{layout.length} + IMA_BLOCK_FRAMES - 1) / IMA_BLOCK_FRAMES;
    const size_t padded = blocks * IMA_BLOCK_FRAMES;
    const int c = layout.channels;
    if (uint64_t{blocks} * IMA_BLOCK_BYTES * std::max({build_state.interleave_channels, c, 1}) >
        INT32_MAX) {
        warnings.push_back(path + " - ERROR!  File is too long for a bank");
        return false;
    }
    std::vector<std::vector<int16_t>> channels;
    if (!read_channels(sample, layout, channels)) {
        warnings.push_back(path + " - ERROR!  Couldn't read the decoded sample");
        return false;
    }
    std::vector<int16_t> buffer;
    std::vector<uint8_t> coded;
    try {
        // The last block is padded with silence.
        buffer.assign(padded * (building_interleaved() ? 1 : c), 0);
        coded.resize(blocks * IMA_BLOCK_BYTES * (building_interleaved() ? 1 : c));
    } catch (const std::bad_alloc&) {
        char text[64];
        std::snprintf(text, sizeof text, "%ld",
                      static_cast<long>(padded * c * sizeof(int16_t) / 1024));
        warnings.push_back(path + " - ERROR!  Memory allocation failure (" + text + " kb)");
        return false;
    }

    if (!building_interleaved()) {
        build_state.interleave_channels = c;
        build_state.interleave_offset = 0;
        for (uint32_t f = 0; f < layout.length; ++f)
            for (int k = 0; k < c; ++k)
                buffer[size_t{f} * c + k] = channels[k][f];
        if (c == 1) {
            int index = 0;
            ima_encode_mono(buffer.data(), blocks, index, coded.data());
        } else {
            int index[2] = {0, 0};
            ima_encode_stereo(buffer.data(), blocks, index, coded.data());
        }
        std::fseek(working, 0, SEEK_END);
        const bool ok = std::fwrite(coded.data(), 1, coded.size(), working) == coded.size();
        (void)ok; // a failed write stays in the stream's error flag for the pipeline
        bytes = static_cast<uint32_t>(blocks * IMA_BLOCK_BYTES * c);
    } else {
        for (int k = 0; k < c; ++k) {
            std::copy(channels[k].begin(), channels[k].end(), buffer.begin());
            int index = 0;
            ima_encode_mono(buffer.data(), blocks, index, coded.data());
            write_pieces(working, 0, coded.data(), coded.size() / 2, 2,
                         build_state.interleave_channels, build_state.interleave_offset);
            build_state.interleave_offset += 1;
        }
        std::fseek(working, 0, SEEK_END);
        bytes = static_cast<uint32_t>(IMA_BLOCK_BYTES * blocks * build_state.interleave_channels);
    }
    frames = static_cast<uint32_t>(padded);
    return true;
}
