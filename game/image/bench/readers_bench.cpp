// Speed of the picture readers and the TGA writer on game-sized pictures (1024 x 1024): the
// start-up reads twenty textures and six menu pictures, the lightmap cache many small TGAs.
#include "game/image/bmp.h"
#include "game/image/tga.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

constexpr int SIDE = 1024;

std::vector<uint8_t> header(uint8_t type, int depth) {
    return {0,
            0,
            type,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            uint8_t(SIDE & 0xFF),
            uint8_t(SIDE >> 8),
            uint8_t(SIDE & 0xFF),
            uint8_t(SIDE >> 8),
            uint8_t(depth),
            0};
}

std::vector<uint8_t> raw_tga(int depth) {
    std::vector<uint8_t> b = header(2, depth);
    for (size_t i = 0; i < size_t(SIDE) * SIDE * (depth / 8); ++i)
        b.push_back(uint8_t(i * 31));
    return b;
}

// Runs of 16 equal pixels alternating with raw packets of 16, as in a painted picture.
std::vector<uint8_t> rle_tga() {
    std::vector<uint8_t> b = header(10, 24);
    for (size_t px = 0; px < size_t(SIDE) * SIDE; px += 32) {
        b.insert(b.end(), {0x8F, 10, 20, 30, 0x0F});
        for (int i = 0; i < 48; ++i)
            b.push_back(uint8_t(px + i));
    }
    return b;
}

void put32(std::vector<uint8_t>& b, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(uint8_t(v >> (8 * i)));
}

std::vector<uint8_t> bmp(int bits, uint32_t compression) {
    std::vector<uint8_t> pixels;
    if (compression == 1) {
        for (int y = 0; y < SIDE; ++y) {
            for (int x = 0; x < SIDE; x += 16)
                pixels.insert(pixels.end(), {16, uint8_t(x / 16)});
            pixels.insert(pixels.end(), {0, 0});
        }
        pixels.insert(pixels.end(), {0, 1});
    } else {
        const size_t row = (size_t(SIDE) * bits / 8 + 3) & ~size_t{3};
        for (size_t i = 0; i < row * SIDE; ++i)
            pixels.push_back(uint8_t(i * 7));
    }
    const uint32_t palette = bits <= 8 ? 4u << bits : 0;
    std::vector<uint8_t> b = {'B', 'M'};
    put32(b, uint32_t(54 + palette + pixels.size()));
    put32(b, 0);
    put32(b, 54 + palette);
    put32(b, 40);
    put32(b, SIDE);
    put32(b, SIDE);
    b.insert(b.end(), {1, 0, uint8_t(bits), 0});
    put32(b, compression);
    for (int i = 0; i < 5; ++i)
        put32(b, 0);
    for (uint32_t i = 0; i < palette; ++i)
        b.push_back(uint8_t(i * 3));
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

void run_tga(benchmark::State& state, const std::vector<uint8_t>& file) {
    for (auto _ : state)
        benchmark::DoNotOptimize(decode_tga(file.data(), file.size()));
    state.SetItemsProcessed(state.iterations() * SIDE * SIDE);
    state.SetBytesProcessed(state.iterations() * int64_t(file.size()));
}
void run_bmp(benchmark::State& state, const std::vector<uint8_t>& file) {
    for (auto _ : state)
        benchmark::DoNotOptimize(decode_bmp(file.data(), file.size()));
    state.SetItemsProcessed(state.iterations() * SIDE * SIDE);
    state.SetBytesProcessed(state.iterations() * int64_t(file.size()));
}

void BM_TgaRaw24(benchmark::State& s) {
    run_tga(s, raw_tga(24));
}
void BM_TgaRaw32(benchmark::State& s) {
    run_tga(s, raw_tga(32));
}
void BM_TgaRaw16(benchmark::State& s) {
    run_tga(s, raw_tga(16));
}
void BM_TgaRle24(benchmark::State& s) {
    run_tga(s, rle_tga());
}
void BM_Bmp24(benchmark::State& s) {
    run_bmp(s, bmp(24, 0));
}
void BM_Bmp8(benchmark::State& s) {
    run_bmp(s, bmp(8, 0));
}
void BM_Bmp4(benchmark::State& s) {
    run_bmp(s, bmp(4, 0));
}
void BM_BmpRle8(benchmark::State& s) {
    run_bmp(s, bmp(8, 1));
}

// The lightmap cache's pattern: write a 128 x 128 TGA, read it back.
void BM_LightmapCacheRoundTrip(benchmark::State& state) {
    const std::string path = "/tmp/dh_bench_lightmap_" + std::to_string(getpid()) + ".tga";
    std::vector<uint8_t> px(128 * 128 * 3, 90);
    for (auto _ : state) {
        write_tga(path, TgaPicture{128, 128, px.data()});
        benchmark::DoNotOptimize(read_tga(path));
    }
    std::remove(path.c_str());
}

BENCHMARK(BM_TgaRaw24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TgaRaw32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TgaRaw16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TgaRle24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Bmp24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Bmp8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Bmp4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BmpRle8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LightmapCacheRoundTrip)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
