// Decoded sample data for the codec encoders.
#include "bankbuilder/encode/sample_access.h"

#include "bankbuilder/wvc_format.h"

SampleLayout sample_layout(ZVOICE_SAMPLE sample) {
    const uint32_t mode = ZVOICE_Sample_GetMode(sample);
    SampleLayout l;
    l.channels = (mode & WVC_MODE_STEREO) ? 2 : 1;
    l.value_bytes = (mode & WVC_MODE_16BITS) ? 2 : 1;
    l.length = ZVOICE_Sample_GetLength(sample);
    return l;
}

bool read_channels(ZVOICE_SAMPLE sample, const SampleLayout& layout,
                   std::vector<std::vector<int16_t>>& out) {
    out.assign(static_cast<size_t>(layout.channels), std::vector<int16_t>(layout.length));
    const uint64_t bytes = uint64_t{layout.length} * layout.channels * layout.value_bytes;
    if (bytes == 0) return true; // nothing to lock in an empty sample
    if (bytes > INT32_MAX) return false;
    void *p1 = nullptr, *p2 = nullptr;
    unsigned int l1 = 0, l2 = 0;
    if (!ZVOICE_Sample_Lock(sample, 0, static_cast<int>(bytes), &p1, &p2, &l1, &l2) || !p1 ||
        l1 < bytes) {
        if (p1) ZVOICE_Sample_Unlock(sample, p1, p2, l1, l2);
        return false;
    }
    const int c = layout.channels;
    if (layout.value_bytes == 2) {
        const auto* src = static_cast<const uint8_t*>(p1);
        for (uint32_t f = 0; f < layout.length; ++f)
            for (int k = 0; k < c; ++k) {
                const uint8_t* v = src + (size_t{f} * c + k) * 2;
                out[k][f] = static_cast<int16_t>(v[0] | v[1] << 8);
            }
    } else {
        const auto* src = static_cast<const int8_t*>(p1);
        for (uint32_t f = 0; f < layout.length; ++f)
            for (int k = 0; k < c; ++k)
                out[k][f] = static_cast<int16_t>(src[size_t{f} * c + k] * 256);
    }
    ZVOICE_Sample_Unlock(sample, p1, p2, l1, l2);
    return true;
}
