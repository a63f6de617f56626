// The lightmap cache reader over arbitrary bytes: it must refuse or decode, never read outside
// the input, and whatever it accepts must be a complete 128 x 128 RGB picture.
#include "game/lightmap/lightmap_cache.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (int side : {128, 1, 2}) {
        auto image = decode_lightmap_cache(data, size, side);
        if (image && (image->channels != 3 || image->width != side || image->height != side ||
                      image->pixels.size() != size_t(side) * side * 3))
            std::abort();
    }
    return 0;
}
