// The encoder contract: one decoded source sample in, its bank data appended to the working
// file, the byte and frame counts out. Also the encoder libraries that decide which optional
// platforms are offered.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "soundlib/zelvo.h"

// Encodes one loaded sample into the working file (positioned at its end on entry).
// On success sets bytes and frames (for the sample header) and returns true. On failure adds
// one message (the source path in place of "%s") to warnings and returns false, having
// released its buffers and the sample's lock. Encoders read and update the interleaving state
// of build_state (build_state.h) and poll build_state.cancel_requested where they can.
// A write error on the working file is left in the stream's error flag (ferror); the
// pipeline checks it after every encoder and ends the build.
using EncoderFunction = bool (*)(const std::string& path, ZVOICE_SAMPLE sample, std::FILE* working,
                                 uint32_t& bytes, uint32_t& frames,
                                 std::vector<std::string>& warnings);

// The builder's own two encoders (bankbuilder/).
bool encode_pcm(const std::string& path, ZVOICE_SAMPLE sample, std::FILE* working, uint32_t& bytes,
                uint32_t& frames, std::vector<std::string>& warnings);
bool copy_source(const std::string& path, ZVOICE_SAMPLE sample, std::FILE* working, uint32_t& bytes,
                 uint32_t& frames, std::vector<std::string>& warnings);

// The codec encoders and the vendor libraries (bankbuilder/encode/, library target wc_encode).
// load_encoder_libraries sets encoder_libraries (settings.h), including xdk_set from "XDK".
bool encode_vag(const std::string& path, ZVOICE_SAMPLE sample, std::FILE* working, uint32_t& bytes,
                uint32_t& frames, std::vector<std::string>& warnings);
bool encode_dsp_adpcm(const std::string& path, ZVOICE_SAMPLE sample, std::FILE* working,
                      uint32_t& bytes, uint32_t& frames, std::vector<std::string>& warnings);
bool encode_ima_adpcm(const std::string& path, ZVOICE_SAMPLE sample, std::FILE* working,
                      uint32_t& bytes, uint32_t& frames, std::vector<std::string>& warnings);
void load_encoder_libraries();
void unload_encoder_libraries();

// The encoders the pipeline may call; a null entry means "not built into this program" and the
// pipeline treats that format as unsupported.
struct EncoderTable {
    EncoderFunction pcm = nullptr;
    EncoderFunction vag = nullptr;
    EncoderFunction dsp_adpcm = nullptr;
    EncoderFunction ima_adpcm = nullptr;
    EncoderFunction source = nullptr;
};

// Every encoder this program was built with (the codec encoders when wc_encode is linked).
EncoderTable standard_encoders();
