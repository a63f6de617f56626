// Writes a few real VAG streams made by the encoder into the folder named on the command line:
// the seeds of the decoder fuzz target.
#include "platform/encvag/vag_codec.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    std::filesystem::create_directories(argv[1]);
    for (int seed = 0; seed < 3; ++seed) {
        std::vector<int16_t> x(VAG_BLOCK_SAMPLES * (4 + seed * 3));
        for (size_t i = 0; i < x.size(); ++i)
            x[i] = static_cast<int16_t>(30000 * std::sin(0.05 * (seed + 1) * i) *
                                        (seed == 2 ? ((i / 7) % 2 ? 1 : -1) : 1));
        std::vector<uint8_t> data(x.size() / VAG_BLOCK_SAMPLES * VAG_BLOCK_BYTES);
        VagHistory h;
        for (size_t b = 0; b * VAG_BLOCK_SAMPLES < x.size(); ++b)
            vag_encode_block(h, x.data() + b * VAG_BLOCK_SAMPLES, VAG_FLAG_NONE,
                             data.data() + b * VAG_BLOCK_BYTES);
        const std::string path = std::string(argv[1]) + "/seed" + std::to_string(seed);
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) return 1;
        std::fwrite(data.data(), 1, data.size(), f);
        std::fclose(f);
    }
    return 0;
}
