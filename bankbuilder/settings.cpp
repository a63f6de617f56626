#include "bankbuilder/settings.h"

EncoderLibraries encoder_libraries;

const int32_t platform_formats[PLATFORM_COUNT][PLATFORM_ROW_SIZE] = {
    {FORMAT_VAG, FORMAT_PCM, -1, -1, -1, -1, -1, -1},
    {FORMAT_GCADPCM, FORMAT_PCM, -1, -1, -1, -1, -1, -1},
    {FORMAT_XADPCM, FORMAT_PCM, -1, -1, -1, -1, -1, -1},
    {FORMAT_PCM, FORMAT_IMA_ADPCM, FORMAT_SOURCE, -1, -1, -1, -1, -1},
};

namespace {
const char* const PLATFORM_NAMES[PLATFORM_COUNT] = {"PlayStation 2", "GameCube", "Xbox",
                                                    "Cross-platform"};
const char* const FORMAT_NAMES[FORMAT_COUNT] = {
    "VAG (SPU2) (3.5:1)",     "GCADPCM (3.5:1)",   "XADPCM (3.5:1)", "PCM (1:1)",
    "Retain original format", "IMA ADPCM (3.5:1)", "Ogg Vorbis",     "MP3"};

bool valid_platform(int32_t platform) {
    return platform >= 0 && platform < PLATFORM_COUNT;
}
} // namespace

const char* platform_name(int32_t platform) {
    return valid_platform(platform) ? PLATFORM_NAMES[platform] : "";
}

const char* format_name(int32_t platform, int32_t format) {
    if (format < 0 || format >= FORMAT_COUNT) return "";
    if (platform == PLATFORM_PS2 && format == FORMAT_PCM) return "PCM (IOP) (1:1)";
    return FORMAT_NAMES[format];
}

std::vector<int32_t> platform_format_list(int32_t platform) {
    std::vector<int32_t> list;
    if (!valid_platform(platform)) return list;
    for (int i = 0; i < PLATFORM_ROW_SIZE && platform_formats[platform][i] != -1; ++i)
        list.push_back(platform_formats[platform][i]);
    return list;
}

bool format_allowed(int32_t platform, int32_t format) {
    for (int32_t f : platform_format_list(platform))
        if (f == format) return true;
    return false;
}

bool platform_available(int32_t platform) {
    switch (platform) {
    case PLATFORM_PS2:
        return encoder_libraries.vag_loaded;
    case PLATFORM_GAMECUBE:
        return encoder_libraries.dsp_loaded;
    case PLATFORM_XBOX:
        return encoder_libraries.xdk_set;
    case PLATFORM_CROSS:
        return true;
    default:
        return false;
    }
}

std::vector<int32_t> available_platforms() {
    std::vector<int32_t> list;
    for (int32_t p = 0; p < PLATFORM_COUNT; ++p)
        if (platform_available(p)) list.push_back(p);
    return list;
}

bool interleave_allowed(int32_t platform, int32_t format) {
    switch (platform) {
    case PLATFORM_PS2:
        return format == FORMAT_VAG || format == FORMAT_PCM;
    case PLATFORM_GAMECUBE:
        return format == FORMAT_GCADPCM || format == FORMAT_PCM;
    case PLATFORM_XBOX:
        return format == FORMAT_XADPCM || format == FORMAT_PCM;
    case PLATFORM_CROSS:
        return format == FORMAT_PCM;
    default:
        return false;
    }
}

bool select_platform_and_format(BuildSettings& settings) {
    std::vector<int32_t> platforms = available_platforms();
    if (platforms.empty()) return false;
    bool found = false;
    for (int32_t p : platforms)
        found = found || p == settings.platform;
    if (!found) settings.platform = platforms.front();
    std::vector<int32_t> formats = platform_format_list(settings.platform);
    found = false;
    for (int32_t f : formats)
        found = found || f == settings.format;
    if (!found) settings.format = formats.front();
    return true;
}

const char* source_box_label(bool use_file_list) {
    return use_file_list ? "Source File List" : "Source Data Directory";
}

const char* dest_box_label(int32_t build_mode) {
    return build_mode == BUILD_MULTIPLE ? "Destination Directory" : "Destination File";
}
