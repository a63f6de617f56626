// The GameCube DSP ADPCM encoder: each channel through the DSP library, its parameter record
// kept for the bank and printed to the debug text, channels interleaved in 2-byte pieces.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <new>
#include <vector>

#include "bankbuilder/bank_writer.h"
#include "bankbuilder/build_state.h"
#include "bankbuilder/encode/encoder_libraries.h"
#include "bankbuilder/encode/piece_writer.h"
#include "bankbuilder/encode/sample_access.h"
#include "bankbuilder/encoder.h"

bool encode_dsp_adpcm(const std::string& path, ZVOICE_SAMPLE sample, std::FILE* working,
                      uint32_t& bytes, uint32_t& frames, std::vector<std::string>& warnings) {
    const SampleLayout layout = sample_layout(sample);
    if (layout.value_bytes == 1) {
        warnings.push_back(path + " - ERROR!  File contains an 8bit sample! Only 16bit samples are "
                                  "supported");
        return false;
    }
    const auto& fn = encoder_functions;
    if (!fn.dsp_encode || !fn.dsp_loop_context || !fn.dsp_bytes) {
        warnings.push_back(path + " - ERROR!  The DSP ADPCM encoder library is not loaded");
        return false;
    }
    const uint32_t size = fn.dsp_bytes(layout.length);
    const int stride_estimate = std::max({build_state.interleave_channels, layout.channels, 1});
    if (uint64_t{size} * stride_estimate > INT32_MAX) {
        warnings.push_back(path + " - ERROR!  File is too long for a bank");
        return false;
    }
    std::vector<uint8_t> adpcm;
    std::vector<std::vector<int16_t>> channels;
    try {
        adpcm.resize(size);
        channels.reserve(static_cast<size_t>(layout.channels));
    } catch (const std::bad_alloc&) {
        char text[64];
        std::snprintf(text, sizeof text, "%ld", static_cast<long>(size / 1024));
        warnings.push_back(path + " - ERROR!  Memory allocation failure (" + text + " kb)");
        return false;
    }
    if (!read_channels(sample, layout, channels)) {
        warnings.push_back(path + " - ERROR!  Couldn't read the decoded sample");
        return false;
    }

    const bool interleaved = building_interleaved();
    long start = 0;
    if (!interleaved) {
        build_state.interleave_channels = layout.channels;
        build_state.interleave_offset = 0;
        std::fseek(working, 0, SEEK_END);
        start = std::ftell(working);
    }
    int loop_start = 0, loop_end = 0;
    ZVOICE_Sample_GetLoopPoints(sample, &loop_start, &loop_end);
    // A loop start outside the sample would make the library read past the coded data; such
    // a sample has no loop to resume, so its context is that of the start.
    const uint32_t loop_at =
        loop_start > 0 && static_cast<uint32_t>(loop_start) < layout.length ? loop_start : 0;

    const int stride = std::max(build_state.interleave_channels, 1);
    for (int k = 0; k < layout.channels && !build_state.cancel_requested; ++k) {
        const size_t slot = interleaved ? static_cast<size_t>(build_state.interleave_offset) : k;
        if (dsp_adpcm_records.size() <= slot) dsp_adpcm_records.resize(slot + 1);
        DspAdpcmInfo& record = dsp_adpcm_records[slot];
        record = DspAdpcmInfo{};
        fn.dsp_encode(channels[k].data(), adpcm.data(), &record, layout.length);
        if (layout.length > 0) fn.dsp_loop_context(adpcm.data(), &record, loop_at);
        if (dsp_debug_file) {
            std::fputs(debug_block_text(path, record).c_str(), dsp_debug_file);
            std::fflush(dsp_debug_file);
        }
        write_pieces(working, start, adpcm.data(), size / 2, 2, stride,
                     build_state.interleave_offset);
        build_state.interleave_offset += 1;
    }
    std::fseek(working, 0, SEEK_END);
    bytes = static_cast<uint32_t>(stride) * size;
    frames = layout.length;
    return !build_state.cancel_requested;
}
