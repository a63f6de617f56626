// Converts a decoded sample to the mixer's rate once, with a band-limited (windowed sinc)
// converter, so that the mixer itself only adds frames.
#pragma once

#include "soundlib/sample_data.h"

#include <vector>

namespace zelvo {

// Interleaved float frames (the sample's channel count) at out_rate, values -1..1.
// Empty on failure (out of memory).
std::vector<float> resample_for_mix(const SampleData& sample, int out_rate);

} // namespace zelvo
