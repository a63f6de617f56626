// Writes the starting corpus of the cache reader's fuzz target: a good cache file and a few
// near misses (short, another size, another depth, run-length).
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> tga(int type, int side, int depth, size_t cut = 0) {
    std::vector<uint8_t> b = {0,
                              0,
                              uint8_t(type),
                              0,
                              0,
                              0,
                              0,
                              0,
                              0,
                              0,
                              0,
                              0,
                              uint8_t(side),
                              uint8_t(side >> 8),
                              uint8_t(side),
                              uint8_t(side >> 8),
                              uint8_t(depth),
                              0};
    const size_t bytes = size_t(side) * side * (depth / 8);
    for (size_t i = 0; i < bytes; ++i)
        b.push_back(uint8_t(i * 31 + 7));
    b.resize(b.size() - cut);
    return b;
}

bool save(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: lightmap_fuzz_seeds <dir>\n");
        return 1;
    }
    const std::string dir = argv[1];
    std::filesystem::create_directories(dir);
    bool ok =
        save(dir + "/good128.tga", tga(2, 128, 24)) && save(dir + "/good2.tga", tga(2, 2, 24)) &&
        save(dir + "/short.tga", tga(2, 128, 24, 1)) && save(dir + "/size64.tga", tga(2, 64, 24)) &&
        save(dir + "/depth32.tga", tga(2, 128, 32)) && save(dir + "/rle.tga", tga(10, 2, 24)) &&
        save(dir + "/header.tga", tga(2, 128, 24, 128 * 128 * 3));
    return ok ? 0 : 1;
}
