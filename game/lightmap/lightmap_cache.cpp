#include "game/lightmap/lightmap_cache.h"

#include "game/image/file_bytes.h"
#include "game/image/tga.h"

#include <cstdio>

namespace {
constexpr std::size_t TGA_HEADER_SIZE = 18;
constexpr uint8_t TGA_TYPE_TRUECOLOUR = 2;
constexpr uint8_t CACHE_DEPTH = 24;
} // namespace

std::string lightmap_cache_path(const std::string& surface_name) {
    return "data/lm_" + surface_name + ".tga";
}

std::unique_ptr<Image> decode_lightmap_cache(const uint8_t* data, std::size_t bytes, int size) {
    if (!data || bytes < TGA_HEADER_SIZE || size <= 0) return nullptr;
    const int width = data[12] | (data[13] << 8);
    const int height = data[14] | (data[15] << 8);
    // A file of another size would be drawn stretched, one of another depth or kind could be a
    // leftover of some other program: both are computed again rather than trusted.
    if (data[1] != 0 || data[2] != TGA_TYPE_TRUECOLOUR || data[16] != CACHE_DEPTH ||
        width != size || height != size)
        return nullptr;
    // The reader refuses a file that ends before its last pixel.
    auto image = decode_tga(data, bytes);
    if (!image || image->channels != 3 || image->width != size || image->height != size)
        return nullptr;
    return image;
}

std::unique_ptr<Image> read_lightmap_cache(const std::string& path, int size) {
    bool opened = false;
    const auto bytes = read_file_bytes(path, &opened);
    if (!opened) {
        std::fputs("Unable to load TGA File!\n", stderr);
        std::fflush(stderr);
        return nullptr;
    }
    if (!bytes) return nullptr;
    return decode_lightmap_cache(bytes->data(), bytes->size(), size);
}
