// BMP reading: every Windows bitmap variant the game can meet, converted to 24-bit RGB.
#pragma once

#include "game/image/image.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// Reads a BMP file (with or without the 14-byte file header; core, info or later info headers;
// 1, 4, 8, 16, 24, 32 bits; RLE4, RLE8, bit fields; bottom-up or top-down). The result's rows
// run from the bottom of the picture to its top, whichever way the file stores them.
// Null when the file cannot be read or is not a bitmap we understand.
std::unique_ptr<RgbImage> read_bmp(const std::string& path);

// The decoder behind read_bmp, on bytes already in memory. Never reads outside [data, data+size).
std::unique_ptr<RgbImage> decode_bmp(const uint8_t* data, std::size_t size);
