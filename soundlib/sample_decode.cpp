// Sample decoding through libsndfile over a bounded byte range, with loop points from the file's
// instrument data and folding of surround files into stereo.
#include "soundlib/sample_data.h"

#include "soundlib/zelvo.h"

#include <sndfile.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <sys/stat.h>

namespace zelvo {

float SampleData::value(uint32_t frame, int channel) const {
    size_t index = size_t(frame) * channels + channel;
    if (bits == 8) return float(reinterpret_cast<const int8_t*>(bytes.data())[index]) / 128.0f;
    return float(reinterpret_cast<const int16_t*>(bytes.data())[index]) / 32768.0f;
}

namespace {

// A window onto some bytes (a file range or memory); libsndfile never sees past its end.
struct ByteSource {
    FILE* file = nullptr;
    const uint8_t* memory = nullptr;
    int64_t base = 0;
    int64_t size = 0;
    int64_t pos = 0;
};

sf_count_t src_length(void* user) {
    return static_cast<ByteSource*>(user)->size;
}

sf_count_t src_seek(sf_count_t offset, int whence, void* user) {
    auto* s = static_cast<ByteSource*>(user);
    int64_t target = offset;
    if (whence == SEEK_CUR)
        target += s->pos;
    else if (whence == SEEK_END)
        target += s->size;
    if (target < 0) return -1;
    s->pos = target; // past the end is allowed, reads there return nothing
    return s->pos;
}

sf_count_t src_read(void* ptr, sf_count_t count, void* user) {
    auto* s = static_cast<ByteSource*>(user);
    if (count <= 0 || s->pos >= s->size) return 0;
    int64_t n = std::min<int64_t>(count, s->size - s->pos);
    if (s->memory) {
        std::memcpy(ptr, s->memory + s->pos, size_t(n));
    } else {
        if (fseeko(s->file, s->base + s->pos, SEEK_SET) != 0) return 0;
        n = int64_t(fread(ptr, 1, size_t(n), s->file));
    }
    s->pos += n;
    return n;
}

sf_count_t src_write(const void*, sf_count_t, void*) {
    return 0;
}
sf_count_t src_tell(void* user) {
    return static_cast<ByteSource*>(user)->pos;
}

bool is_8bit(int format) {
    int sub = format & SF_FORMAT_SUBMASK;
    return sub == SF_FORMAT_PCM_S8 || sub == SF_FORMAT_PCM_U8;
}

int decode_source(ByteSource& source, SampleData& out) {
    if (source.size <= 0) return ZVOICE_ERR_FILE_FORMAT;
    SF_VIRTUAL_IO io{src_length, src_seek, src_read, src_write, src_tell};
    SF_INFO info{};
    SNDFILE* sf = sf_open_virtual(&io, SFM_READ, &info, &source);
    if (!sf) {
        int e = sf_error(nullptr);
        // An unknown container, or a known one with a codec we cannot decode, is a format error;
        // a known container that is broken is a load error.
        if (e == SF_ERR_UNRECOGNISED_FORMAT || e == SF_ERR_UNSUPPORTED_ENCODING)
            return ZVOICE_ERR_FILE_FORMAT;
        return ZVOICE_ERR_FILE_LOAD;
    }
    struct Closer {
        SNDFILE* f;
        ~Closer() { sf_close(f); }
    } closer{sf};

    if (info.channels <= 0 || info.samplerate <= 0 || info.frames < 0) return ZVOICE_ERR_FILE_LOAD;
    const int in_channels = info.channels;
    const int out_channels = in_channels == 1 ? 1 : 2;
    const int bits = is_8bit(info.format) ? 8 : 16;
    sf_command(sf, SFC_SET_CLIPPING, nullptr, SF_TRUE);

    // The header's frame count is only a hint: truncated files hold fewer, and some formats do
    // not know it. Read in blocks until the decoder stops, within the memory bound.
    const uint64_t max_frames = MAX_DECODED_BYTES / uint64_t(out_channels * bits / 8);
    std::vector<int16_t> decoded;
    try {
        // The header's count sizes the first allocation only up to a modest cap: a few bytes
        // of file must not be able to claim a gigabyte up front.
        if (info.frames > 0)
            decoded.reserve(size_t(std::min<int64_t>(info.frames, 1 << 20)) * out_channels);
        std::vector<int16_t> block(size_t(4096) * in_channels);
        uint64_t total = 0;
        for (;;) {
            sf_count_t got = sf_readf_short(sf, block.data(), 4096);
            if (got <= 0) break;
            if (total + uint64_t(got) > max_frames) return ZVOICE_ERR_MEMORY;
            total += uint64_t(got);
            for (sf_count_t f = 0; f < got; ++f) {
                const int16_t* in = &block[size_t(f) * in_channels];
                if (in_channels <= 2) {
                    decoded.push_back(in[0]);
                    if (in_channels == 2) decoded.push_back(in[1]);
                } else {
                    // Fold surround into stereo: even channels left, odd ones right, averaged.
                    int32_t left = 0, right = 0, nl = 0, nr = 0;
                    for (int c = 0; c < in_channels; ++c) {
                        if (c % 2 == 0)
                            left += in[c], ++nl;
                        else
                            right += in[c], ++nr;
                    }
                    decoded.push_back(int16_t(left / nl));
                    decoded.push_back(int16_t(right / nr));
                }
            }
        }
        if (total == 0) return ZVOICE_ERR_FILE_LOAD;

        out.channels = out_channels;
        out.bits = bits;
        out.rate = info.samplerate;
        out.frames = uint32_t(total);
        if (bits == 16) {
            out.bytes.resize(decoded.size() * 2);
            std::memcpy(out.bytes.data(), decoded.data(), out.bytes.size());
        } else {
            // libsndfile widens 8-bit data by a shift, so the top byte is the source value.
            out.bytes.resize(decoded.size());
            for (size_t i = 0; i < decoded.size(); ++i)
                out.bytes[i] = uint8_t(int8_t(decoded[i] >> 8));
        }
    } catch (const std::bad_alloc&) {
        return ZVOICE_ERR_MEMORY;
    }

    out.loop_start = 0;
    out.loop_end = out.frames;
    SF_INSTRUMENT inst{};
    if (sf_command(sf, SFC_GET_INSTRUMENT, &inst, sizeof inst) == SF_TRUE && inst.loop_count > 0) {
        uint32_t start = inst.loops[0].start, end = inst.loops[0].end;
        // A loop that does not fit the decoded data is ignored rather than trusted.
        if (start < end && end <= out.frames) {
            out.loop_start = start;
            out.loop_end = end;
        }
    }
    return 0;
}

} // namespace

int decode_sample_file(const char* path, int64_t offset, int64_t length, SampleData& out) {
    if (!path || offset < 0 || length < 0) return ZVOICE_ERR_INVALID_PARAM;
    struct stat st {};
    if (stat(path, &st) != 0 || !S_ISREG(st.st_mode)) return ZVOICE_ERR_FILE_NOT_FOUND;
    FILE* f = std::fopen(path, "rb");
    if (!f) return ZVOICE_ERR_FILE_NOT_FOUND;
    ByteSource source;
    source.file = f;
    source.base = offset;
    int64_t available = std::max<int64_t>(0, int64_t(st.st_size) - offset);
    source.size = length > 0 ? std::min<int64_t>(length, available) : available;
    int result = decode_source(source, out);
    std::fclose(f);
    return result;
}

int decode_sample_memory(const uint8_t* data, size_t size, SampleData& out) {
    ByteSource source;
    source.memory = data;
    source.size = int64_t(size);
    return decode_source(source, out);
}

} // namespace zelvo
