// The builder's settings record and the tables that decide which platforms and formats exist
// and which combinations may be built.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum BuildMode : int32_t { BUILD_SINGLE = 0, BUILD_MULTIPLE = 1, BUILD_INTERLEAVED = 2 };

enum Platform : int32_t {
    PLATFORM_PS2 = 0,
    PLATFORM_GAMECUBE = 1,
    PLATFORM_XBOX = 2,
    PLATFORM_CROSS = 3,
};
constexpr int PLATFORM_COUNT = 4;

enum SampleFormat : int32_t {
    FORMAT_VAG = 0,
    FORMAT_GCADPCM = 1,
    FORMAT_XADPCM = 2,
    FORMAT_PCM = 3,
    FORMAT_SOURCE = 4,
    FORMAT_IMA_ADPCM = 5,
    FORMAT_OGG = 6,
    FORMAT_MP3 = 7,
};
constexpr int FORMAT_COUNT = 8;

struct BuildSettings {
    std::string source_path;
    std::string dest_path;
    int32_t build_mode = BUILD_SINGLE;
    bool rebuild_tree = false;
    bool use_file_list = false;
    int32_t platform = PLATFORM_PS2;
    int32_t format = FORMAT_VAG;
    bool basic_headers = false;
    bool reverb_core0 = true;
    bool reverb_core1 = true;
    bool command_line_mode = false;
    bool hidden = false;
};

// Which optional platforms can be offered. load_encoder_libraries fills the first two; the
// third is the "XDK" environment variable having a non-empty value.
struct EncoderLibraries {
    bool vag_loaded = false;
    bool dsp_loaded = false;
    bool xdk_set = false;
};
extern EncoderLibraries encoder_libraries;

// Eight entries per platform, terminated by -1 (the terminator counts as one of the eight).
constexpr int PLATFORM_ROW_SIZE = 8;
extern const int32_t platform_formats[PLATFORM_COUNT][PLATFORM_ROW_SIZE];

const char* platform_name(int32_t platform);
// The label shown in the format list; PCM reads "PCM (IOP) (1:1)" on PlayStation 2.
const char* format_name(int32_t platform, int32_t format);

bool format_allowed(int32_t platform, int32_t format);
bool platform_available(int32_t platform);
// The formats offered for a platform, in list order (empty for an unknown platform).
std::vector<int32_t> platform_format_list(int32_t platform);
// The available platforms in list order.
std::vector<int32_t> available_platforms();
// Whether the build mode "interleaved" may be chosen for this platform and format.
bool interleave_allowed(int32_t platform, int32_t format);

// The list selection rule: keep the platform (and then the format) when it is offered, else
// take the first entry of the list. Returns false when no platform at all is available.
bool select_platform_and_format(BuildSettings& settings);

// Labels of the window that follow from the settings.
const char* source_box_label(bool use_file_list);
const char* dest_box_label(int32_t build_mode);
