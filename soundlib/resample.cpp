// Sample rate conversion through libsamplerate's sinc converter.
#include "soundlib/resample.h"

#include <samplerate.h>

#include <cmath>
#include <new>

namespace zelvo {

std::vector<float> resample_for_mix(const SampleData& sample, int out_rate) {
    try {
        const int channels = sample.channels;
        std::vector<float> in(size_t(sample.frames) * channels);
        for (uint32_t f = 0; f < sample.frames; ++f)
            for (int c = 0; c < channels; ++c)
                in[size_t(f) * channels + c] = sample.value(f, c);
        if (sample.rate == out_rate) return in;

        const double ratio = double(out_rate) / double(sample.rate);
        const size_t out_frames = size_t(std::ceil(double(sample.frames) * ratio)) + 64;
        std::vector<float> out(out_frames * channels);
        SRC_DATA data{};
        data.data_in = in.data();
        data.input_frames = long(sample.frames);
        data.data_out = out.data();
        data.output_frames = long(out_frames);
        data.src_ratio = ratio;
        data.end_of_input = 1;
        if (src_simple(&data, SRC_SINC_MEDIUM_QUALITY, channels) != 0) return {};
        out.resize(size_t(data.output_frames_gen) * channels);
        return out;
    } catch (const std::bad_alloc&) {
        return {};
    }
}

} // namespace zelvo
