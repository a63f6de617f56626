#include "bankbuilder/wvc_format.h"

#include <cstring>

namespace {
template <size_t N> struct Writer {
    std::array<uint8_t, N> bytes{};
    size_t at = 0;
    void le16(uint32_t v) {
        bytes[at++] = uint8_t(v);
        bytes[at++] = uint8_t(v >> 8);
    }
    void le32(uint32_t v) {
        le16(v & 0xFFFF);
        le16(v >> 16);
    }
    void be16(uint32_t v) {
        bytes[at++] = uint8_t(v >> 8);
        bytes[at++] = uint8_t(v);
    }
    void raw(const char* p, size_t n) {
        std::memcpy(bytes.data() + at, p, n);
        at += n;
    }
};
} // namespace

std::array<uint8_t, WVC_FILE_HEADER_SIZE> serialize(const WvcFileHeader& h) {
    Writer<WVC_FILE_HEADER_SIZE> w;
    w.raw(h.id, 4);
    w.le32(uint32_t(h.num_samples));
    w.le32(uint32_t(h.sample_headers_size));
    w.le32(uint32_t(h.data_size));
    w.le32(h.version);
    w.le32(h.flags);
    return w.bytes;
}

std::array<uint8_t, WVC_SAMPLE_HEADER_SIZE> serialize(const WvcSampleHeader& h) {
    Writer<WVC_SAMPLE_HEADER_SIZE> w;
    w.le16(h.size);
    w.raw(h.name, WVC_NAME_SIZE);
    w.le32(h.length_samples);
    w.le32(h.length_bytes);
    w.le32(h.loop_start);
    w.le32(h.loop_end);
    w.le32(h.mode);
    w.le32(uint32_t(h.default_frequency));
    w.le16(h.default_volume);
    w.le16(uint16_t(h.default_pan));
    w.le16(h.default_priority);
    w.le16(h.num_channels);
    return w.bytes;
}

std::array<uint8_t, WVC_SMALL_SAMPLE_HEADER_SIZE> serialize(const WvcSmallSampleHeader& h) {
    Writer<WVC_SMALL_SAMPLE_HEADER_SIZE> w;
    w.le32(h.length_samples);
    w.le32(h.length_bytes);
    return w.bytes;
}

std::array<uint8_t, WVC_DSP_INFO_SIZE> serialize(const DspAdpcmInfo& info) {
    Writer<WVC_DSP_INFO_SIZE> w;
    for (uint16_t c : info.coef)
        w.be16(c);
    for (uint16_t v : {info.gain, info.pred_scale, info.yn1, info.yn2, info.loop_pred_scale,
                       info.loop_yn1, info.loop_yn2})
        w.be16(v);
    return w.bytes;
}
