// Builds BMP files of every variant in memory, for the reader's tests and the fuzz seeds.
#pragma once

#include <cstdint>
#include <vector>

struct BmpLayout {
    int32_t width = 0;
    int32_t height = 0;
    int bits = 24;
    uint32_t compression = 0;  // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields
    uint32_t header_size = 40; // 12 core, 40 info, 108 or 124 for the later info headers
    bool file_header = true;
    bool top_down = false;
    std::vector<uint32_t> palette; // 0xRRGGBB entries, for 1, 4 and 8 bits
    uint32_t masks[3] = {0, 0, 0}; // for bit fields
    // One value per pixel, picture rows top first: a palette index for up to 8 bits, the packed
    // pixel word for 16 and 32 bits, 0xRRGGBB for 24 bits.
    std::vector<uint32_t> values;
    // When not empty, replaces the pixel data the builder would encode (hand-made RLE streams).
    std::vector<uint8_t> pixel_data;
};

std::vector<uint8_t> build_bmp(const BmpLayout& layout);

// A picture of distinct colours, rows top first, as 0xRRGGBB.
std::vector<uint32_t> test_picture(int width, int height);
