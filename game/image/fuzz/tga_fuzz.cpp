// Fuzz target: any bytes through the TGA decoder; a picture it returns must be whole.
#include "game/image/tga.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto img = decode_tga(data, size);
    if (img &&
        img->pixels.size() != size_t(img->width) * size_t(img->height) * size_t(img->channels))
        std::abort();
    return 0;
}
