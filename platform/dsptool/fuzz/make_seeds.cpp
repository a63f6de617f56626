// Writes a few real DSP ADPCM streams (coefficients, then frames) made by the encoder into the
// folder named on the command line: the seeds of the decoder fuzz target.
#include "platform/dsptool/dsp_codec.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    std::filesystem::create_directories(argv[1]);
    for (int seed = 0; seed < 3; ++seed) {
        std::vector<int16_t> x(DSP_FRAME_SAMPLES * (5 + seed * 4) - seed);
        for (size_t i = 0; i < x.size(); ++i)
            x[i] = static_cast<int16_t>(28000 * std::sin(0.07 * (seed + 1) * i));
        std::vector<uint8_t> data(dsp_bytes_for_samples(x.size()));
        int16_t coefs[16];
        dsp_encode_channel(x.data(), x.size(), data.data(), coefs);
        const std::string path = std::string(argv[1]) + "/seed" + std::to_string(seed);
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) return 1;
        std::fwrite(coefs, 1, sizeof coefs, f);
        std::fwrite(data.data(), 1, data.size(), f);
        std::fclose(f);
    }
    return 0;
}
