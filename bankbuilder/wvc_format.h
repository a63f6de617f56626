// Byte layout of WVC banks: the file header, the full and small sample headers and the DSP
// ADPCM parameter records, with their little-endian (records: big-endian) serialisation.
#pragma once

#include <array>
#include <cstdint>

constexpr uint32_t WVC_VERSION = 0x00030000;
constexpr uint32_t WVC_FLAG_SOURCE_FORMAT = 1;
constexpr uint32_t WVC_FLAG_BASIC_HEADERS = 2;

constexpr int WVC_FILE_HEADER_SIZE = 24;
constexpr int WVC_SAMPLE_HEADER_SIZE = 64;
constexpr int WVC_SMALL_SAMPLE_HEADER_SIZE = 8;
constexpr int WVC_DSP_INFO_SIZE = 46;
constexpr int WVC_NAME_SIZE = 30;

// Mode word bits the builder reads or sets.
constexpr uint32_t WVC_MODE_8BITS = 0x8;
constexpr uint32_t WVC_MODE_16BITS = 0x10;
constexpr uint32_t WVC_MODE_MONO = 0x20;
constexpr uint32_t WVC_MODE_STEREO = 0x40;
constexpr uint32_t WVC_MODE_INTERLEAVED = 0x4000000;

struct WvcFileHeader {
    char id[4] = {0, 0, 0, 0};
    int32_t num_samples = 0;
    int32_t sample_headers_size = 0;
    int32_t data_size = 0;
    uint32_t version = 0;
    uint32_t flags = 0;
};

struct WvcSampleHeader {
    uint16_t size = 0;
    char name[WVC_NAME_SIZE] = {};
    uint32_t length_samples = 0;
    uint32_t length_bytes = 0;
    uint32_t loop_start = 0;
    uint32_t loop_end = 0;
    uint32_t mode = 0;
    int32_t default_frequency = 0;
    uint16_t default_volume = 0;
    int16_t default_pan = 0;
    uint16_t default_priority = 0;
    uint16_t num_channels = 0;
};

struct WvcSmallSampleHeader {
    uint32_t length_samples = 0;
    uint32_t length_bytes = 0;
};

// One per channel of a GameCube DSP ADPCM sample. The encoder fills it in host order; the
// bank holds every word big-endian.
struct DspAdpcmInfo {
    uint16_t coef[16] = {};
    uint16_t gain = 0;
    uint16_t pred_scale = 0;
    uint16_t yn1 = 0;
    uint16_t yn2 = 0;
    uint16_t loop_pred_scale = 0;
    uint16_t loop_yn1 = 0;
    uint16_t loop_yn2 = 0;
};

std::array<uint8_t, WVC_FILE_HEADER_SIZE> serialize(const WvcFileHeader& h);
std::array<uint8_t, WVC_SAMPLE_HEADER_SIZE> serialize(const WvcSampleHeader& h);
std::array<uint8_t, WVC_SMALL_SAMPLE_HEADER_SIZE> serialize(const WvcSmallSampleHeader& h);
// The 23 words, each big-endian.
std::array<uint8_t, WVC_DSP_INFO_SIZE> serialize(const DspAdpcmInfo& info);
