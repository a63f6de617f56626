// Decoded picture buffers: what the TGA and BMP readers hand out and what the TGA writer takes.
// The readers allocate their result; the caller owns it and drops it after the upload.
#pragma once

#include <cstdint>
#include <vector>

// A TGA file's pixels: R, G, B[, A] per pixel, rows in file order (first row of the file first).
struct Image {
    int32_t channels = 0; // 3 or 4
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels; // width * height * channels bytes
};

// A BMP file's pixels as 24-bit R, G, B, no row padding, bottom row of the picture first.
struct RgbImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels; // width * height * 3 bytes
};

// What write_tga stores: width * height * 3 bytes R, G, B, rows in buffer order.
struct TgaPicture {
    int16_t width = 0;
    int16_t height = 0;
    uint8_t* pixels = nullptr;
};

// The readers refuse pictures larger than this before allocating anything: nothing the game
// loads comes near it, and a forged header must not make us ask for gigabytes.
inline constexpr int32_t IMAGE_MAX_SIDE = 8192;
inline constexpr int64_t IMAGE_MAX_PIXELS = int64_t{1} << 24;
