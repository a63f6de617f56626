// The two encoder libraries, opened at run time by name, and the functions the encoders call
// through them. Null pointers when a library or function is missing.
#pragma once

#include <cstdint>
#include <string>

#include "bankbuilder/wvc_format.h"

struct EncoderLibraryFunctions {
    void (*enc_vag_init)(int) = nullptr;
    int (*enc_vag)(const short*, unsigned char*, int) = nullptr;
    void (*enc_vag_fin)() = nullptr;
    void (*dsp_encode)(int16_t*, uint8_t*, DspAdpcmInfo*, uint32_t) = nullptr;
    void (*dsp_loop_context)(uint8_t*, DspAdpcmInfo*, uint32_t) = nullptr;
    uint32_t (*dsp_bytes)(uint32_t) = nullptr;
};
extern EncoderLibraryFunctions encoder_functions;

// The file names load_encoder_libraries opens.
constexpr const char* VAG_LIBRARY_NAME = "libencvag.so";
constexpr const char* DSP_LIBRARY_NAME = "libdsptool.so";

// load_encoder_libraries with other library names (tests offer missing or partial ones).
void load_encoder_libraries_named(const std::string& vag_name, const std::string& dsp_name);
