// Loading samples through the C interface: formats, widths, channels, loop points, slots,
// locking, streams and the error codes of bad input.
#include "soundlib/tests/sound_files.h"
#include "soundlib/zelvo.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace zelvo_test;

namespace {

struct FormatCase {
    const char* name;
    int format;
    int channels;
    int rate;
    unsigned width_bit;
    bool exact; // PCM: the locked data must equal what was written
};

class SampleFormats : public testing::TestWithParam<FormatCase> {};

TEST_P(SampleFormats, DecodesWidthChannelsRateAndData) {
    const FormatCase& c = GetParam();
    const int frames = 4410;
    std::string path = write_sound(c.name, c.format, c.channels, c.rate, frames);
    ASSERT_FALSE(path.empty());
    ZVOICE_SAMPLE s = ZVOICE_Sample_Load(ZVOICE_FREE, path.c_str(), 0, 0, 0);
    ASSERT_NE(s, 0u) << "error " << ZVOICE_GetError();

    unsigned mode = ZVOICE_Sample_GetMode(s);
    EXPECT_EQ(mode & (ZVOICE_8BITS | ZVOICE_16BITS), c.width_bit);
    EXPECT_EQ(mode & (ZVOICE_MONO | ZVOICE_STEREO), c.channels == 1 ? ZVOICE_MONO : ZVOICE_STEREO);
    int freq = 0, vol = -1, pan = -1, prio = -1;
    ASSERT_TRUE(ZVOICE_Sample_GetDefaults(s, &freq, &vol, &pan, &prio));
    EXPECT_EQ(freq, c.rate);
    EXPECT_EQ(vol, ZVOICE_DEFAULT_VOLUME);
    EXPECT_EQ(pan, ZVOICE_DEFAULT_PAN);
    EXPECT_EQ(prio, ZVOICE_DEFAULT_PRIORITY);

    unsigned length = ZVOICE_Sample_GetLength(s);
    if (c.exact)
        EXPECT_EQ(length, unsigned(frames));
    else
        EXPECT_NEAR(double(length), frames, 1200.0); // codec padding

    const unsigned frame_bytes = (c.width_bit == ZVOICE_8BITS ? 1 : 2) * unsigned(c.channels);
    void *p1 = nullptr, *p2 = reinterpret_cast<void*>(1);
    unsigned l1 = 0, l2 = 99;
    ASSERT_TRUE(ZVOICE_Sample_Lock(s, 0, int(length * frame_bytes), &p1, &p2, &l1, &l2));
    EXPECT_EQ(l1, length * frame_bytes);
    EXPECT_EQ(p2, nullptr);
    EXPECT_EQ(l2, 0u);
    if (c.exact) {
        for (int f = 0; f < frames; f += 97)
            for (int ch = 0; ch < c.channels; ++ch) {
                int16_t want = test_value(f, ch);
                size_t i = size_t(f) * c.channels + ch;
                if (c.width_bit == ZVOICE_8BITS)
                    ASSERT_EQ(static_cast<int8_t*>(p1)[i], int8_t(want >> 8)) << f;
                else
                    ASSERT_EQ(static_cast<int16_t*>(p1)[i], want) << f;
            }
    } else {
        // Lossy codecs: the signal must still be there, at about its level.
        double energy = 0;
        for (unsigned i = 0; i < length * unsigned(c.channels); ++i) {
            double v = static_cast<int16_t*>(p1)[i];
            energy += v * v;
        }
        double rms = std::sqrt(energy / (length * unsigned(c.channels)));
        EXPECT_GT(rms, 5000.0);
        EXPECT_LT(rms, 12000.0);
    }
    EXPECT_TRUE(ZVOICE_Sample_Unlock(s, p1, p2, l1, l2));
    ZVOICE_Sample_Free(s);
    EXPECT_EQ(ZVOICE_Sample_GetLength(s), 0u); // the handle is gone
}

INSTANTIATE_TEST_SUITE_P(
    Formats, SampleFormats,
    testing::Values(
        FormatCase{"m16.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, ZVOICE_16BITS, true},
        FormatCase{"s16.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2, 44100, ZVOICE_16BITS, true},
        FormatCase{"m8.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 1, 11025, ZVOICE_8BITS, true},
        FormatCase{"s8.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_S8, 2, 8000, ZVOICE_8BITS, true},
        FormatCase{"s16.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 2, 32000, ZVOICE_16BITS, true},
        FormatCase{"s24.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 2, 48000, ZVOICE_16BITS, true},
        FormatCase{"float.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 1, 44100, ZVOICE_16BITS, true},
        FormatCase{"m.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 1, 44100, ZVOICE_16BITS, false},
        FormatCase{"s.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 2, 44100, ZVOICE_16BITS,
                   false}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return n;
    });

int loop_of(const std::string& path, int& start, int& end) {
    ZVOICE_SAMPLE s = ZVOICE_Sample_Load(ZVOICE_FREE, path.c_str(), 0, 0, 0);
    if (!s) return 0;
    ZVOICE_Sample_GetLoopPoints(s, &start, &end);
    ZVOICE_Sample_Free(s);
    return 1;
}

TEST(SampleLoops, WavSmplChunkAiffMarkersAndDefault) {
    int start = -1, end = -1;
    ASSERT_TRUE(loop_of(
        write_sound("loop.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, 2000, 100, 1000), start,
        end));
    EXPECT_EQ(start, 100);
    EXPECT_EQ(end, 1000);

    // libsndfile writes no AIFF markers, so add MARK and INST chunks (sustain loop 1 -> 2).
    std::vector<uint8_t> d =
        read_bytes(write_sound("plain.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 1, 22050, 2000));
    auto be16 = [](std::vector<uint8_t>& v, int x) {
        v.push_back(uint8_t(x >> 8));
        v.push_back(uint8_t(x));
    };
    auto be32 = [&](std::vector<uint8_t>& v, uint32_t x) {
        be16(v, int(x >> 16));
        be16(v, int(x & 0xFFFF));
    };
    std::vector<uint8_t> chunks = {'M', 'A', 'R', 'K', 0, 0, 0, 22};
    be16(chunks, 2);
    be16(chunks, 1), be32(chunks, 300), chunks.insert(chunks.end(), {3, 'b', 'e', 'g'});
    be16(chunks, 2), be32(chunks, 1500), chunks.insert(chunks.end(), {3, 'e', 'n', 'd'});
    chunks.insert(chunks.end(), {'I', 'N', 'S', 'T', 0, 0, 0, 20, 60, 0, 0, 127, 1, 127, 0, 0});
    be16(chunks, 1), be16(chunks, 1), be16(chunks, 2), be16(chunks, 0), be16(chunks, 0),
        be16(chunks, 0);
    size_t at = 12;
    while (std::memcmp(&d[at], "SSND", 4) != 0)
        at += 8 + ((uint32_t(d[at + 4]) << 24 | uint32_t(d[at + 5]) << 16 |
                    uint32_t(d[at + 6]) << 8 | d[at + 7]) +
                   1) /
                      2 * 2;
    d.insert(d.begin() + long(at), chunks.begin(), chunks.end());
    uint32_t form = uint32_t(d.size() - 8);
    d[4] = uint8_t(form >> 24), d[5] = uint8_t(form >> 16), d[6] = uint8_t(form >> 8),
    d[7] = uint8_t(form);
    ASSERT_TRUE(loop_of(write_bytes("markers.aiff", d), start, end));
    EXPECT_EQ(start, 300);
    EXPECT_EQ(end, 1500);

    ASSERT_TRUE(loop_of(write_sound("noloop.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2, 22050, 777),
                        start, end));
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 777);

    // A loop past the end of the data is not believed.
    ASSERT_TRUE(loop_of(
        write_sound("badloop.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, 500, 100, 90000),
        start, end));
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 500);
}

TEST(SampleChannels, SurroundFoldsIntoStereoAverages) {
    std::string path = write_sound("quad.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 4, 22050, 300);
    ZVOICE_SAMPLE s = ZVOICE_Sample_Load(ZVOICE_FREE, path.c_str(), 0, 0, 0);
    ASSERT_NE(s, 0u);
    EXPECT_EQ(ZVOICE_Sample_GetMode(s) & (ZVOICE_MONO | ZVOICE_STEREO), unsigned(ZVOICE_STEREO));
    void* p = nullptr;
    unsigned len = 0;
    ASSERT_TRUE(ZVOICE_Sample_Lock(s, 0, 0, &p, nullptr, &len, nullptr));
    ASSERT_EQ(len, 300u * 4);
    const int16_t* v = static_cast<int16_t*>(p);
    for (int f = 0; f < 300; f += 37) {
        EXPECT_EQ(v[2 * f], (test_value(f, 0) + test_value(f, 2)) / 2);
        EXPECT_EQ(v[2 * f + 1], (test_value(f, 1) + test_value(f, 3)) / 2);
    }
    ZVOICE_Sample_Free(s);
}

TEST(SampleSlots, SlotsReplaceAndFreeSlotSearch) {
    std::string a = write_sound("slot_a.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, 100);
    std::string b = write_sound("slot_b.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, 200);
    ZVOICE_SAMPLE first = ZVOICE_Sample_Load(7, a.c_str(), 1, 0, 0);
    ASSERT_NE(first, 0u);
    EXPECT_EQ(ZVOICE_Sample_Get(7), first);
    ZVOICE_SAMPLE second = ZVOICE_Sample_Load(7, b.c_str(), 1, 0, 0);
    ASSERT_NE(second, 0u);
    EXPECT_NE(second, first);
    EXPECT_EQ(ZVOICE_Sample_Get(7), second);
    EXPECT_EQ(ZVOICE_Sample_GetLength(first), 0u); // replaced, so freed
    EXPECT_EQ(ZVOICE_GetError(), ZVOICE_ERR_INVALID_PARAM);
    EXPECT_EQ(ZVOICE_Sample_GetLength(second), 200u);
    ZVOICE_Sample_Free(second);
    EXPECT_EQ(ZVOICE_Sample_Get(7), 0u);

    // The caller's own mode bits pass through; width and channel bits come from the file.
    ZVOICE_SAMPLE c =
        ZVOICE_Sample_Load(ZVOICE_FREE, a.c_str(), 0x100 | ZVOICE_STEREO | ZVOICE_8BITS, 0, 0);
    EXPECT_EQ(ZVOICE_Sample_GetMode(c), 0x100u | ZVOICE_MONO | ZVOICE_16BITS);
    ZVOICE_Sample_Free(c);
}

TEST(SampleRange, LoadsAFileEmbeddedAtAnOffset) {
    std::vector<uint8_t> wav =
        read_bytes(write_sound("inner.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, 321));
    std::vector<uint8_t> outer(1000, 0xAB);
    outer.insert(outer.end(), wav.begin(), wav.end());
    outer.insert(outer.end(), 500, 0xCD);
    std::string path = write_bytes("outer.bin", outer);
    ZVOICE_SAMPLE s = ZVOICE_Sample_Load(ZVOICE_FREE, path.c_str(), 0, 1000, int(wav.size()));
    ASSERT_NE(s, 0u) << ZVOICE_GetError();
    EXPECT_EQ(ZVOICE_Sample_GetLength(s), 321u);
    ZVOICE_Sample_Free(s);
    EXPECT_EQ(ZVOICE_Sample_Load(ZVOICE_FREE, path.c_str(), 0, 0, 0), 0u);
    EXPECT_EQ(ZVOICE_GetError(), ZVOICE_ERR_FILE_FORMAT);
}

TEST(SampleStreams, StreamOwnsItsSample) {
    std::string path = write_sound("stream.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2, 44100, 900);
    ZVOICE_STREAM st = ZVOICE_Stream_Open(path.c_str(), 0x130, 0, 0);
    ASSERT_NE(st, 0u);
    ZVOICE_SAMPLE s = ZVOICE_Stream_GetSample(st);
    ASSERT_NE(s, 0u);
    EXPECT_EQ(ZVOICE_Sample_GetMode(s) & (ZVOICE_MONO | ZVOICE_STEREO), unsigned(ZVOICE_STEREO));
    EXPECT_EQ(ZVOICE_Sample_GetLength(s), 900u);
    ZVOICE_Sample_Free(s); // not the caller's to free
    EXPECT_EQ(ZVOICE_GetError(), ZVOICE_ERR_INVALID_PARAM);
    EXPECT_EQ(ZVOICE_Sample_GetLength(s), 900u);
    EXPECT_TRUE(ZVOICE_Stream_Close(st));
    EXPECT_EQ(ZVOICE_Sample_GetLength(s), 0u);
    EXPECT_FALSE(ZVOICE_Stream_Close(st));
    EXPECT_EQ(ZVOICE_Stream_GetSample(st), 0u);
    EXPECT_EQ(ZVOICE_Stream_Open("/nonexistent/x.wav", 0x130, 0, 0), 0u);
    EXPECT_EQ(ZVOICE_GetError(), ZVOICE_ERR_FILE_NOT_FOUND);
}

struct BadFileCase {
    const char* name;
    std::vector<uint8_t> (*make)();
    int code;
};

std::vector<uint8_t> good_wav() {
    return read_bytes(write_sound("good.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, 1000));
}

TEST(SampleErrors, BadFilesGiveZeroAndTheRightCode) {
    const BadFileCase cases[] = {
        {"empty.wav", [] { return std::vector<uint8_t>{}; }, ZVOICE_ERR_FILE_FORMAT},
        {"text.wav",
         [] {
             std::string t = "this is not a sound file at all, just some words";
             return std::vector<uint8_t>(t.begin(), t.end());
         },
         ZVOICE_ERR_FILE_FORMAT},
        {"header_cut.wav",
         [] {
             auto d = good_wav();
             d.resize(30);
             return d;
         },
         ZVOICE_ERR_FILE_LOAD},
        {"no_frames.wav",
         [] {
             auto d = good_wav();
             d.resize(44); // a complete header, but the data is gone
             return d;
         },
         ZVOICE_ERR_FILE_LOAD},
    };
    for (const BadFileCase& c : cases) {
        std::string path = write_bytes(c.name, c.make());
        EXPECT_EQ(ZVOICE_Sample_Load(ZVOICE_FREE, path.c_str(), 0, 0, 0), 0u) << c.name;
        EXPECT_EQ(ZVOICE_GetError(), c.code) << c.name;
    }
    // A truncated data chunk still gives the frames that are there.
    auto cut = good_wav();
    cut.resize(44 + 600);
    ZVOICE_SAMPLE s = ZVOICE_Sample_Load(ZVOICE_FREE, write_bytes("cut.wav", cut).c_str(), 0, 0, 0);
    ASSERT_NE(s, 0u);
    EXPECT_EQ(ZVOICE_Sample_GetLength(s), 300u);
    ZVOICE_Sample_Free(s);

    struct {
        int slot;
        const char* file;
        int offset, length, code;
    } calls[] = {
        {0, "/nonexistent/missing.wav", 0, 0, ZVOICE_ERR_FILE_NOT_FOUND},
        {0, "/tmp", 0, 0, ZVOICE_ERR_FILE_NOT_FOUND},
        {0, nullptr, 0, 0, ZVOICE_ERR_INVALID_PARAM},
        {-2, "x.wav", 0, 0, ZVOICE_ERR_INVALID_PARAM},
        {ZVOICE_MAX_SLOTS, "x.wav", 0, 0, ZVOICE_ERR_INVALID_PARAM},
        {0, "x.wav", -1, 0, ZVOICE_ERR_INVALID_PARAM},
        {0, "x.wav", 0, -5, ZVOICE_ERR_INVALID_PARAM},
    };
    for (const auto& c : calls) {
        EXPECT_EQ(ZVOICE_Sample_Load(c.slot, c.file, 0, c.offset, c.length), 0u);
        EXPECT_EQ(ZVOICE_GetError(), c.code) << (c.file ? c.file : "null") << " slot " << c.slot;
    }
}

TEST(SampleErrors, BadHandlesAreNoOpsWithInvalidParameter) {
    std::string path = write_sound("h.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, 100);
    ZVOICE_SAMPLE good = ZVOICE_Sample_Load(ZVOICE_FREE, path.c_str(), 0, 0, 0);
    ASSERT_NE(good, 0u);
    void* p = nullptr;
    unsigned len = 0;
    int a = 0, b = 0;
    for (ZVOICE_SAMPLE bad : {0u, 12345u, 0xFFFFFFFFu, good + 1}) {
        EXPECT_EQ(ZVOICE_Sample_GetMode(bad), 0u);
        EXPECT_EQ(ZVOICE_Sample_GetLength(bad), 0u);
        EXPECT_FALSE(ZVOICE_Sample_GetDefaults(bad, &a, nullptr, nullptr, nullptr));
        EXPECT_FALSE(ZVOICE_Sample_GetLoopPoints(bad, &a, &b));
        EXPECT_FALSE(ZVOICE_Sample_Lock(bad, 0, 0, &p, nullptr, &len, nullptr));
        EXPECT_FALSE(ZVOICE_Sample_Unlock(bad, p, nullptr, len, 0));
        ZVOICE_Sample_Free(bad);
        EXPECT_EQ(ZVOICE_GetError(), ZVOICE_ERR_INVALID_PARAM);
        EXPECT_EQ(ZVOICE_Stream_GetSample(bad), 0u);
    }
    // Lock ranges past the data are refused; a length past the end is clipped.
    EXPECT_FALSE(ZVOICE_Sample_Lock(good, 200, 2, &p, nullptr, &len, nullptr));
    EXPECT_FALSE(ZVOICE_Sample_Lock(good, -1, 2, &p, nullptr, &len, nullptr));
    EXPECT_FALSE(ZVOICE_Sample_Lock(good, 0, 2, nullptr, nullptr, &len, nullptr));
    ASSERT_TRUE(ZVOICE_Sample_Lock(good, 100, 1000, &p, nullptr, &len, nullptr));
    EXPECT_EQ(len, 100u);
    EXPECT_EQ(ZVOICE_Sample_Get(-1), 0u);
    EXPECT_EQ(ZVOICE_Sample_Get(ZVOICE_MAX_SLOTS), 0u);
    ZVOICE_Sample_Free(good);
    ZVOICE_Sample_Free(good); // twice: harmless
    EXPECT_EQ(ZVOICE_GetError(), ZVOICE_ERR_INVALID_PARAM);
}

TEST(SampleErrors, CodeStaysUntilTheNextFailure) {
    EXPECT_EQ(ZVOICE_Sample_Load(0, "/nonexistent/a.wav", 0, 0, 0), 0u);
    std::string path = write_sound("ok.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, 100);
    ZVOICE_SAMPLE s = ZVOICE_Sample_Load(1, path.c_str(), 0, 0, 0);
    ASSERT_NE(s, 0u);
    EXPECT_EQ(ZVOICE_GetError(), ZVOICE_ERR_FILE_NOT_FOUND);
    ZVOICE_Sample_Free(s);
}

} // namespace
