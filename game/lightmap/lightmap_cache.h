// The lightmap cache: one 24-bit uncompressed TGA per surface under data/, read back instead of
// computing the lightmap again. Only a file that is exactly what the builder writes is used.
#pragma once

#include "game/image/image.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// "data/lm_" + name + ".tga", relative to the working directory.
std::string lightmap_cache_path(const std::string& surface_name);

// The cache picture in bytes: an uncompressed true-colour TGA of 24 bits, size x size pixels,
// complete. Anything else (another size or depth, run-length, a colour map, a short file) is
// refused, and the lightmap is computed again. Never reads outside [data, data + size).
std::unique_ptr<Image> decode_lightmap_cache(const uint8_t* data, std::size_t bytes, int size);

// The cache file of that path, or null. A file that cannot be opened reports "Unable to load
// TGA File!" on standard error, as every TGA read of the game does.
std::unique_ptr<Image> read_lightmap_cache(const std::string& path, int size);
