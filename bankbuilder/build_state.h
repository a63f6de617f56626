// State shared between the build pipeline, the encoders and the window while a build runs.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "bankbuilder/settings.h"
#include "bankbuilder/wvc_format.h"

struct BuildState {
    // Written by the window (or a signal handler) to stop the build; polled by the worker.
    std::atomic<bool> cancel_requested{false};
    // A build is running; only the worker writes it while it runs.
    std::atomic<bool> building{false};
    // Channels in one frame of the data being written: the current file's channel count, or
    // in interleaved mode the total of all files of the bank.
    int32_t interleave_channels = 0;
    // Channel position of the current file inside that frame (0 outside interleaved mode).
    int32_t interleave_offset = 0;
    // Bytes available for sample data on the target platform; -1 for no limit.
    int32_t memory_budget = -1;
};
extern BuildState build_state;

// The one settings record of the program; the pipeline and the encoders read it during a build.
extern BuildSettings build_settings;

// Open only while a GameCube DSP ADPCM bank is being built: the encoder writes each channel's
// parameter block to it (debug_block_text of bank_writer.h) and flushes it. The bank writer
// checks the stream's error flag when the bank is finished.
extern std::FILE* dsp_debug_file;

// DSP ADPCM parameter records of the sample just encoded, indexed by channel position: outside
// interleaved mode channel k of the sample is entry k; in interleaved mode it is entry
// interleave_offset + k, so after the last file the vector holds every channel of the bank.
// The encoder resizes it as needed; the pipeline clears it at the start of every bank.
extern std::vector<DspAdpcmInfo> dsp_adpcm_records;

// True in interleaved mode, where encoders leave interleave_channels alone and place their
// data relative to the start of the working file.
inline bool building_interleaved() {
    return build_settings.build_mode == BUILD_INTERLEAVED;
}
