// Quality of libencvag on the generated corpus, decoded by our decoder and by FFmpeg's.
#include "platform/encvag/encvag.h"
#include "platform/encvag/testing/codec_corpus.h"
#include "platform/encvag/testing/loaded_library.h"
#include "platform/encvag/vag_codec.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> encode_with_library(const LoadedLibrary& lib, const std::vector<int16_t>& x) {
    const auto init = lib.function<EncVagInitFn>("EncVagInit");
    const auto block = lib.function<EncVagFn>("EncVag");
    const size_t blocks = x.size() / VAG_BLOCK_SAMPLES;
    std::vector<uint8_t> data(blocks * VAG_BLOCK_BYTES);
    init(1);
    for (size_t b = 0; b < blocks; ++b)
        block(x.data() + b * VAG_BLOCK_SAMPLES, data.data() + b * VAG_BLOCK_BYTES,
              b + 1 == blocks ? ENCVAG_ATTR_END : ENCVAG_ATTR_BODY);
    return data;
}

// Floors per kind of signal, in dB, for every file at every rate: the lowest of the three
// rates that this encoder reaches on the (repeatable) corpus, less a few tenths.
const std::map<std::string, double> VAG_FLOORS = {
    {"speech", 33.1}, {"sweep", 29.4}, {"pink", 24.5}, {"pluck", 28.6}, {"chord", 28.4}};

TEST(VagQuality, EveryCorpusSignalDecodesAboveItsFloor) {
    LoadedLibrary lib("libencvag.so");
    ASSERT_TRUE(lib.loaded()) << lib.error();
    const std::string dir = make_temp_dir("vag_quality_");
    std::string error;
    const std::vector<CorpusSignal> corpus = make_codec_corpus(dir, error);
    remove_dir(dir);
    ASSERT_EQ(corpus.size(), 15u) << error;
    for (const auto& s : corpus) {
        const std::vector<uint8_t> data = encode_with_library(lib, s.samples);
        std::vector<int16_t> decoded(data.size() / VAG_BLOCK_BYTES * VAG_BLOCK_SAMPLES);
        vag_decode_stream(data.data(), data.size(), decoded.data());
        const double snr = snr_db(s.samples.data(), decoded.data(), decoded.size());
        EXPECT_GE(snr, VAG_FLOORS.at(s.kind)) << s.kind << " at " << s.rate << " Hz";
    }
}

// A VAG file (48-byte header, big-endian size and rate) of our stream, decoded by FFmpeg:
// the samples must equal our decoder's, block flags included.
TEST(VagQuality, FfmpegDecodesOurStreamToTheSameSamples) {
    LoadedLibrary lib("libencvag.so");
    ASSERT_TRUE(lib.loaded()) << lib.error();
    const std::string dir = make_temp_dir("vag_ffmpeg_");
    const std::string raw = dir + "/in.raw", vag = dir + "/out.vag", back = dir + "/back.raw";
    ASSERT_TRUE(run_command("sox -n -r 32000 -c 1 -b 16 -e signed -t raw '" + raw +
                            "' synth 2 sine 200-9000 vol 0.9 2>/dev/null"));
    const std::vector<int16_t> x = read_raw_samples(raw);
    const std::vector<uint8_t> data = encode_with_library(lib, x);

    std::vector<uint8_t> file(48, 0);
    const auto put_be32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file[at + i] = static_cast<uint8_t>(v >> (24 - 8 * i));
    };
    file[0] = 'V', file[1] = 'A', file[2] = 'G', file[3] = 'p';
    put_be32(4, 0x20);
    put_be32(12, static_cast<uint32_t>(data.size()));
    put_be32(16, 32000);
    file.insert(file.end(), data.begin(), data.end());
    ASSERT_TRUE(write_file_bytes(vag, file.data(), file.size()));
    ASSERT_TRUE(run_command("ffmpeg -v error -y -f vag -i '" + vag +
                            "' -f s16le -acodec pcm_s16le '" + back + "'"));
    const std::vector<int16_t> theirs = read_raw_samples(back);
    remove_dir(dir);

    std::vector<int16_t> ours(data.size() / VAG_BLOCK_BYTES * VAG_BLOCK_SAMPLES);
    vag_decode_stream(data.data(), data.size(), ours.data());
    ASSERT_EQ(theirs.size(), ours.size());
    size_t differing = 0;
    for (size_t i = 0; i < ours.size(); ++i)
        differing += theirs[i] != ours[i];
    EXPECT_EQ(differing, 0u);
    EXPECT_GE(snr_db(x.data(), ours.data(), ours.size()), 29.0);
}

} // namespace
