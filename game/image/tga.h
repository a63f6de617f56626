// TGA reading (true-colour, raw or run-length, 16/24/32 bits) and writing (raw 24-bit).
#pragma once

#include "game/image/image.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// Reads a TGA file. Null when the file cannot be opened ("Unable to load TGA File!" on standard
// error), when its depth is not supported, or when the file is damaged (no message then).
std::unique_ptr<Image> read_tga(const std::string& path);

// The decoder behind read_tga, on bytes already in memory. Never reads outside [data, data+size).
std::unique_ptr<Image> decode_tga(const uint8_t* data, std::size_t size);

// Writes an uncompressed 24-bit TGA. Swaps R and B of every pixel in picture.pixels in place
// (the buffer is left in B, G, R order). False when the file cannot be created or written.
bool write_tga(const std::string& path, const TgaPicture& picture);
