// Fuzz target: any bytes through the BMP decoder; a picture it returns must be whole.
#include "game/image/bmp.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto img = decode_bmp(data, size);
    if (img && img->pixels.size() != size_t(img->width) * size_t(img->height) * 3) std::abort();
    return 0;
}
